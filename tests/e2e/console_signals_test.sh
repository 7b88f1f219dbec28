#!/usr/bin/env bash
# Ctrl-C, kill -TERM and kill -HUP end the program with that signal, after
# it has put the terminal back. An interactive shell repairs the settings of
# a job killed by a signal, so they are read by a plain non-interactive
# shell right after the program ends, before the pane's shell can.
set -u
. "$(dirname "$0")/console_probe_lib.sh"

signal_number() { kill -l "$1"; }

# Runs the probe under a plain shell that records, as the probe ends, its
# exit status and the terminal settings.
start_probe_recording() {
  rm -f "$PID_FILE" "$TMUX_WORKDIR/ended"
  local record="$TMUX_WORKDIR/ended"
  tmux_type "bash -c 'trap : INT; $(probe_command); echo \$? > $record.status; stty -g > $record.stty; mv $record.status $record'"
  tmux_keys Enter
  tmux_wait_for "probe ready" 10
}

wait_for_end() {
  poll_until 10 '[ -s "$TMUX_WORKDIR/ended" ]' || fail "the probe did not end"
}

tmux_start_shell
tmux_save_stty before
for way in INT TERM HUP; do
  mark_main_screen "$way"
  start_probe_recording
  tmux_type x
  wait_for_row "probe keys, first 120"
  if [ "$way" = INT ]; then tmux_keys C-c; else kill "-$way" "$(probe_pid)"; fi
  wait_for_end
  status=$(cat "$TMUX_WORKDIR/ended")
  [ "$status" = $((128 + $(signal_number "$way"))) ] || fail "SIG$way: exit status $status"
  cmp -s "$TMUX_WORKDIR/stty.before" "$TMUX_WORKDIR/ended.stty" ||
    fail "SIG$way: settings left as $(cat "$TMUX_WORKDIR/ended.stty")"
  expect_main_screen
  tmux_expect_stty_as before
  passed "SIG$way ends the program with the terminal put back"
done
report
