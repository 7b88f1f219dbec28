#!/usr/bin/env bash
# Ctrl-L in a real terminal: another program writes over the screen (bytes
# sent to the pane's terminal device from outside), and Ctrl-L draws the
# whole screen again, on the menu, in the statistics view and on the
# goodbye, with -c too; the key does nothing else there.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
. "$(dirname "$0")/tmux_lib.sh"

tmux_write_planet_words
pane_tty=""
passes=0

# Writes junk over the pane as another program would, checks that it
# shows, presses Ctrl-L and waits until the pane is exactly as before.
expect_ctrl_l_mends_the_screen() {
  local before
  before=$(tmux_capture)
  printf '\033[H\033[2J\033[5;10Hjunk from outside\033[20;1Hmore junk' >"$pane_tty"
  tmux_wait_for "junk from outside"
  tmux_keys C-l
  poll_until 5 '[ "$(tmux_capture)" = "$before" ]' || fail "Ctrl-L did not draw the screen again ($1)"
  passes=$((passes + 1))
}

tmux_start_shell "$TMUX_WORKDIR"
pane_tty=$(t display -p -t "$TMUX_SESSION" '#{pane_tty}')
[ -w "$pane_tty" ] || fail "cannot write to the pane's terminal $pane_tty"

for options in "" "-c"; do
  tmux_type "'$binary' $options -f words.txt"
  tmux_keys Enter
  tmux_wait_for "Press 'S' to view memory statistics"
  tmux_type "s"
  tmux_wait_for "'Q': Exit"
  expect_ctrl_l_mends_the_screen "statistics view $options"
  tmux_type "q"
  tmux_wait_for "-> Play!"
  expect_ctrl_l_mends_the_screen "menu $options"
  tmux_keys Down Down
  tmux_wait_for "-> Exit"
  tmux_keys Enter
  # Once in the goodbye's first half second, where keys pass unheeded, and
  # once after it: Ctrl-L is no key, so the goodbye still waits for one.
  tmux_wait_for "Thank you for playing Quillop!"
  expect_ctrl_l_mends_the_screen "goodbye $options"
  sleep 0.6
  expect_ctrl_l_mends_the_screen "goodbye after its half second $options"
  tmux_type "k"
  expect_shell_back_with_success
done
echo "$passes passed, 0 failed"
