#!/usr/bin/env bash
# Regenerates engldict.txt, the dictionary shipped with the game, from the
# SCOWL English word lists that Debian's scowl package installs.
#
#   tools/make_dictionary.sh [SCOWL_DIR [OUTPUT]]
#
# Only common English is kept: the english-words and american-words lists of
# sizes 10, 20 and 35. Words are lower-case a to z only (the lists mix
# ISO-8859-1 and UTF-8; keeping [a-z] alone handles both and drops accented
# words, capitalised names and abbreviations), 3 to 6 letters, sorted in byte
# order without duplicates, minus the words of excluded_words.txt.
set -euo pipefail

tools_dir=$(cd "$(dirname "$0")" && pwd)
scowl_dir=${1:-/usr/share/dict/scowl}
output=${2:-$tools_dir/../engldict.txt}
exclusions=$tools_dir/excluded_words.txt

lists=()
for size in 10 20 35; do
  for variety in english american; do
    list=$scowl_dir/$variety-words.$size
    [ -r "$list" ] || { echo "missing word list: $list (install the scowl package)" >&2; exit 1; }
    lists+=("$list")
  done
done

export LC_ALL=C
excluded=$(mktemp)
trap 'rm -f "$excluded" "$output.tmp"' EXIT
grep -v -e '^#' -e '^$' "$exclusions" >"$excluded"

cat "${lists[@]}" |
  tr -d '\r' |
  grep -E '^[a-z]{3,6}$' |
  sort -u |
  { grep -v -x -F -f "$excluded" || true; } >"$output.tmp"
mv "$output.tmp" "$output"

words=$(wc -l <"$output")
six=$(grep -c '^......$' "$output" || true)
echo "wrote $output: $words words, $six of six letters"
