#!/usr/bin/env bash
# The Windows part of continuous integration: cross-compiles Quillop for
# Windows with MinGW-w64 (warnings as errors), then runs its unit tests, its
# pipe tests, the console tests and the release zip's test under Wine.
# Installs with apt-get what of the toolchain, Wine and GoogleTest's sources
# the machine lacks. Prints how long each part took.
# Usage: tools/windows_ci.sh [build]   (from anywhere; builds in
# build/windows; with "build", installs and cross-compiles only, so that CI
# can build while other tests run)
set -euo pipefail
cd "$(dirname "$0")/.."
only_build=false
case "${1:-}" in
  "") ;;
  build) only_build=true ;;
  *) echo "usage: tools/windows_ci.sh [build]" >&2; exit 2 ;;
esac

packages=(g++-mingw-w64-x86-64-posix wine64 wine googletest cmake ninja-build tmux)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "installing: ${missing[*]}"
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
fi

timings=()
# timed NAME COMMAND...: runs the command and notes how long it took.
timed() {
  local name=$1 start=$SECONDS
  shift
  "$@"
  timings+=("$name $((SECONDS - start)) s")
}

build=build/windows
timed "cross build" bash -c "cmake --preset windows && cmake --build --preset windows"
if "$only_build"; then
  printf 'windows: %s\n' "${timings[@]}"
  exit 0
fi

# Wine, set up for tests: a fresh prefix inside the build folder; no
# debugger on a crash (with it, a crashing test could end with status 0);
# one server for the whole run, since each program would otherwise start its
# own at a cost of seconds; the prefix made at once, without which the first
# program after a fresh server could hang for a minute; and the desktop
# started, which a console host needs for its first key and otherwise waits
# about ten seconds for.
export WINEPREFIX="$PWD/$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winedbg.exe=d;mscoree=d;mshtml=d"
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
trap 'wineserver -k 2>/dev/null || true' EXIT
# Wine's background processes must not hold this script's output open.
start_wine() {
  wineserver -p >/dev/null
  wineboot -i >/dev/null
  wine explorer.exe /desktop >/dev/null 2>&1 &
}
timed "wine start" start_wine

logs=$(mktemp -d)
background=
# A part that failed waits for the one in the background before Wine goes.
trap '[ -z "$background" ] || wait "$background"; wineserver -k 2>/dev/null || true; rm -rf "$logs"' EXIT
# tests NAME CTEST_ARGUMENT...: one part of the tests, timed, its log kept.
# Two at a time: most of a test's time under Wine goes to starting its
# programs, and one server serves them all.
tests() {
  local name=$1
  shift
  timed "$name" bash -c 'set -o pipefail; ctest --preset windows --parallel 2 "$@" | tee "$0"' "$logs/$name" "$@"
}
# The code pages' console test spends most of its minute waiting out daily
# rounds: it runs in the background from the start, beside the other parts,
# and its log is shown once it has ended. The tests are listed once before:
# ctest finds the unit tests by running their program when it has changed,
# which two ctest runs at once would both do, each adding them again.
ctest --preset windows -N >/dev/null
background_start=$SECONDS
ctest --preset windows -R '^e2e[.]windows_console_code_pages_test$' >"$logs/code pages test" 2>&1 &
background=$!
tests "unit tests" -E '^e2e[.]'
tests "pipe tests" -R '^e2e[.](driver|hardening|lines)_'
tests "console test" -R '^e2e[.]windows_console_test$'
tests "zip test" -R '^e2e[.]windows_zip'
background_status=0
wait "$background" || background_status=$?
background=
cat "$logs/code pages test"
timings+=("code pages test (beside the others) $((SECONDS - background_start)) s")

printf 'windows: %s\n' "${timings[@]}"
# All parts' totals, in the plain form any reader of CI logs knows.
awk '/tests passed, [0-9]+ tests failed out of/ { total += $NF; failed += $4 }
     END { printf "windows: %d passed, %d failed\n", total - failed, failed }' "$logs"/*
exit "$background_status"
