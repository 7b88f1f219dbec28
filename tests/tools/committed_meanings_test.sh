#!/usr/bin/env bash
# The committed engldict.meanings is what tools/make_meanings.pl makes from
# the packaged WordNet and the committed engldict.txt. Skipped (status 77)
# where Debian's wordnet-base is not installed.
# Usage: committed_meanings_test.sh SOURCE_ROOT
set -u
root=$(cd "$1" && pwd)
wordnet=/usr/share/wordnet
[ -r "$wordnet/index.noun" ] || { echo "SKIP: no WordNet in $wordnet (install wordnet-base)"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
perl "$root/tools/make_meanings.pl" "$wordnet" "$root/engldict.txt" "$work/engldict.meanings" >/dev/null ||
  { echo "FAIL: the script failed"; exit 1; }
cmp -s "$work/engldict.meanings" "$root/engldict.meanings" ||
  { echo "FAIL: engldict.meanings differs from what tools/make_meanings.pl makes; run it and commit the file"; exit 1; }
echo "1 passed, 0 failed"
