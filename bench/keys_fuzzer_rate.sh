#!/usr/bin/env bash
# How fast the keys fuzzer runs, two ways:
# - live: fuzzing for SECONDS from a copy of the seed corpus with a fixed
#   seed, as fuzz/run.sh does in CI; prints the inputs run and their rate
#   (wall clock, so a busy machine lowers it);
# - replay (with CORPUS, a folder of inputs): every input of it run once;
#   prints the processor time (user + system) per input, which a busy
#   machine hardly changes, so two builds compare on the very same inputs.
# Usage: bench/keys_fuzzer_rate.sh [SECONDS] [CORPUS] [FUZZER]
# (run by hand after building the fuzz preset; not a test)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-40}
corpus=${2:-}
fuzzer=${3:-$here/build/fuzz/fuzz/keys_fuzzer}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/corpus"
cp "$here"/fuzz/corpus/keys/* "$work/corpus/"
"$fuzzer" -max_total_time="$seconds" -rss_limit_mb=1024 -timeout=30 -max_len=1024 -seed=1 \
  -print_final_stats=1 "$work/corpus" >"$work/live.log" 2>&1
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/live.log")
echo "live: $runs inputs in $seconds s: $((runs / seconds)) a second"

if [ -n "$corpus" ]; then
  inputs=$(find "$corpus" -type f | wc -l)
  /usr/bin/time -f '%U %S' -o "$work/time" "$fuzzer" -runs=0 "$corpus" >/dev/null 2>&1
  read -r user system <"$work/time"
  awk -v u="$user" -v s="$system" -v n="$inputs" \
    'BEGIN { printf "replay: %d inputs, %.2f ms of processor time each\n", n, (u + s) * 1000 / n }'
fi
