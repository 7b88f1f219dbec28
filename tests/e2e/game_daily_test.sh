#!/usr/bin/env bash
# The daily game in a real terminal, in two panes at once, each with its own
# state folder. In the first, D on the title screen plays today's game with
# 60-second rounds, the title screen then shows its result and streak, and
# a second D the same day is practice. In the second, -d plays it at once,
# and once the program has ended the result's lines stand on the main
# screen. Both get the same code. One 60-second round: about 70 seconds.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
. "$(dirname "$0")/tmux_lib.sh"

printf '%s\n' planet bottle carpet garden market silver pocket window plan ant >"$TMUX_WORKDIR/words.txt"
words=$TMUX_WORKDIR/words.txt
# The panes' shells have no TZ: the local date is the system's.
today=$(env -u TZ date +%F)

tmux_use_session menu
tmux_start_shell "$TMUX_WORKDIR"
tmux_start_to_menu "XDG_STATE_HOME='$TMUX_WORKDIR/menu-state' '$binary' -f '$words'"
expect_row 18 "$(centred "D: today's game, $today")"
expect_row 19 "$(centred "Streak: 0 days   Best streak: 0 days")"
# The daily game lasts 60 seconds a round whatever the menu says.
tmux_keys Down Left
tmux_wait_for "< 30 seconds >"
tmux_type "D"
tmux_wait_for "Time Left: 60"

tmux_use_session shared
tmux_start_shell "$TMUX_WORKDIR"
tmux_type "XDG_STATE_HOME='$TMUX_WORKDIR/shared-state' '$binary' -f '$words' -d"
tmux_keys Enter
tmux_wait_for "Press 'S' to view memory statistics"
tmux_type "c"
tmux_wait_for "Time Left: 60"

code_row_pattern='^\| +Game code ([0-9A-Z]{6}): quillop -s \1 plays these words again +\|$'
tmux_use_session menu
tmux_wait_for_end_screen "GAME OVER! The word was: " 75
tmux_row 3 | grep -qE "$code_row_pattern" || fail "no game code on the last screen"
menu_code_row=$(tmux_row 3)
tmux_keys Space
tmux_wait_for "D: today's game"
expect_row 19 "$(centred "Today: 0 points in 1 round   Streak: 1 day   Best streak: 1 day")"
grep -qE "^$today [0-9A-Z]{6} 0 1 0/[0-9]+\$" "$TMUX_WORKDIR/menu-state/quillop/daily.txt" ||
  fail "daily.txt holds: $(cat "$TMUX_WORKDIR/menu-state/quillop/daily.txt")"
tmux_type "d"
tmux_wait_for "Time Left: 60"
expect_row 1 "$(banner_text_row "Practice: today's result is kept already")"

tmux_use_session shared
tmux_wait_for_end_screen "GAME OVER! The word was: " 20
[ "$(tmux_row 3)" = "$menu_code_row" ] || fail "the two daily games have different codes"
tmux_keys Space
tmux_wait_for "Play!"
tmux_keys Down Down Enter
tmux_wait_for_end_screen "Thank you for playing Quillop!"
tmux_type "k"
expect_shell_back_with_success
tmux_expect_main_screen_and_cursor
code=$(sed -E 's/.*quillop -s ([0-9A-Z]{6}) .*/\1/' <<<"$menu_code_row")
tmux_capture | grep -qxF "Quillop daily $today, game code $code" || fail "no result line with the date and code"
tmux_capture | grep -qxF "Score 0 in 1 round" || fail "no score line"
tmux_capture | grep -qE "^Round 1  (□){10}  0/[0-9]+\$" || fail "no round line with its bar"
echo "1 passed, 0 failed"
