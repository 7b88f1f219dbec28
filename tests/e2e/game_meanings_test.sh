#!/usr/bin/env bash
# Word meanings in a real terminal: a game on the tests' small word list,
# with the shipped meanings beside it in the working folder, and the same
# game with -c side by side in a second session. The lost round's end
# screen says what planet means; in the review the cursor starts on the
# first word missed (ant), Right moves it to tan, which tmux then shows in
# reverse video, and the meaning rows give tan's gloss from the shipped
# file. The classic screens show no meaning and no review. Takes about 35
# seconds.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
root=$(cd "$2" && pwd)
. "$(dirname "$0")/tmux_lib.sh"

main_session=$TMUX_SESSION
classic_session=$TMUX_SESSION-classic
in_session() {
  local TMUX_SESSION=$1
  shift
  "$@"
}
cleanup_classic() { t kill-session -t "$classic_session" 2>/dev/null; tmux_cleanup; }
trap cleanup_classic EXIT

tmux_write_planet_words
cp "$root/engldict.meanings" "$TMUX_WORKDIR/"
mkdir -p "$TMUX_WORKDIR/state"
start_game() {
  tmux_start_shell "$TMUX_WORKDIR"
  tmux_start_to_menu "XDG_STATE_HOME='$TMUX_WORKDIR/state' '$binary' -f words.txt $1"
  tmux_play_30_second_round_of_planet
}
start_game ""
in_session "$classic_session" start_game -c

# What the shipped file says of a word, as the game shows it.
meaning_of() {
  awk -F '\t' -v word="$1" '$1 == word {
    split("n noun v verb a adjective r adverb", names, " ")
    for (i = 1; i < 8; i += 2) if (names[i] == $3) part = names[i + 1]
    text = word " (" ($2 == "" ? "" : $2 ", ") part "): "
    print (NF == 5 ? text "1. " $4 " 2. " $5 : text $4)
  }' "$root/engldict.meanings"
}
planet=$(meaning_of planet)
tan=$(meaning_of tan)
[ -n "$planet" ] && [ -n "$tan" ] || fail "the shipped meanings lack planet or tan"

tmux_wait_for_end_screen "GAME OVER! The word was: planet" 40
tmux_row 9 | grep -qF "${planet:0:60}" || fail "row 9 does not say what planet means: [$(tmux_row 9)]"
tmux_type "w"
tmux_wait_for "Every word of the round: you found 0 of 5"
tmux_row 19 | grep -q "^ant" || fail "the cursor did not start on ant"
tmux_keys Right
tmux_wait_for "tan ("
row19=$(tmux_row 19)
[ -n "$row19" ] && [[ "$tan" == "$row19"* ]] || fail "row 19 is not tan's meaning: [$row19] want [$tan]"
t capture-pane -e -p -t "$TMUX_SESSION" | sed -n 7p | grep -qF $'\e[7mtan' ||
  fail "tan is not in reverse video: $(t capture-pane -e -p -t "$TMUX_SESSION" | sed -n 7p | od -c | head -5)"
tmux_keys x
tmux_wait_for_end_screen "Press W to see them all."

in_session "$classic_session" tmux_wait_for_end_screen "GAME OVER! The word was: planet" 10
in_session "$classic_session" expect_row 9 ""
in_session "$classic_session" tmux_type "w"
sleep 0.3
in_session "$classic_session" tmux_capture | grep -q "Every word" && fail "-c opened a review"
in_session "$classic_session" tmux_capture | grep -qF "(noun)" && fail "-c shows a meaning"
echo "1 passed, 0 failed"
