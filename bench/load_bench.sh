#!/usr/bin/env bash
# Measures how fast and how lean dictionary loading is. Run by hand after a
# build on an otherwise quiet machine; it is no test.
#
#   bench/load_bench.sh [QUILLOP_BINARY [ROUNDS]]
#
# It writes a 2,000,000-line word file (the same every time: lengths 1 to
# 9, about one line in ten with an apostrophe), then runs, round after
# round, `quillop -n -f FILE`, awk counting the same usable lines (3 to 6
# bytes, no apostrophe) and `wc -l` as the floor, each round in another
# order, so that all three share whatever else the machine is doing. Each
# round gives a ratio to awk and one to wc -l; the script reports their
# medians with the quartiles and the range. Peak memory per word is
# quillop's peak RSS less that of loading an empty file, over the words.
# Start-up is `quillop -n` with the shipped dictionary: from the start to
# the statistics prompt, which ends the run when no key can be read.
# Targets: at most 0.3 times awk's time, at most 16 bytes per word.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/bench/word_file.sh"
quillop=${1:-$root/build/default/quillop}
rounds=${2:-21}
[ -x "$quillop" ] || { echo "no quillop at $quillop: build first (see docs/development.md)" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time: sudo apt-get install time" >&2; exit 1; }
[ "$rounds" -ge 11 ] || { echo "at least 11 rounds, please" >&2; exit 1; }
export LC_ALL=C

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
words=$work/words.txt
empty=$work/empty.txt
: >"$empty"

write_word_file "$words"

run_quillop() { "$quillop" -n -f "$1" </dev/null >/dev/null; }
run_awk() { awk 'length($0) >= 3 && length($0) <= 6 && index($0, "\047") == 0 { n++ } END { print n + 0 }' "$1"; }
run_wc() { wc -l <"$1"; }

# Wall-clock time of one run in microseconds; the shell's own clock, so no
# extra process is timed with it.
time_us() {
  local start end
  start=$EPOCHREALTIME
  "$@" >/dev/null
  end=$EPOCHREALTIME
  echo $((${end/./} - ${start/./}))
}

# Median, quartiles and range of numbers given one a line, formatted with fmt.
summary() {
  sort -g | awk -v fmt="$1" '{ v[NR] = $1 }
    function at(q,  i) { i = 1 + q * (NR - 1); return v[int(i)] + (i - int(i)) * (v[int(i) + 1] - v[int(i)]) }
    END { printf fmt " (quartiles " fmt " to " fmt ", range " fmt " to " fmt ")", at(0.5), at(0.25), at(0.75), v[1], v[NR] }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

peak_rss_kib() {
  for _ in 1 2 3; do /usr/bin/time -f '%M' "$quillop" -n -f "$1" </dev/null 2>&1 >/dev/null | tail -1; done | median
}

lines=$(run_wc "$words")
usable=$(run_awk "$words")
loaded=$("$quillop" -v -n -f "$words" </dev/null | tail -c 200 | grep -o 'Total usable words: [0-9]* of [0-9]*')
run_quillop "$words"
run_awk "$words" >/dev/null

orders=("quillop awk wc" "wc awk quillop" "awk quillop wc" "quillop wc awk" "wc quillop awk" "awk wc quillop")
: >"$work/rounds"
for ((round = 0; round < rounds; round++)); do
  declare -A took=()
  for tool in ${orders[round % ${#orders[@]}]}; do took[$tool]=$(time_us "run_$tool" "$words"); done
  echo "${took[quillop]} ${took[awk]} ${took[wc]}" >>"$work/rounds"
done

dictionary=$root/engldict.txt
: >"$work/startup"
for ((round = 0; round < rounds; round++)); do time_us "$quillop" -n -f "$dictionary" </dev/null >>"$work/startup"; done

full_kib=$(peak_rss_kib "$words")
empty_kib=$(peak_rss_kib "$empty")

echo "machine:         $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1), load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "file:            $lines lines, $usable usable (awk); quillop: $loaded"
echo "rounds:          $rounds, each running quillop, awk and wc -l in turn"
echo "quillop -n -f:   $(awk '{ print $1 / 1000 }' "$work/rounds" | summary '%.1f') ms"
echo "awk count:       $(awk '{ print $2 / 1000 }' "$work/rounds" | summary '%.1f') ms"
echo "wc -l:           $(awk '{ print $3 / 1000 }' "$work/rounds" | summary '%.1f') ms"
echo "quillop/awk:     $(awk '{ print $1 / $2 }' "$work/rounds" | summary '%.3f') (target 0.3 or below)"
echo "quillop/wc:      $(awk '{ print $1 / $3 }' "$work/rounds" | summary '%.1f')"
awk -v full="$full_kib" -v empty="$empty_kib" -v n="$usable" 'BEGIN {
  printf "peak RSS:        %.1f MiB loaded, %.1f MiB empty\n", full / 1024, empty / 1024
  printf "per loaded word: %.1f bytes (target 16 or below)\n", (full - empty) * 1024 / n
}'
echo "start-up:        $(awk '{ print $1 / 1000 }' "$work/startup" | summary '%.1f') ms to the prompt with $(wc -l <"$dictionary") shipped words"
