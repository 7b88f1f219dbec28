#!/usr/bin/env bash
# tools/make_meanings.pl on a small WordNet-shaped sample made here: a word
# listed as it is, inflected forms found through the suffix rules (with a
# doubled consonant) and the exception list, the part of speech whose first
# sense is most often seen winning, a short first gloss followed by the
# second, examples dropped, and a word WordNet has no entry for; senses
# whose lemma WordNet spells with a capital (DOE, Jay, Sat) left out, and
# suffix rules taken only where English inflects that way (its, bees).
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
# A data line's offset is its byte position in the file, as in WordNet, and
# it lists the synset's lemmas, spelled as WordNet spells them: each
# argument is "LEMMA [LEMMA...]|GLOSS".
data_file() {
  local file=$wordnet/data.$1 synset lemma lemmas
  shift
  : >"$file"
  for synset in "$@"; do
    lemmas=""
    for lemma in ${synset%%|*}; do lemmas="$lemmas $lemma 0"; done
    printf '%08d 00 n %02x%s 000 | %s\n' "$(stat -c %s "$file")" "$(wc -w <<<"${synset%%|*}")" "$lemmas" \
      "${synset#*|}" >>"$file"
  done
}
data_file noun 'plane airplane|an aircraft that has a fixed wing; "the plane was late"' 'plane|a level surface' \
  'mouse|any of numerous small rodents' 'rat|a short gloss' 'DOE Department_of_Energy|a federal department' \
  'doe|mature female of mammals' 'Jay John_Jay|a diplomat' 'IT information_technology|engineering of computers' \
  'it|the player who chases others in a game' 'bee|a hairy-bodied insect' 'Sat Saturday|the seventh day'
data_file verb 'plane|travel in an airplane' 'walk|use one'"'"'s feet to advance; advance by steps' 'rat|guide' \
  'be|have the quality of being' 'sit|be seated'
data_file adj 'big large|above average in size' 'long(a)|of great length'
: >"$wordnet/data.adv"
noun_at() { sed -n "$1p" "$wordnet/data.noun" | cut -c1-8; }
verb_at() { sed -n "$1p" "$wordnet/data.verb" | cut -c1-8; }
adj_at() { sed -n "$1p" "$wordnet/data.adj" | cut -c1-8; }
{
  echo "  1 This software and database is being provided to you"
  echo "bee n 1 0 1 0 $(noun_at 10)"
  echo "doe n 2 0 2 0 $(noun_at 5) $(noun_at 6)"
  echo "it n 2 0 2 0 $(noun_at 8) $(noun_at 9)"
  echo "jay n 1 0 1 0 $(noun_at 7)"
  echo "mouse n 1 0 1 0 $(noun_at 3)"
  echo "plane n 2 0 2 1 $(noun_at 1) $(noun_at 2)"
  echo "rat n 1 0 1 0 $(noun_at 4)"
  echo "sat n 1 0 1 0 $(noun_at 11)"
} >"$wordnet/index.noun"
{
  echo "be v 1 0 1 0 $(verb_at 4)"
  echo "plane v 1 0 1 0 $(verb_at 1)"
  echo "rat v 1 0 1 0 $(verb_at 3)"
  echo "sit v 1 0 1 0 $(verb_at 5)"
  echo "walk v 1 0 1 0 $(verb_at 2)"
} >"$wordnet/index.verb"
{
  echo "big a 1 0 1 0 $(adj_at 1)"
  echo "long a 1 0 1 0 $(adj_at 2)"
} >"$wordnet/index.adj"
: >"$wordnet/index.adv"
echo "mice mouse" >"$wordnet/noun.exc"
echo "sat sit" >"$wordnet/verb.exc"
echo "bigger big" >"$wordnet/adj.exc"
: >"$wordnet/adv.exc"
# DOE, the first sense of doe, is the most often seen; be far more than bee.
printf 'plane%%1:06:01:: 1 21\nplane%%2:38:00:: 1 2\nrat%%2:35:00:: 1 30\ndoe%%1:14:00:: 1 9\nbe%%2:42:03:: 1 900\n' \
  >"$wordnet/cntlist.rev"
printf 'bees\nbigger\ndoe\nits\njay\nlong\nmice\nplane\nplanes\nratted\nsat\nthe\nwalked\n' >"$work/words.txt"

perl "$root/tools/make_meanings.pl" "$wordnet" "$work/words.txt" "$work/out" >"$work/said" ||
  { echo "FAIL: the script failed"; exit 1; }
tab=$'\t'
expect_line "bigger${tab}big${tab}a${tab}above average in size"
expect_line "mice${tab}mouse${tab}n${tab}any of numerous small rodents"
expect_line "plane${tab}${tab}n${tab}an aircraft that has a fixed wing${tab}a level surface"
expect_line "planes${tab}plane${tab}n${tab}an aircraft that has a fixed wing${tab}a level surface"
expect_line "ratted${tab}rat${tab}v${tab}guide"
expect_line "walked${tab}walk${tab}v${tab}use one's feet to advance; advance by steps"
expect_line "long${tab}${tab}a${tab}of great length"
# A lower-case sense rather than the capitalised one before it, and the
# inflection a word with only a capitalised sense is.
expect_line "doe${tab}${tab}n${tab}mature female of mammals"
expect_line "sat${tab}sit${tab}v${tab}be seated"
# bees takes -s as a noun; a verb's bare -es follows s, x, z, ch, sh or o.
expect_line "bees${tab}bee${tab}n${tab}a hairy-bodied insect"
expect_no_line() {
  grep -q "^$1${tab}" "$work/out" && { echo "FAIL: a line for $1: $2"; failures=$((failures + 1)); }
}
expect_no_line the "a word WordNet lacks"
expect_no_line jay "WordNet has it only as Jay"
expect_no_line its "its is no plural of it"
grep -qF "10 of 13 words explained (76.9%)" "$work/said" || { echo "FAIL: coverage: $(cat "$work/said")"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ] || exit 1
echo "1 passed, 0 failed"
