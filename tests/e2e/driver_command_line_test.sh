#!/usr/bin/env bash
# The command line through the real binary, with pipes: the banner, the
# usage text, unrecognised options, the -f rules and the exit statuses,
# checked byte for byte.
set -u
. "$(dirname "$0")/pipe_lib.sh" "$@"

printf -v usage '%s' "Usage:
   $program_name [arguments]

Options:
   -h             Prints argument list
   -m             Shows hash bucket status after loading
   -f filename    Use a user-specified dictionary file
   -n             Does not start the game
                  (useful with --memory-statistics flag)
   -v             Output loading statistics"$'\r\n'
done_quiet="Loading and hashing... DONE!$(printf '%38s' '')"$'\r\n'
prompt="Press 'S' to view memory statistics, or any other key to continue..."$'\r\n'

expect "-h" 0 "$banner$usage" "" -h -x
expect "-help" 0 "$banner$usage" "" -help

for option in -V -x - --memory-statistics; do
  expect "unrecognised $option" 2 "${banner}UNRECOGNISED OPTION: $option"$'\r\n\r\n'"$usage" "" "$option"
done
expect "-x ends parsing before -v" 2 "${banner}UNRECOGNISED OPTION: -x"$'\r\n\r\n'"$usage" "" -x -v
expect "-n then -Z" 2 "${banner}UNRECOGNISED OPTION: -Z"$'\r\n\r\n'"$usage" "" -n -Z -h

expect "-f last" 2 "${banner}MISSING FILE NAME AFTER OPTION: -f"$'\r\n\r\n'"$usage" "" -v -f
expect "-file last" 2 "${banner}MISSING FILE NAME AFTER OPTION: -file"$'\r\n\r\n'"$usage" "" -file

# The argument after -f is the file name even when it looks like an option;
# verbose loading stays off.
printf 'cat\ndog\n' >"$work/-v"
cd "$work"
expect "-f -v loads the file named -v" 0 \
  "${banner}Loading alternate dictionary: -v"$'\r\n'"$done_quiet$prompt" "x" -f -v -n
printf 'cat\n' >a.txt
printf 'ab\nabcdefgh\n' >b.txt
expect "the last -f wins" 0 \
  "${banner}Loading alternate dictionary: b.txt"$'\r\n'"Loading and hashing: DONE! (Total usable words: 0 of 2)"$'\r\n'"$prompt" \
  "" -f a.txt -f b.txt -verbose -n
cd "$root"

# The shipped dictionary, from the source root: the default name, and an
# argument without a dash is ignored.
expect "default dictionary" 0 "${banner}Loading default dictionary: engldict.txt"$'\r\n'"$done_quiet$prompt" \
  "" words.txt -n

finish
