#!/usr/bin/env bash
# Signals to the real program in a real terminal: Ctrl-C in the menu, in a
# round and in the statistics view, kill -TERM in a round, kill -HUP in the
# menu, and Ctrl-Z then fg in a round. Each time the program must end by
# that signal (or go on after fg), with the terminal's settings as before the
# run, the cursor shown, the main screen back and the program's screen gone.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
. "$(dirname "$0")/tmux_lib.sh"

words=$TMUX_WORKDIR/words.txt
printf 'planet\nplan\nant\n' >"$words"
prompt="Press 'S' to view memory statistics"
passed=0

# The pid of the one quillop started on this script's word file.
quillop_pid() {
  local quote='s/[][\.*^$+?(){}|]/\\&/g' pids
  pids=$(pgrep -f -- "^$(sed "$quote" <<<"$binary") .*$(sed "$quote" <<<"$words")")
  [ "$(wc -w <<<"$pids")" -eq 1 ] || fail "quillop pids: [$pids]"
  echo "$pids"
}

# Writes a line on the main screen that only its output, not the command
# typed, contains.
mark_main_screen() {
  mark="main-$((6 * 7))-$1"
  tmux_type "clear; echo main-\$((6 * 7))-$1"
  tmux_keys Enter
  tmux_wait_for "$mark" 5
}

# Waits for text $1 of the program's own screen, which hides the cursor.
expect_program_screen() {
  tmux_wait_for "$1"
  [ "$(tmux_pane_flag alternate_on)$(tmux_pane_flag cursor_flag)" = 10 ] ||
    fail "no full screen with a hidden cursor"
}

to_menu() {
  tmux_wait_for "$prompt"
  tmux_type x
  expect_program_screen "Play!"
}

to_round() {
  to_menu
  tmux_keys Enter
  expect_program_screen "Mangled Text"
}

# Ends the run with signal $1 (Ctrl-C from the keyboard for INT), then checks
# the status, the settings, the screen and the cursor; $2 is a text of the
# program's screen that must be gone.
end_with() {
  if [ "$1" = INT ]; then tmux_keys C-c; else kill "-$1" "$(quillop_pid)"; fi
  tmux_expect_recorded_end $((128 + $(kill -l "$1"))) before
  tmux_expect_main_screen_and_cursor
  tmux_wait_for "$mark" 5
  tmux_wait_gone "$2" 5
  passed=$((passed + 1))
  echo "ok: SIG$1 in the $3"
}

tmux_start_shell "$TMUX_WORKDIR"
tmux_save_stty before

mark_main_screen menu-int
tmux_run_recorded "$binary -f $words"
to_menu
end_with INT "Play!" menu

mark_main_screen round-int
tmux_run_recorded "$binary -f $words"
to_round
end_with INT "Mangled Text" round

mark_main_screen stats-int
tmux_run_recorded "$binary -m -n -f $words"
expect_program_screen "Bucket #"
end_with INT "Bucket #" "statistics view"

mark_main_screen round-term
tmux_run_recorded "$binary -f $words"
to_round
end_with TERM "Mangled Text" round

mark_main_screen menu-hup
tmux_run_recorded "$binary -f $words"
to_menu
end_with HUP "Play!" menu

# Ctrl-Z under a plain shell with job control, which leaves the settings of
# a stopped job alone: it records them and waits for a go before it
# continues the round with fg.
mark_main_screen round-stop
stopped=$TMUX_WORKDIR/stopped
tmux_run_recorded "dash -c \"set -m; $binary -f $words; stty -g > $stopped.tmp; mv $stopped.tmp $stopped; until [ -e $stopped.go ]; do sleep 0.05; done; fg > /dev/null\""
to_round
tmux_keys C-z
poll_until 5 '[ -s "$stopped" ]'
cmp -s "$TMUX_WORKDIR/stty.before" "$stopped" || fail "settings while stopped: $(cat "$stopped" 2>/dev/null)"
tmux_expect_main_screen_and_cursor
tmux_wait_for "$mark" 5
tmux_wait_gone "Mangled Text" 5
touch "$stopped.go"
expect_program_screen "Mangled Text"
tmux_type p
poll_until 5 '[ "$(tmux_row 7 | cut -c1-2)" = "p " ]' || fail "the typed letter did not show on row 7"
echo "ok: Ctrl-Z and fg in a round: stopped with the terminal put back, then playable again"
end_with INT "Mangled Text" "round continued after a stop"

tmux_expect_stty_as before
echo "$((passed + 1)) passed, 0 failed"
