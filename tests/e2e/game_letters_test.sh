#!/usr/bin/env bash
# Letters beyond ASCII in a real terminal, three games at once in 30-second
# rounds (about 45 seconds): a small accented list made here, typed as a
# person types é; the same list with -c, which counts bytes as ever; and
# the French list of Debian's wfrench package, which must be installed.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
. "$(dirname "$0")/tmux_lib.sh"
# Rows are cut into characters, not bytes.
export LC_ALL=C.UTF-8

french=/usr/share/dict/french
[ -r "$french" ] || fail "$french is missing: install Debian's wfrench package"

# étoffé is the only word of six letters; toffé is the only one of six bytes.
printf '%s\n' étoffé été toffé fée >"$TMUX_WORKDIR/words.txt"
words=$TMUX_WORKDIR/words.txt

# The letters on show: the six characters from column 73 of row 7, sorted.
shown_letters() {
  local row
  row=$(tmux_row 7)
  echo "${row:73:6}" | grep -o . | sort | tr -d '\n'
}

tmux_use_session letters
tmux_start_shell "$TMUX_WORKDIR"
tmux_type "'$binary' -v -n -f '$words' </dev/null | grep -o 'Total usable words: [0-9]* of [0-9]*'"
tmux_keys Enter
tmux_wait_for "Total usable words: 4 of 4"
tmux_start_to_menu "'$binary' -f '$words'"
tmux_play_30_second_round

tmux_use_session classic
tmux_start_shell "$TMUX_WORKDIR"
tmux_type "'$binary' -c -v -n -f '$words' </dev/null | grep -o 'Total usable words: [0-9]* of [0-9]*'"
tmux_keys Enter
tmux_wait_for "Total usable words: 3 of 4"
tmux_start_to_menu "'$binary' -c -f '$words'"
tmux_play_30_second_round

tmux_use_session french
tmux_start_shell "$TMUX_WORKDIR"
tmux_start_to_menu "'$binary' -f '$french'"
tmux_play_30_second_round

tmux_use_session letters
[ "$(shown_letters)" = "$(echo étoffé | grep -o . | sort | tr -d '\n')" ] || fail "letters on show: [$(tmux_row 7)]"
tmux_type "été"
poll_until 5 '[ "$(tmux_row 7 | sed "s/ .*//")" = "été" ]' || fail "été typed shows as [$(tmux_row 7)]"
tmux_keys Enter
tmux_wait_for "Your Score: 1"
expect_row 13 "  été"
tmux_type "ét"
tmux_keys BSpace
poll_until 5 '[ "$(tmux_row 7 | sed "s/ .*//")" = "é" ]' || fail "Backspace did not give back one letter: [$(tmux_row 7)]"
tmux_keys BSpace
tmux_type "étoffé"
tmux_keys Enter
tmux_wait_for "You got a 6 letter word!"
expect_row 19 "  étoffé"

tmux_use_session french
[ "$(tmux_row 7 | sed 's/^.\{73\}//' | sed 's/ *$//' | grep -o . | wc -l)" = 6 ] || fail "no six letters on show: [$(tmux_row 7)]"

tmux_use_session classic
# The classic game counts bytes: étoffé is too long, and toffé, six bytes,
# is the round's word, its é shuffled byte by byte as it always was.
tmux_wait_for_end_screen "GAME OVER! The word was: toffé" 40
tmux_keys Space
tmux_wait_for "Play!"

tmux_use_session french
tmux_wait_for_end_screen "GAME OVER! The word was: " 40
word=$(tmux_row 2 | sed 's/.*The word was: //; s/ *|$//')
[ "$(echo "$word" | grep -o . | wc -l)" = 6 ] || fail "the round's word [$word] has not six letters"
grep -qxF -- "$word" "$french" || fail "the round's word [$word] is no line of $french"

tmux_use_session letters
tmux_wait_for_end_screen "You go to the next round!" 40
echo "1 passed, 0 failed"
