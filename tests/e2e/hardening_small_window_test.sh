#!/usr/bin/env bash
# A window smaller than 80x24 when the first full screen is due: the program
# says so and waits. q ends the run with success and the terminal as it was;
# another key in the same small window asks again; once the window has been
# enlarged, a key goes on to the menu.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
. "$(dirname "$0")/tmux_lib.sh"

words=$TMUX_WORKDIR/words.txt
printf 'planet\nplan\nant\n' >"$words"
too_small="Quillop needs a terminal of at least 80x24; this one is 60x20. Enlarge it and press a key, or press q to quit."

# Runs the program and answers the statistics prompt.
start_in_small_window() {
  tmux_type clear
  tmux_keys Enter
  tmux_run_recorded "$binary -f $words"
  tmux_wait_for "Press 'S' to view memory statistics"
  tmux_type x
  tmux_wait_for "press q to quit."
}

# How many lines of the pane are the request, whole; it wraps over two rows
# of the small pane, which the capture joins again.
requests_shown() { t capture-pane -p -J -t "$TMUX_SESSION" | sed 's/ *$//' | grep -cxF "$too_small"; }

tmux_start_shell "$TMUX_WORKDIR" 60 20
tmux_save_stty before

start_in_small_window
[ "$(requests_shown)" -eq 1 ] || fail "no request to enlarge the window"
[ "$(tmux_pane_flag alternate_on)" = 0 ] || fail "the full screen came up in a small window"
tmux_type q
tmux_expect_recorded_end 0 before
tmux_expect_main_screen_and_cursor
echo "ok: q at the request ends the run"

start_in_small_window
tmux_type x
poll_until 5 '[ "$(requests_shown)" -eq 2 ]' || fail "a key in the small window did not ask again"
t resize-window -t "$TMUX_SESSION" -x 80 -y 24
tmux_type x
tmux_wait_for "Play!"
[ "$(tmux_pane_flag alternate_on)" = 1 ] || fail "the menu is not on a full screen"
tmux_keys C-c
tmux_expect_recorded_end 130 before
tmux_expect_main_screen_and_cursor
echo "ok: after the window is enlarged a key goes on to the menu"
echo "2 passed, 0 failed"
