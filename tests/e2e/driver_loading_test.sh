#!/usr/bin/env bash
# Loading through the real binary, with pipes: the quiet and verbose
# loading lines, the ERROR block, the statistics prompt answered from a
# pipe, the end of the input, and a dictionary that cannot be played.
set -u
. "$(dirname "$0")/pipe_lib.sh" "$@"

done_quiet="Loading and hashing... DONE!$(printf '%38s' '')"$'\r\n'
prompt="Press 'S' to view memory statistics, or any other key to continue..."$'\r\n'
backspaces=$(printf '\b%.0s' {1..31})
error_rule="ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR!"
error_block=$'\r\n'"$error_rule"$'\r\n'"An error has occured, please check the above error for what whent wrong.    "$'\r\n'
error_block+="If you believe that this is a bug, please contact the program's creator.    "$'\r\n'"$error_rule"$'\r\n\r\n'

words=$work/words.txt
printf "cat\ndogs\na\ndon't\nelephant\n" >"$words"
loading="${banner}Loading alternate dictionary: $words"$'\r\n'

expect "quiet loading" 0 "$loading$done_quiet$prompt" "x" -n -f "$words"
expect "verbose loading" 0 \
  "${loading}Loading and hashing: Word # 1      - cat    (338 )$backspaces: Word # 2      - dogs   (378 )$backspaces: DONE! (Total usable words: 2 of 5)"$'\r\n'"$prompt" \
  "x" -n -v -f "$words"

printf "cat\r\ndogs\r\na\r\ndon't\r\nelephant" >"$work/crlf.txt"
expect "CR LF and no final line feed" 0 \
  "${banner}Loading alternate dictionary: $work/crlf.txt"$'\r\n'"$done_quiet$prompt" \
  "" -n -f "$work/crlf.txt"
expect "CR LF words and counts" 0 \
  "${banner}Loading alternate dictionary: $work/crlf.txt"$'\r\n'"Loading and hashing: Word # 1      - cat    (338 )$backspaces: Word # 2      - dogs   (378 )$backspaces: DONE! (Total usable words: 2 of 4)"$'\r\n'"$prompt" \
  "" -n -v -f "$work/crlf.txt"

# A name in another script loads, and the loading line names it in the
# same UTF-8 bytes on every system.
printf 'planet\n' >"$work/日本語 é.txt"
expect "a name beyond ASCII" 0 \
  "${banner}Loading alternate dictionary: $work/日本語 é.txt"$'\r\n'"$done_quiet$prompt" "x" -n -f "$work/日本語 é.txt"

printf 'ab\x1b[2J\n\x1b[31m\nred\n' >"$work/control.txt"
expect "control sequences are never loaded" 0 \
  "${banner}Loading alternate dictionary: $work/control.txt"$'\r\n'"Loading and hashing: Word # 1      - red    (285 )$backspaces: DONE! (Total usable words: 1 of 3)"$'\r\n'"$prompt" \
  "" -n -v -f "$work/control.txt"

expect "missing file" 1 \
  "${banner}Loading alternate dictionary: $work/absent.txt"$'\r\n'"Error: File not found (No such file or directory)"$'\r\n'"$error_block" \
  "x" -f "$work/absent.txt"
expect "directory" 1 \
  "${banner}Loading alternate dictionary: $work"$'\r\n'"Error: File not found (Is a directory)"$'\r\n'"$error_block" \
  "" -v -f "$work"

# A FIFO whose writer closes at once is an empty dictionary.
mkfifo "$work/fifo"
(: >"$work/fifo") &
expect "FIFO closed at once" 0 \
  "${banner}Loading alternate dictionary: $work/fifo"$'\r\n'"$done_quiet$prompt" "" -n -f "$work/fifo"
wait

# Without -n: the end of the input at the prompt ends the run with success.
expect "end of input at the prompt" 0 "$loading$done_quiet$prompt" "" -f "$words"
expect "no six-letter word" 1 \
  "$loading$done_quiet${prompt}Error: The dictionary holds no six-letter word to play with"$'\r\n'"$error_block" \
  "x" -f "$words"

finish
