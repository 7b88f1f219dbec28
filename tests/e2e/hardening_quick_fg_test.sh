#!/usr/bin/env bash
# Ctrl-Z and at once fg, with the program started through a wrapper shell as
# launchers and scripts do: the shell takes the terminal back as soon as the
# wrapper stops, while the program may still be putting the terminal back,
# and its continue may come before the program has stopped. The program must
# never stay stopped, and its screen must come back whole after each
# continue.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
. "$(dirname "$0")/tmux_lib.sh"

words=$TMUX_WORKDIR/words.txt
printf 'planet\nplan\nant\n' >"$words"
printf '%s -m -n -f %s\necho "wrapper ended"\n' "$binary" "$words" >"$TMUX_WORKDIR/go.sh"
tries=12

# The pid of the one quillop started on this script's word file.
quillop_pid() {
  local quote='s/[][\.*^$+?(){}|]/\\&/g' pids
  pids=$(pgrep -f -- "^$(sed "$quote" <<<"$binary") .*$(sed "$quote" <<<"$words")")
  [ "$(wc -w <<<"$pids")" -eq 1 ] || fail "quillop pids: [$pids]"
  echo "$pids"
}

# The state letter of process $1 (T: stopped); the name in the stat line
# may hold blanks, so the fields are counted after its closing parenthesis.
process_state() { sed 's/.*) //' "/proc/$1/stat" | cut -d' ' -f1; }

tmux_start_shell "$TMUX_WORKDIR"
tmux_type "sh go.sh"
tmux_keys Enter
tmux_wait_for "'Q': Exit"
whole=$(tmux_capture)
pid=$(quillop_pid)

# True once the pane's shell has the terminal again, as it takes it the
# moment it sees the wrapper stop: the terminal's foreground process group
# is no longer the program's.
shell_took_terminal() { [ "$(ps -o tpgid= -p "$pid")" != "$(ps -o pgid= -p "$pid")" ]; }

for ((try = 1; try <= tries; try++)); do
  tmux_keys C-z
  poll_until 5 shell_took_terminal || fail "try $try: the job did not stop (state $(process_state "$pid"))"
  tmux_type fg
  tmux_keys Enter
  poll_until 5 '[ "$(tmux_capture)" = "$whole" ]' ||
    fail "try $try: the screen did not come back (state $(process_state "$pid"))"
  [ "$(process_state "$pid")" != T ] || fail "try $try: left stopped with its screen on show"
done
tmux_type q
tmux_wait_for "wrapper ended"
echo "ok: $tries stops, each continued as soon as the shell had the terminal: never left stopped, the screen whole"
echo "1 passed, 0 failed"
