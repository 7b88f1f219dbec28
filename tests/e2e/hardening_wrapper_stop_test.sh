#!/usr/bin/env bash
# The game started by a script, stopped with Ctrl-Z and brought back with
# fg, twelve times. The script stops at once, so the shell may take the
# terminal back and write its "Stopped" line and prompt before the game's
# own stop handler runs: the game must then leave them on show, and still
# come back whole after fg.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
. "$(dirname "$0")/tmux_lib.sh"

tries=12
tmux_write_planet_words
echo "XDG_STATE_HOME='$TMUX_WORKDIR/state' '$binary' -f '$TMUX_WORKDIR/words.txt'" >"$TMUX_WORKDIR/go.sh"

# The last two lines the pane shows, blank ones left out.
last_lines() { tmux_capture | sed 's/ *$//' | grep -v '^$' | tail -2; }
stopped_and_prompt() {
  local lines
  lines=$(last_lines)
  [[ "$(head -1 <<<"$lines")" == *Stopped* && "$(tail -1 <<<"$lines")" == '$' ]]
}

tmux_start_shell "$TMUX_WORKDIR"
tmux_start_to_menu "sh go.sh"
for ((try = 1; try <= tries; try++)); do
  tmux_keys C-z
  poll_until 5 stopped_and_prompt || fail "try $try: no Stopped line and prompt after Ctrl-Z"
  # A screen left late would take them along a moment later.
  sleep 0.2
  stopped_and_prompt || fail "try $try: the Stopped line and prompt went away"
  tmux_type fg
  tmux_keys Enter
  poll_until 5 '[ "$(tmux_pane_flag alternate_on)" = 1 ] && tmux_capture | grep -qF "Play!"' ||
    fail "try $try: the menu did not come back after fg"
done
tmux_keys Down Down Enter
tmux_wait_for_end_screen "Thank you for playing Quillop!"
tmux_type k
expect_shell_back_with_success
tmux_expect_main_screen_and_cursor
echo "$tries stops through a script, the shell's prompt shown each time: 1 passed, 0 failed"
