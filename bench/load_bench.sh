#!/usr/bin/env bash
# Measures how fast and how lean dictionary loading is. Run by hand after a
# build; it is no test.
#
#   bench/load_bench.sh [QUILLOP_BINARY]
#
# It writes a 2,000,000-line word file (the same every time: lengths 1 to
# 9, about one line in ten with an apostrophe), then times, best of 3 each,
# `quillop -n -f FILE` against awk counting the same usable lines (3 to 6
# bytes, no apostrophe) and `wc -l` as the floor. Peak memory per word is
# quillop's peak RSS less that of loading an empty file, over the words.
# Targets: quillop no slower than awk, and at most 56 bytes per word.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/bench/word_file.sh"
quillop=${1:-$root/build/default/quillop}
[ -x "$quillop" ] || { echo "no quillop at $quillop: build first (see README.md)" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian package: time)" >&2; exit 1; }
export LC_ALL=C

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
words=$work/words.txt
empty=$work/empty.txt
: >"$empty"

write_word_file "$words"

run_quillop() { "$quillop" -n -f "$1" </dev/null >/dev/null; }
run_awk() { awk 'length($0) >= 3 && length($0) <= 6 && index($0, "\047") == 0 { n++ } END { print n + 0 }' "$1"; }
run_wc() { wc -l <"$1" >/dev/null; }

# Best wall-clock time of 3 runs, in seconds.
best_of_3() {
  local best="" i start end took
  for i in 1 2 3; do
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    took=$(((end - start) / 1000))
    if [ -z "$best" ] || [ "$took" -lt "$best" ]; then best=$took; fi
  done
  awk -v us="$best" 'BEGIN { printf "%.3f", us / 1e6 }'
}

peak_rss_kib() { /usr/bin/time -f '%M' "$quillop" -n -f "$1" </dev/null 2>&1 >/dev/null | tail -1; }

lines=$(wc -l <"$words")
usable=$(run_awk "$words")
loaded=$("$quillop" -v -n -f "$words" </dev/null | tail -c 200 | grep -o 'Total usable words: [0-9]* of [0-9]*')
quillop_s=$(best_of_3 run_quillop "$words")
awk_s=$(best_of_3 run_awk "$words")
wc_s=$(best_of_3 run_wc "$words")
full_kib=$(peak_rss_kib "$words")
empty_kib=$(peak_rss_kib "$empty")

echo "file:            $lines lines, $usable usable (awk); quillop: $loaded"
echo "quillop -n -f:   $quillop_s s"
echo "awk count:       $awk_s s"
echo "wc -l:           $wc_s s"
awk -v q="$quillop_s" -v a="$awk_s" -v w="$wc_s" 'BEGIN {
  printf "quillop/awk:     %.2f (target 1.00 or below)\n", q / a
  printf "quillop/wc:      %.1f\n", q / w
}'
awk -v full="$full_kib" -v empty="$empty_kib" -v n="$usable" 'BEGIN {
  printf "peak RSS:        %.1f MiB loaded, %.1f MiB empty\n", full / 1024, empty / 1024
  printf "per loaded word: %.1f bytes (target 56 or below)\n", (full - empty) * 1024 / n
}'
