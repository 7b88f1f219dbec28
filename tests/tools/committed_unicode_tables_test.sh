#!/usr/bin/env bash
# The committed src/text/unicode_tables.cpp is what tools/make_unicode_tables.pl
# makes from the packaged Unicode Character Database. Skipped (status 77)
# where Debian's unicode-data is not installed.
# Usage: committed_unicode_tables_test.sh SOURCE_ROOT
set -u
root=$(cd "$1" && pwd)
unicode=/usr/share/unicode
[ -r "$unicode/UnicodeData.txt" ] || { echo "SKIP: no Unicode data in $unicode (install unicode-data)"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
perl "$root/tools/make_unicode_tables.pl" "$unicode" "$work/unicode_tables.cpp" ||
  { echo "FAIL: the script failed"; exit 1; }
cmp -s "$work/unicode_tables.cpp" "$root/src/text/unicode_tables.cpp" ||
  { echo "FAIL: src/text/unicode_tables.cpp differs from what tools/make_unicode_tables.pl makes; run it and commit the file"; exit 1; }
echo "1 passed, 0 failed"
