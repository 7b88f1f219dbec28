#!/usr/bin/env bash
# Measures how long the start of a round takes to find every word the round
# would accept (for the live counts and the review), on the shipped
# dictionary and on a 2,000,000-line word file. Run by hand; it is no test.
#
#   bench/round_words_bench.sh [BUILD_DIR]     (default build/default)
#
# It builds the round_words_bench program in the build directory, writes the
# same word file as load_bench.sh (the same on every run), and deals 200
# rounds on each dictionary as the game deals them, timing each search.
# Target: a few tens of milliseconds at most on the 2,000,000-line file.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/bench/word_file.sh"
build=${1:-$root/build/default}
cmake --build "$build" --target round_words_bench >/dev/null
bench=$build/round_words_bench
export LC_ALL=C

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
words=$work/words.txt
write_word_file "$words"

echo "shipped dictionary ($(wc -l <"$root/engldict.txt") lines):"
"$bench" "$root/engldict.txt"
echo "generated file ($(wc -l <"$words") lines):"
"$bench" "$words"
