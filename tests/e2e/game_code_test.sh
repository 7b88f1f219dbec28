#!/usr/bin/env bash
# Game codes in a real terminal: two runs with the same -s code, side by
# side, show the same letters in round 1 and the same word at game over,
# and the code on the last screen; -c shows no code, no daily game and
# writes nothing; a code that is no code is a usage error. The three games
# run at once, in 30-second rounds: about 40 seconds.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
. "$(dirname "$0")/tmux_lib.sh"

# Several six-letter words, so that a code decides which one a round gets.
printf '%s\n' planet bottle carpet garden market silver pocket window plan ant >"$TMUX_WORKDIR/words.txt"
words=$TMUX_WORKDIR/words.txt

for pane in first second; do
  tmux_use_session "$pane"
  tmux_start_shell "$TMUX_WORKDIR"
  tmux_start_to_menu "'$binary' -f '$words' -s k7qx2m"
  tmux_play_30_second_round
done
tmux_use_session classic
tmux_start_shell "$TMUX_WORKDIR"
tmux_start_to_menu "XDG_STATE_HOME='$TMUX_WORKDIR/classic-state' '$binary' -c -f '$words'"
expect_row 18 ""
expect_row 19 ""
tmux_type "d"
sleep 0.5
tmux_capture | grep -qF "Mangled Text" && fail "D started a game in the classic menu"
tmux_play_30_second_round

tmux_use_session first
first_letters=$(tmux_row 7 | cut -c74-79)
tmux_use_session second
[ "$(tmux_row 7 | cut -c74-79)" = "$first_letters" ] || fail "round 1 shows [$(tmux_row 7 | cut -c74-79)], the other run [$first_letters]"

code_row=$(banner_text_row "Game code K7QX2M: quillop -s K7QX2M plays these words again")
for pane in first second; do
  tmux_use_session "$pane"
  tmux_wait_for_end_screen "GAME OVER! The word was: " 40
  expect_row 3 "$code_row"
done
tmux_use_session first
first_end=$(tmux_row 2)
tmux_use_session second
[ "$(tmux_row 2)" = "$first_end" ] || fail "game over shows [$(tmux_row 2)], the other run [$first_end]"

tmux_use_session classic
tmux_wait_for_end_screen "GAME OVER! The word was: " 40
expect_row 3 "|$(printf '%78s' '')|"
tmux_keys Space
tmux_wait_for "Play!"
tmux_keys Down Down Enter
tmux_wait_for_end_screen "Thank you for playing Quillop!"
tmux_type "k"
expect_shell_back_with_success
tmux_capture | grep -qF "Quillop daily" && fail "the classic game wrote a result to paste"
[ -e "$TMUX_WORKDIR/classic-state" ] && fail "the classic game wrote its state"

tmux_type "clear; '$binary' -s K7QX2O -f '$words'; echo \"status=\$?\""
tmux_keys Enter
tmux_wait_for "status=2"
tmux_capture | grep -qxF "NOT A GAME CODE (6 OF 0-9 AND A-Z WITHOUT I, L, O, U): K7QX2O" || fail "no line naming the bad code"
tmux_capture | grep -qxF "Usage:" || fail "no usage text after the bad code"
echo "1 passed, 0 failed"
