#!/usr/bin/env bash
# tools/make_meanings.pl on a small WordNet-shaped sample made here: a word
# listed as it is, inflected forms found through the suffix rules (with a
# doubled consonant) and the exception list, the part of speech whose first
# sense is most often seen winning, a short first gloss followed by the
# second, examples dropped, and a word WordNet has no entry for.
# Usage: make_meanings_test.sh SOURCE_ROOT
set -u
root=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
expect_line() {
  grep -qxF "$1" "$work/out" || { echo "FAIL: no line [$1]"; failures=$((failures + 1)); }
}

wordnet=$work/wordnet
mkdir "$wordnet"
# A data line's offset is its byte position in the file, as in WordNet.
data_file() {
  local file=$wordnet/data.$1 gloss
  shift
  : >"$file"
  for gloss in "$@"; do
    printf '%08d 00 n 01 x 0 000 | %s\n' "$(stat -c %s "$file")" "$gloss" >>"$file"
  done
}
data_file noun 'an aircraft that has a fixed wing; "the plane was late"' 'a level surface' \
  'any of numerous small rodents' 'a short gloss'
data_file verb 'travel in an airplane' 'use one'"'"'s feet to advance; advance by steps' 'guide'
data_file adj 'above average in size'
: >"$wordnet/data.adv"
noun_at() { sed -n "$1p" "$wordnet/data.noun" | cut -c1-8; }
verb_at() { sed -n "$1p" "$wordnet/data.verb" | cut -c1-8; }
{
  echo "  1 This software and database is being provided to you"
  echo "mouse n 1 0 1 0 $(noun_at 3)"
  echo "plane n 2 0 2 1 $(noun_at 1) $(noun_at 2)"
  echo "rat n 1 0 1 0 $(noun_at 4)"
} >"$wordnet/index.noun"
{
  echo "plane v 1 0 1 0 $(verb_at 1)"
  echo "rat v 1 0 1 0 $(verb_at 3)"
  echo "walk v 1 0 1 0 $(verb_at 2)"
} >"$wordnet/index.verb"
echo "big a 1 0 1 0 $(sed -n 1p "$wordnet/data.adj" | cut -c1-8)" >"$wordnet/index.adj"
: >"$wordnet/index.adv"
echo "mice mouse" >"$wordnet/noun.exc"
: >"$wordnet/verb.exc"
echo "bigger big" >"$wordnet/adj.exc"
: >"$wordnet/adv.exc"
printf 'plane%%1:06:01:: 1 21\nplane%%2:38:00:: 1 2\nrat%%2:35:00:: 1 30\n' >"$wordnet/cntlist.rev"
printf 'bigger\nmice\nplane\nplanes\nratted\nthe\nwalked\n' >"$work/words.txt"

perl "$root/tools/make_meanings.pl" "$wordnet" "$work/words.txt" "$work/out" >"$work/said" ||
  { echo "FAIL: the script failed"; exit 1; }
tab=$'\t'
expect_line "bigger${tab}big${tab}a${tab}above average in size"
expect_line "mice${tab}mouse${tab}n${tab}any of numerous small rodents"
expect_line "plane${tab}${tab}n${tab}an aircraft that has a fixed wing${tab}a level surface"
expect_line "planes${tab}plane${tab}n${tab}an aircraft that has a fixed wing${tab}a level surface"
expect_line "ratted${tab}rat${tab}v${tab}guide"
expect_line "walked${tab}walk${tab}v${tab}use one's feet to advance; advance by steps"
grep -q "^the${tab}" "$work/out" && { echo "FAIL: a line for a word WordNet lacks"; failures=$((failures + 1)); }
grep -qF "6 of 7 words explained (85.7%)" "$work/said" || { echo "FAIL: coverage: $(cat "$work/said")"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ] || exit 1
echo "1 passed, 0 failed"
