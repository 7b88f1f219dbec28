# Helpers for running the real binary through pipes and comparing its exact
# output and exit status. Source this file with the script's two arguments:
# the binary and the source root.

binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
root=$2
# A binary built for another system runs under the emulator the build names
# (Wine for the Windows build), and sees its own path in that system's form.
emulator=${QUILLOP_EMULATOR:-}
program_name=$binary
# Wine reads the names of Unix files, and the arguments, in the locale's
# encoding: UTF-8 for the names beyond ASCII that the tests use.
[ -z "$emulator" ] || export LC_ALL=C.UTF-8
[ -z "$emulator" ] || program_name=$(winepath -w "$binary" 2>/dev/null)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# These runs are of the full-screen game: a screen reader's ACCESSIBLE or a
# dumb TERM, inherited from where the tests run, would play them in lines.
unset ACCESSIBLE
[ "${TERM:-}" != dumb ] || export TERM=xterm-256color
# Games played here keep their records here, never in the user's home.
export XDG_STATE_HOME="$work/state"
passed=0
failed=0

version=$(sed -n 's/^project(quillop VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
banner="Quillop - a timed anagram word game"$'\n'"Version $version"$'\n\n'

# expect NAME STATUS EXPECTED_OUTPUT INPUT ARGUMENT...: runs the binary with
# INPUT on its standard input and compares its status and exact output.
# A run that hangs is ended after 20 seconds and fails.
expect() {
  local name=$1 status=$2 expected=$3 input=$4
  shift 4
  printf '%s' "$expected" >"$work/expected"
  local actual=0
  # shellcheck disable=SC2086 # the emulator may be a command with arguments
  printf '%s' "$input" | timeout 20 $emulator "$binary" "$@" >"$work/actual" || actual=$?
  if [ "$actual" -eq "$status" ] && cmp -s "$work/expected" "$work/actual"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $name (status $actual, expected $status)"
    cmp "$work/expected" "$work/actual"
    diff <(od -c "$work/expected") <(od -c "$work/actual") | head -20
  fi
}

# Reports the counts; the script's status tells whether all passed.
finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
