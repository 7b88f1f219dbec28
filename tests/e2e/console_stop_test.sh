#!/usr/bin/env bash
# Ctrl-Z puts the terminal back before the program stops; after fg the keys
# are read raw again and the screen is drawn again.
set -u
. "$(dirname "$0")/console_probe_lib.sh"

tmux_start_shell
tmux_save_stty before

# As a person would: the job stops, the settings are sane, fg brings it back.
mark_main_screen person
KEY_COUNT=0
start_probe
tmux_type x
wait_for_row "probe keys, first 120"
press_expecting a 97
tmux_keys C-z
tmux_wait_for "Stopped"
expect_main_screen
tmux_expect_stty_as before
tmux_type fg
tmux_keys Enter
wait_for_row "1 key 97"
press_expecting b 98
expect_row 1 "1 key 97"
tmux_type q
expect_main_screen
tmux_expect_stty_as before
passed "Ctrl-Z and fg from the shell: screen and raw keys come back, settings as before"

# An interactive shell repairs the settings of a job that stops, so a plain
# shell with job control, which leaves them alone, shows what the program
# itself left while stopped.
if command -v dash > /dev/null; then
  mark_main_screen plain
  KEY_COUNT=0
  tmux_type "dash -c 'set -m; $(probe_command); stty -g > $TMUX_WORKDIR/stty.stopped; fg > /dev/null'"
  tmux_keys Enter
  tmux_wait_for "probe ready" 10
  tmux_type x
  wait_for_row "probe keys, first 120"
  tmux_keys C-z
  poll_until 10 '[ -s "$TMUX_WORKDIR/stty.stopped" ]'
  cmp -s "$TMUX_WORKDIR/stty.before" "$TMUX_WORKDIR/stty.stopped" ||
    fail "settings while stopped: $(cat "$TMUX_WORKDIR/stty.stopped" 2> /dev/null)"
  wait_for_row "probe keys, first 120"
  press_expecting b 98
  expect_row 1 "1 key 98"
  tmux_type q
  expect_main_screen
  tmux_expect_stty_as before
  passed "while stopped the program leaves the settings as found; raw again when continued"
else
  echo "note: no dash here; the settings while stopped are checked through bash only"
fi
report
