#!/usr/bin/env bash
# Line mode played from a file, as a script or a bot plays it: a whole game
# with a game code and a small word list, so its words are known, compared
# with the transcript written out by hand below; then the line-mode checker
# over it. Also under Wine, where the lines end in CR LF.
set -u
. "$(dirname "$0")/pipe_lib.sh" "$@"

cd "$work" || exit 1
# Each run starts with no records. Wine sets LOCALAPPDATA itself, in its
# prefix, so there the program's folder under it is emptied instead.
windows_state=
if [ -n "$emulator" ]; then
  windows_state=$(winepath -u "$($emulator cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')" 2>/dev/null)/Quillop
fi
state_in() {
  export XDG_STATE_HOME="$work/$1"
  [ -z "$windows_state" ] || rm -rf "$windows_state"
}
state_in state
printf 'planet\nplane\nplate\nplan\nleap\nant\ntan\nlap\npat\n' >words.txt
# Menu 1 plays; round 1 is passed with "planet" and ended at once, an
# empty line goes on; round 2 is lost; its review; the menu's 6 quits.
input=$'1\nplan\nPLANE\nxyz\nan\nplanet\n/end\n\nant\n/end\n/review\n\n6\n'
transcript='Line mode: on, as -l asks. Type ? and Enter for help at any time.
Loading: the word list words.txt.
Loaded: 9 words.
Menu: 1 play, 2 daily, 3 time (60 seconds), 4 records, 5 statistics, 6 quit.
Round 1: 60 seconds, 9 words to find; ? for help.
Letters: T E L P A N
Yes: plan, 3 points, score 3.
Yes: plane, 6 points, score 9.
No: xyz is not from these letters.
No: an is too short: words have 3 to 6 letters.
Yes: planet, 10 points, score 19. Round passed.
Found: 3 of 9 words.
Points: 19 this round, score 19.
Passed: yes, a six-letter word was found.
Next: /review lists the missed words; an empty line goes on.
Round 2: 60 seconds, 9 words to find; ? for help.
Letters: A E T N P L
Yes: ant, 2 points, score 21.
Found: 1 of 9 words.
Points: 2 this round, score 21.
Passed: no, the game is over.
Word: planet.
Record: first best score for 60 seconds a round.
Code: K7QX2M; quillop -l -s K7QX2M plays these words again.
Next: /review lists the missed words; an empty line goes on.
Missed: lap.
Missed: pat.
Missed: tan.
Missed: leap.
Missed: plan.
Missed: plane.
Missed: plate.
Missed: planet.
Menu: 1 play, 2 daily, 3 time (60 seconds), 4 records, 5 statistics, 6 quit.
Goodbye: thank you for playing Quillop.
'
crlf=()
if [ -n "$emulator" ]; then
  transcript=${transcript//$'\n'/$'\r\n'}
  crlf=(--crlf)
fi
expect "a whole game from a file" 0 "$transcript" "$input" -l -s K7QX2M -f words.txt

# The same game with its input cut short in round 1: the game ends there,
# cleanly, and its score is kept as after any game.
state_in state-cut
printf '1\nplan\n' | timeout 20 $emulator "$binary" -l -s K7QX2M -f words.txt >cut.txt
status=$?
if [ "$status" -eq 0 ] && grep -q '^Record: first best score' cut.txt && grep -q '^Goodbye: ' cut.txt; then
  passed=$((passed + 1))
else
  failed=$((failed + 1))
  echo "FAIL: the input's end ends the game with its record (status $status)"
  cat cut.txt
fi

# The option with the classic screens is a usage error.
expect_status() {
  local name=$1 want=$2
  shift 2
  local got=0
  timeout 20 $emulator "$binary" "$@" </dev/null >/dev/null 2>&1 || got=$?
  if [ "$got" -eq "$want" ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $name (status $got)"; fi
}
expect_status "-l with -c" 2 -l -c

if [ -n "${QUILLOP_TRANSCRIPT_CHECK:-}" ]; then
  state_in state-checked
  printf '%s' "$input" >input.txt
  printf '%s' "$input" | timeout 20 $emulator "$binary" -l -s K7QX2M -f words.txt >game.txt
  if "$QUILLOP_TRANSCRIPT_CHECK" game.txt input.txt "${crlf[@]}" && "$QUILLOP_TRANSCRIPT_CHECK" cut.txt "${crlf[@]}"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: the checker found the problems above"
  fi
fi
finish
