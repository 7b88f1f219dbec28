#!/usr/bin/env bash
# A window smaller than 80x24 when the first full screen is due: the request
# to enlarge it shows on the program's own screen, laid out for the window
# (broken at blanks, from the top left, as much of its start as fits), and
# never stays in the shell's scrollback. q ends the run with success and the
# terminal as it was; the menu shows as soon as the window is large enough.
# And at the prompt before it, Ctrl-Z and fg show the prompt line again.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
. "$(dirname "$0")/tmux_lib.sh"

words=$TMUX_WORKDIR/words.txt
printf 'planet\nplan\nant\n' >"$words"
prompt="Press 'S' to view memory statistics, or any other key to continue..."
passed=0

# Runs the program and answers the statistics prompt.
start_in_small_window() {
  tmux_type clear
  tmux_keys Enter
  tmux_run_recorded "$binary -f $words"
  tmux_wait_for "Press 'S' to view memory statistics"
  tmux_type x
  tmux_wait_for "press q to quit."
}

# Fails unless the pane's rows from 0 are exactly the arguments, and the
# rest blank.
expect_rows() {
  local expected actual
  expected=$(printf '%s\n' "$@")
  actual=$(tmux_capture | sed 's/ *$//' | sed -e :a -e '/^\n*$/{$d;N;ba' -e '}')
  [ "$actual" = "$expected" ] || fail "rows [$actual], expected [$expected]"
}

# What the shell's screen holds, with what scrolled off it.
history_and_screen() { t capture-pane -p -S - -t "$TMUX_SESSION"; }

tmux_start_shell "$TMUX_WORKDIR" 60 20
tmux_save_stty before

start_in_small_window
[ "$(tmux_pane_flag alternate_on)" = 1 ] || fail "the request is not on the program's own screen"
expect_rows "Quillop needs a terminal of at least 80x24; this one is" \
  "60x20. Enlarge it and press a key, or press q to quit."
t resize-window -t "$TMUX_SESSION" -x 10 -y 3
poll_until 5 '[ "$(tmux_row 0 | sed "s/ *\$//")" = Quillop ]' || fail "no request in the 10x3 window"
expect_rows Quillop "needs a" terminal
tmux_type q
tmux_expect_recorded_end 0 before
tmux_expect_main_screen_and_cursor
t resize-window -t "$TMUX_SESSION" -x 60 -y 20
! history_and_screen | grep -q "Enlarge it" || fail "the request stayed in the scrollback"
echo "ok: the request fits the window, q ends the run, nothing left in the scrollback"
passed=$((passed + 1))

start_in_small_window
t resize-window -t "$TMUX_SESSION" -x 80 -y 24
tmux_wait_for "Play!" 5
[ "$(tmux_pane_flag alternate_on)" = 1 ] || fail "the menu is not on a full screen"
tmux_keys C-c
tmux_expect_recorded_end 130 before
tmux_expect_main_screen_and_cursor
echo "ok: once the window is enlarged the menu shows, with no key pressed"
passed=$((passed + 1))

# The shell writes below the prompt while the job is stopped; after fg the
# prompt line is the last line again, and a key still goes on.
tmux_type "clear; $binary -f $words"
tmux_keys Enter
tmux_wait_for "$prompt"
tmux_keys C-z
tmux_wait_for "Stopped"
tmux_type fg
tmux_keys Enter
poll_until 5 '[ "$(tmux_capture | grep -v "^ *\$" | tail -1 | sed "s/ *\$//")" = "$prompt" ]' ||
  fail "after fg the prompt line was not shown again"
[ "$(tmux_capture | grep -cF "$prompt")" = 2 ] || fail "the prompt line shows other than twice"
tmux_type x
tmux_wait_for "Play!"
tmux_keys C-c
tmux_wait_gone "Play!"
echo "ok: after Ctrl-Z and fg at the prompt, the prompt line is shown again"
passed=$((passed + 1))
echo "$passed passed, 0 failed"
