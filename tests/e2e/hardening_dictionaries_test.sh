#!/usr/bin/env bash
# Bad dictionaries through the real binary, with pipes: random bytes, NUL
# bytes, one line of 100 MB, a directory, a file that fails when read, a file
# the user may not read, a FIFO whose writer closes at once and one whose
# writer never comes. Each run must end with a loaded table or a clear error,
# never hang or crash, and the long line must be passed over in little memory.
set -u
# Runs of the full-screen game, whatever the environment asks for.
unset ACCESSIBLE
[ "${TERM:-}" != dumb ] || export TERM=xterm-256color
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Games played here keep their records here, never in the user's home.
export XDG_STATE_HOME="$work/state"
passed=0

fail() {
  echo "FAIL: $*" >&2
  echo "--- output (last lines) ---" >&2
  tail -c 600 "$work/out" >&2
  echo "--- errors ---" >&2
  head -c 2000 "$work/err" >&2
  exit 1
}

# run ARGUMENT...: runs the binary with no input, bounded in time; leaves
# its output, errors and status in $work/out, $work/err and $status.
run() {
  status=0
  timeout -k 2 20 "$@" </dev/null >"$work/out" 2>"$work/err" || status=$?
  [ "$status" -ne 124 ] && [ "$status" -ne 137 ] || fail "$* did not end"
  [ "$status" -lt 128 ] || fail "$* crashed with status $status"
  [ ! -s "$work/err" ] || fail "$* wrote errors"
}

# expect_loaded NAME TOTALS: the run succeeded and its verbose totals read
# TOTALS ("N of M"), or just DONE! when TOTALS is empty.
expect_loaded() {
  [ "$status" -eq 0 ] || fail "$1: status $status"
  grep -qF "DONE!${2:+ (Total usable words: $2)}" "$work/out" || fail "$1: no totals${2:+ of $2}"
  passed=$((passed + 1))
  echo "ok: $1"
}

# expect_error NAME MESSAGE: the run failed, and its output ends with the
# loader's error line MESSAGE, then the ERROR block.
expect_error() {
  [ "$status" -eq 1 ] || fail "$1: status $status"
  local rule="ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR!"
  printf '%s\r\n\r\n%s\r\n%s\r\n%s\r\n%s\r\n\r\n' "$2" "$rule" \
    "An error has occured, please check the above error for what whent wrong.    " \
    "If you believe that this is a bug, please contact the program's creator.    " "$rule" >"$work/expected"
  tail -c "$(wc -c <"$work/expected")" "$work/out" | cmp -s - "$work/expected" || fail "$1: no error: $2"
  passed=$((passed + 1))
  echo "ok: $1"
}

# Bytes from awk's generator with a fixed seed: the same file on every run.
# $1 is the seed, $2 the byte count, $3 the share of line feeds among them
# (0: as many as chance gives); with many line feeds most lines are short
# enough to be loaded, whatever bytes they hold.
random_bytes() {
  LC_ALL=C awk -v seed="$1" -v count="$2" -v feeds="$3" 'BEGIN {
    srand(seed)
    for (i = 0; i < count; i++) printf "%c", rand() < feeds ? 10 : int(rand() * 256)
  }'
}

random_bytes 1 1000000 0 >"$work/random"
run "$binary" -n -f "$work/random"
expect_loaded "random bytes" ""

# Short random lines: loaded, then shown in the statistics view and played
# with from a pipe until the keys run out.
random_bytes 2 200000 0.2 >"$work/random_words"
run "$binary" -m -n -f "$work/random_words"
expect_loaded "random short lines, statistics view" ""
printf 'x\r ab\r\x1b[A\x1b[B' >"$work/keys"
status=0
timeout -k 2 20 "$binary" -f "$work/random_words" <"$work/keys" >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 0 ] && [ ! -s "$work/err" ] || fail "a round of random words: status $status"
grep -qF "Mangled Text" "$work/out" || fail "a round of random words was not played"
passed=$((passed + 1))
echo "ok: a round of random words"

# NUL bytes inside, around and instead of words: only "planet" is usable.
printf 'cat\0dog\n\0\0\0\nplanet\n\0abc\nab\0\n' >"$work/nul"
run "$binary" -n -v -f "$work/nul"
expect_loaded "NUL bytes" "1 of 5"

# One line of 100 MB, then a word: read in fixed memory, not as one string.
{
  head -c 100000000 /dev/zero | tr '\0' a
  printf '\nplanet\n'
} >"$work/long"
if [ -x /usr/bin/time ]; then
  run /usr/bin/time -o "$work/peak" -f %M "$binary" -n -v -f "$work/long"
else
  run "$binary" -n -v -f "$work/long"
fi
rm -f "$work/long"
expect_loaded "a line of 100 MB" "1 of 2"
if grep -qa __asan_init "$binary"; then
  echo "note: the sanitizer build's memory is not measured"
elif [ ! -x /usr/bin/time ]; then
  fail "no /usr/bin/time to measure the peak memory with (package time)"
else
  peak=$(cat "$work/peak")
  [ "$peak" -lt 16384 ] || fail "a line of 100 MB took $peak KiB"
  passed=$((passed + 1))
  echo "ok: ... in $peak KiB at most"
fi

run "$binary" -n -f "$work"
expect_error "a directory" "Error: File not found (Is a directory)"

# Opens, then fails at the first read: nothing is mapped at address 0.
run "$binary" -n -f /proc/self/mem
expect_error "a file that cannot be read" "Error: Could not read the dictionary (Input/output error)"

# Root may read anything: the file is then read by the unprivileged user
# nobody, running a copy of the binary from a directory it may enter.
mkdir "$work/private"
printf 'planet\n' >"$work/private/words"
chmod 000 "$work/private/words"
if [ "$(id -u)" -eq 0 ]; then
  chmod 711 "$work" "$work/private"
  cp "$binary" "$work/private/quillop"
  chmod 755 "$work/private/quillop"
  run setpriv --reuid=65534 --regid=65534 --clear-groups "$work/private/quillop" -n -f "$work/private/words"
else
  run "$binary" -n -f "$work/private/words"
fi
expect_error "a file without read permission" "Error: File not found (Permission denied)"

# A FIFO: the program waits for a writer, which closes at once: no words.
mkfifo "$work/fifo"
timeout -k 2 20 "$binary" -n -v -f "$work/fifo" </dev/null >"$work/out" 2>"$work/err" &
program=$!
timeout 10 bash -c ': > "$1"' _ "$work/fifo" || fail "the program never opened the FIFO"
status=0
wait "$program" || status=$?
[ "$status" -eq 0 ] && [ ! -s "$work/err" ] || fail "a FIFO closed at once: status $status"
expect_loaded "a FIFO closed at once" "0 of 0"

# A FIFO whose writer never comes: the program waits, as any reader does,
# and still ends when told to.
mkfifo "$work/lonely"
status=0
timeout -k 2 1 "$binary" -n -f "$work/lonely" </dev/null >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 124 ] || fail "a FIFO without a writer: status $status, expected the wait to be ended"
[ ! -s "$work/err" ] || fail "a FIFO without a writer: errors"
tail -n 1 "$work/out" | grep -qF "Loading alternate dictionary: $work/lonely" || fail "a FIFO without a writer"
passed=$((passed + 1))
echo "ok: a FIFO without a writer waits and ends on SIGTERM"

echo "$passed passed, 0 failed"
