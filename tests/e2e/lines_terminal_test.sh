#!/usr/bin/env bash
# Line mode in a real terminal, as a person plays it: the terminal stays in
# canonical mode with its echo while a round runs (as stty sees the pane's
# tty from outside the program), the terminal's own editing takes a
# Backspace before the program ever sees the line, Ctrl-Z stops the game
# with the settings as they were and fg goes on, and Ctrl-C ends it with
# the terminal as it was.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
. "$(dirname "$0")/tmux_lib.sh"

words=$TMUX_WORKDIR/words.txt
printf 'planet\nplan\nplane\nant\ntan\n' >"$words"
passed=0
ok() {
  echo "ok: $1"
  passed=$((passed + 1))
}

tmux_start_shell "$TMUX_WORKDIR"
tmux_save_stty before
pane_tty=$(t display-message -p -t "$TMUX_SESSION" '#{pane_tty}')

# Under a plain shell with job control, which leaves a stopped job's
# settings alone: it records them, and waits for a go before fg.
stopped=$TMUX_WORKDIR/stopped
tmux_run_recorded "dash -c \"set -m; $binary -l -s K7QX2M -f $words; stty -g > $stopped.tmp; mv $stopped.tmp $stopped; until [ -e $stopped.go ]; do sleep 0.05; done; fg > /dev/null\""
tmux_wait_for "Menu: 1 play"
tmux_type 1
tmux_keys Enter
tmux_wait_for "Letters: "

modes=$(stty -a -F "$pane_tty")
[[ " $modes " == *" icanon "* && " $modes " == *" echo "* ]] || fail "not canonical with echo: $modes"
ok "canonical mode with echo while a round runs"

tmux_type plax
tmux_keys BSpace
tmux_type n
tmux_keys Enter
tmux_wait_for "Yes: plan, 3 points, score 3." 5
ok "the terminal's own Backspace edits the line"

tmux_keys C-z
poll_until 5 '[ -s "$stopped" ]' || fail "Ctrl-Z did not stop the game"
cmp -s "$TMUX_WORKDIR/stty.before" "$stopped" || fail "settings while stopped: $(cat "$stopped")"
touch "$stopped.go"
sleep 0.3
tmux_type /time
tmux_keys Enter
poll_until 5 'tmux_capture | grep -q "^Time: .* left\.$"' || fail "no time after fg"
ok "Ctrl-Z stops with the settings as they were, and fg plays on"

tmux_keys C-c
tmux_expect_recorded_end 130 before
ok "Ctrl-C ends the game with the terminal as it was"

tmux_expect_stty_as before
echo "$passed passed, 0 failed"
