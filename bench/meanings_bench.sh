#!/usr/bin/env bash
# Measures reading the shipped word meanings: the time to read and index
# the whole file (what the first meaning shown costs) and the memory the
# entries then hold (the file's text and an index of 8 bytes a line). Run by
# hand; it is no test.
#
#   bench/meanings_bench.sh [BUILD_DIR]     (default build/default)
#
# Target: at most 10 ms for the whole file.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/default}
cmake --build "$build" --target meanings_bench >/dev/null
echo "engldict.meanings: $(wc -c <"$root/engldict.meanings") bytes, $(grep -vc '^#' "$root/engldict.meanings") lines"
"$build/meanings_bench" "$root/engldict.meanings"
