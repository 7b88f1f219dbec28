#!/usr/bin/env bash
# The game started by a script, stopped with Ctrl-Z and brought back with
# fg, twelve times. The script stops at once, so the shell may take the
# terminal back and write its "Stopped" line and prompt before the game's
# own stop handler runs: the game must then leave them on show, and still
# come back whole after fg. Last, once in a round, ended by Ctrl-C.
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
# Once in a round, a word half typed in bold: the shell's lines come below
# the screen, in the terminal's own colour, and Ctrl-C still ends the game.
tmux_keys Enter
tmux_wait_for "Time Left"
tmux_type pl
sleep 0.3
tmux_keys C-z
poll_until 5 stopped_and_prompt || fail "in a round: no Stopped line and prompt after Ctrl-Z"
stopped_line=$(t capture-pane -e -p -t "$TMUX_SESSION" | grep Stopped)
[[ "$stopped_line" != *$'\e['* ]] || fail "in a round: the Stopped line took on the game's look: $(cat -v <<<"$stopped_line")"
tmux_type fg
tmux_keys Enter
poll_until 5 '[ "$(tmux_pane_flag alternate_on)" = 1 ] && tmux_capture | grep -q "Time Left"' ||
  fail "in a round: the round did not come back after fg"
tmux_keys C-c
poll_until 5 '[ "$(tmux_pane_flag alternate_on)" = 0 ]' || fail "Ctrl-C did not end the game"
tmux_expect_main_screen_and_cursor
echo "$tries stops through a script, the shell's prompt shown each time: 1 passed, 0 failed"
