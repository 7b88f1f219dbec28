#!/usr/bin/env bash
# Output that nobody reads: a pipe whose reader has gone, and a standard
# output that is closed. The program ends quietly and with success: no crash,
# nothing on its error output.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
# A binary built for another system runs under the emulator the build names.
emulator=${QUILLOP_EMULATOR:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Games played here keep their records here, never in the user's home.
export XDG_STATE_HOME="$work/state"
passed=0

# expect_quiet_success NAME STATUS: the program's status and error output.
expect_quiet_success() {
  [ "$2" -eq 0 ] || { echo "FAIL: $1: status $2" >&2; head -c 2000 "$work/err" >&2; exit 1; }
  [ ! -s "$work/err" ] || { echo "FAIL: $1: errors:" >&2; head -c 2000 "$work/err" >&2; exit 1; }
  passed=$((passed + 1))
  echo "ok: $1"
}

printf 'planet\nplan\nant\n' >"$work/words"
# Enough verbose output to fill the pipe many times over, so that the
# program surely writes after its reader has gone.
for ((i = 0; i < 20000; i++)); do echo "w$i"; done >"$work/many"

timeout -k 2 20 $emulator "$binary" -h 2>"$work/err" | head -c 10 >/dev/null
expect_quiet_success "-h into head -c 10" "${PIPESTATUS[0]}"

timeout -k 2 20 $emulator "$binary" -n -v -f "$work/many" </dev/null 2>"$work/err" | head -c 10 >/dev/null
expect_quiet_success "verbose loading into head -c 10" "${PIPESTATUS[0]}"

status=0
timeout -k 2 20 $emulator "$binary" -n -f "$work/words" >&- </dev/null 2>"$work/err" || status=$?
expect_quiet_success "standard output closed" "$status"

# With the output closed, the keys still lead from the menu to the goodbye
# and its last key, typed once the goodbye has stood its first half second,
# ends the run. The keys come from a FIFO that stays open, so the end of the
# input cannot be what ends it.
mkfifo "$work/keys"
{
  printf 'x\x1b[B\x1b[B\r'
  sleep 1.5
  printf 'k'
  exec sleep 30
} >"$work/keys" &
writer=$!
status=0
timeout -k 2 10 $emulator "$binary" -f "$work/words" <"$work/keys" >&- 2>"$work/err" || status=$?
kill "$writer"
expect_quiet_success "standard output closed, menu to goodbye" "$status"

echo "$passed passed, 0 failed"
