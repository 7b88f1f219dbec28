#!/usr/bin/env bash
# The extras in a real terminal, with the shipped dictionary: the counts row
# and the feedback on each kind of word during a round, the review behind W
# at its end, and the new record on the title screen of a second run of the
# program. The expected counts come from the dictionary itself, by awk.
# Takes about 40 seconds.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
root=$(cd "$2" && pwd)
. "$(dirname "$0")/tmux_lib.sh"

state=$TMUX_WORKDIR/state
words=$TMUX_WORKDIR/words

# The words of the dictionary that can be typed from the letters $1.
typeable_words() {
  LC_ALL=C awk -v letters="$1" 'length($0) >= 3 && length($0) <= 6 {
    left = letters
    for (i = 1; i <= length($0); i++) {
      at = index(left, substr($0, i, 1))
      if (at == 0) next
      left = substr(left, 1, at - 1) substr(left, at + 1)
    }
    print
  }' "$root/engldict.txt" | LC_ALL=C sort -u
}

of_length() { grep -c "^.\{$1\}\$" "$words"; }

start_program() {
  tmux_type "XDG_STATE_HOME='$state' '$binary'"
  tmux_keys Enter
  tmux_wait_for "Press 'S' to view memory statistics"
  tmux_type "c"
  tmux_wait_for "Play!"
}

choose_thirty_seconds() {
  tmux_keys Down Left
  tmux_wait_for "< 30 seconds >"
}

# A three-letter arrangement of the letters on show that is no word.
no_word() {
  local i j k candidate
  for ((i = 0; i < 6; i++)); do for ((j = 0; j < 6; j++)); do for ((k = 0; k < 6; k++)); do
    [ $i -ne $j ] && [ $j -ne $k ] && [ $i -ne $k ] || continue
    candidate=${letters:i:1}${letters:j:1}${letters:k:1}
    grep -qx "$candidate" "$words" || { echo "$candidate"; return; }
  done; done; done
}

# Types $1 and Enter; fails unless the feedback row then reads $2.
submit() {
  tmux_type "$1"
  tmux_keys Enter
  tmux_wait_for "$2" 5
  expect_row 9 "$2"
}

tmux_start_shell "$root"
start_program
choose_thirty_seconds
tmux_keys Up Enter

# A few six-letter words hold no shorter word; such a round is passed with
# a six-letter word and the next one played instead.
for round in 1 2 3 4; do
  tmux_wait_for "Mangled Text"
  letters=$(tmux_row 7 | cut -c74-79)
  typeable_words "$letters" >"$words"
  short=$(grep -m1 -v '^......$' "$words")
  [ -n "$short" ] && break
  submit "$(head -1 "$words")" "$(head -1 "$words"): +$((10 * round))"
  tmux_wait_for_end_screen "You go to the next round!" 40
  tmux_keys Space
  tmux_wait_gone "You go to the next round!"
done
[ -n "$short" ] || fail "no round with a word shorter than six letters"
total=$(wc -l <"$words")
counts() { echo "3: $1/$(of_length 3)   4: $2/$(of_length 4)   5: $3/$(of_length 5)   6: 0/$(of_length 6)"; }
expect_row 20 "$(centred "$(counts 0 0 0)")"

points=$(((${#short} == 3 ? 1 : ${#short} == 4 ? 3 : 6) * round))
submit "$short" "$short: +$points"
found=(0 0 0)
found[${#short} - 3]=1
expect_row 20 "$(centred "$(counts "${found[@]}")")"
submit "$short" "$short: already found this round"
submit "${letters:0:2}" "${letters:0:2}: too short"
nonsense=$(no_word)
submit "$nonsense" "$nonsense: not in the dictionary"

tmux_wait_for_end_screen "GAME OVER!" 40
expect_row 5 "$(centred "New record for 30 seconds!")"
# The round's word and what it means, or that no meaning is on file.
word=$(tmux_row 2 | sed 's/.*The word was: \([a-z]*\).*/\1/')
tmux_row 9 | grep -qE "^ *$word( \(|: no meaning on file)" || fail "no meaning of $word in row 9"
expect_row 20 "$(centred "You found 1 of the $total words. Press W to see them all.")"
score=$(tmux_row 6 | sed 's/.*Your Score: \([0-9]*\).*/\1/')
tmux_type "w"
tmux_wait_for "Every word of the round: you found 1 of $total"
tmux_capture | grep -q "^ ${#short} Letter Words: 1 of " || fail "no heading with the found word"
tmux_capture | grep -qE "(^| )\*$short( |\$)" || fail "the found word is not marked"
tmux_type "x"
tmux_wait_for "Press W to see them all."
tmux_row 2 | grep -qF "GAME OVER! The word was: " || fail "the end screen did not come back"
expect_row 22 "$(banner_text_row "Press SPACE to continue.")"
tmux_keys Space
tmux_wait_for "Best scores for 30 seconds"
tmux_row 13 | grep -qE "^ +1\.  $score   [0-9]{4}-[0-9]{2}-[0-9]{2}\$" || fail "no record on the title screen"
tmux_keys Down Down Enter
tmux_wait_for_end_screen "Thank you for playing Quillop!"
tmux_type "k"
expect_shell_back_with_success

tmux_type "clear"
tmux_keys Enter
start_program
expect_row 12 "$(centred "Best scores for 60 seconds")"
expect_row 13 "$(centred "No scores yet")"
choose_thirty_seconds
tmux_wait_for "Best scores for 30 seconds"
tmux_row 13 | grep -qE "^ +1\.  $score   [0-9]{4}-[0-9]{2}-[0-9]{2}\$" || fail "the record did not last"
tmux_keys Down Enter
tmux_wait_for_end_screen "Thank you for playing Quillop!"
tmux_type "k"
expect_shell_back_with_success
echo "1 passed, 0 failed"
