#!/usr/bin/env bash
# Output that cannot be written: a pipe whose reader has gone, and a
# standard output that is closed. Nobody would see the run, so it ends at
# once with status 1 and one line on its error output naming the problem;
# no crash, and no keys taken that were meant for the shell. Output that is
# all written before the reader goes is a success as ever.
set -u
# Runs of the full-screen game, whatever the environment asks for.
unset ACCESSIBLE
[ "${TERM:-}" != dumb ] || export TERM=xterm-256color
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
# A binary built for another system runs under the emulator the build names.
emulator=${QUILLOP_EMULATOR:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Games played here keep their records here, never in the user's home.
export XDG_STATE_HOME="$work/state"
passed=0

report_failure() {
  echo "FAIL: $1: $2" >&2
  head -c 2000 "$work/err" >&2
  exit 1
}

# expect_quiet_success NAME STATUS: the program's status and error output.
expect_quiet_success() {
  [ "$2" -eq 0 ] || report_failure "$1" "status $2"
  [ ! -s "$work/err" ] || report_failure "$1" "errors:"
  passed=$((passed + 1))
  echo "ok: $1"
}

# expect_output_failure NAME STATUS: status 1 and one line naming the problem.
expect_output_failure() {
  [ "$2" -eq 1 ] || report_failure "$1" "status $2"
  [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q '^Error: Could not write the output (.*)$' "$work/err" ||
    report_failure "$1" "error output:"
  passed=$((passed + 1))
  echo "ok: $1: $(tr -d '\r' <"$work/err")"
}

printf 'planet\nplan\nant\n' >"$work/words"
# Enough verbose output to fill the pipe many times over, so that the
# program surely writes after its reader has gone.
for ((i = 0; i < 20000; i++)); do echo "w$i"; done >"$work/many"

timeout -k 2 20 $emulator "$binary" -h 2>"$work/err" | head -c 10 >/dev/null
expect_quiet_success "-h into head -c 10" "${PIPESTATUS[0]}"

timeout -k 2 20 $emulator "$binary" -n -v -f "$work/many" </dev/null 2>"$work/err" | head -c 10 >/dev/null
expect_output_failure "verbose loading into head -c 10" "${PIPESTATUS[0]}"

status=0
timeout -k 2 20 $emulator "$binary" -n -f "$work/words" >&- </dev/null 2>"$work/err" || status=$?
expect_output_failure "standard output closed" "$status"

# With the output closed, the run ends at once: it does not play on unseen,
# taking keys. The keys come from a FIFO that stays open, so the end of the
# input cannot be what ends it, and none of them is read.
mkfifo "$work/keys"
{
  printf 'x\x1b[B\x1b[B\r'
  sleep 1.5
  printf 'k'
  exec sleep 30
} >"$work/keys" &
writer=$!
exec 3<"$work/keys"
status=0
timeout -k 2 10 $emulator "$binary" -f "$work/words" <&3 >&- 2>"$work/err" || status=$?
expect_output_failure "standard output closed, keys waiting" "$status"
[ "$(timeout 2 head -c 1 <&3)" = x ] || report_failure "standard output closed, keys waiting" "a key was taken"
kill "$writer"
exec 3<&-

echo "$passed passed, 0 failed"
