#!/usr/bin/env bash
# Builds the fuzz targets (the fuzz preset: clang 14, libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs each one for a
# bounded time on a copy of its seed corpus in a temporary directory, so the
# repository is never written to. Fails when a target finds a crash, a leak,
# a timeout, runaway memory or a broken invariant; the input that did it is
# kept and its path printed.
#
# The targets fuzz one after the other, each for SECONDS.
#
# Usage: fuzz/run.sh [SECONDS]    seconds per target, 40 by default
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-40}"
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: fuzz/run.sh [SECONDS]" >&2
  exit 2
fi

cmake --preset fuzz
cmake --build --preset fuzz

# Per target: how long one input may run, and how long it may be. A key
# stream of 1 KiB already plays several minutes of virtual time.
declare -A limits=(
  [loader]="-timeout=10 -max_len=4096"
  [keys]="-timeout=30 -max_len=1024"
)

work="$(mktemp -d -t quillop-fuzz.XXXXXX)"
# fuzz TARGET: one target's run, its output in its log.
fuzz() {
  local target=$1
  # shellcheck disable=SC2086 # the limits are separate options
  build/fuzz/fuzz/"${target}"_fuzzer -max_total_time="$seconds" -rss_limit_mb=1024 ${limits[$target]} \
    -print_final_stats=1 -artifact_prefix="$work/$target/findings/" "$work/$target/corpus" >"$work/$target/log" 2>&1
}

# One after the other: run side by side on two processors, the keys
# fuzzer ran about a third fewer inputs than alone.
failed=()
for target in loader keys; do
  mkdir -p "$work/$target/corpus" "$work/$target/findings"
  cp fuzz/corpus/"$target"/* "$work/$target/corpus/"
  echo "fuzzing ${target}_fuzzer for $seconds s"
  log="$work/$target/log"
  if fuzz "$target"; then
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    echo "${target}_fuzzer: ${runs:-?} inputs, nothing found"
  else
    tail -n 80 "$log"
    echo "${target}_fuzzer FAILED; the input and the whole log are in $work/$target"
    failed+=("$target")
  fi
done

if [ "${#failed[@]}" -gt 0 ]; then
  exit 1
fi
rm -rf "$work"
