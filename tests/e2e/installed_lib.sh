# Helpers for the tests that run the program from an installed or unpacked
# copy, as its user would. Source this file with the script's two arguments:
# the built binary (its folder is the build) and the source root. $work is a
# temporary folder, removed at the end.

build=$(cd "$(dirname "$1")" && pwd)
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# check NAME CONDITION: evaluates CONDITION; when it fails, names the check.
check() { if eval "$2"; then :; else echo "FAIL: $1"; failed=$((failed + 1)); fi; }

# make_package BUILD GENERATOR FOLDER: makes the package of the build that
# cpack's GENERATOR makes, in FOLDER; when that fails, shows why and ends.
make_package() {
  cpack --config "$1/CPackConfig.cmake" -G "$2" -B "$3" >"$3/cpack.log" 2>&1 ||
    { cat "$3/cpack.log"; echo "FAIL: cpack -G $2"; exit 1; }
}

# expect_usual_layout PREFIX: the program, the dictionary, its notice, the
# manual page, the README and the guides of docs/ lie where `cmake --install`
# and the tarball put them.
expect_usual_layout() {
  local prefix=$1
  check "program in bin/" '[ -x "$prefix/bin/quillop" ]'
  check "dictionary in share/quillop/" 'cmp -s "$root/engldict.txt" "$prefix/share/quillop/engldict.txt"'
  check "notice in share/quillop/" 'cmp -s "$root/engldict.COPYING" "$prefix/share/quillop/engldict.COPYING"'
  check "meanings and their notice in share/quillop/" \
    'cmp -s "$root/engldict.meanings" "$prefix/share/quillop/engldict.meanings" &&
     cmp -s "$root/engldict.meanings.COPYING" "$prefix/share/quillop/engldict.meanings.COPYING"'
  check "manual page in share/man/man6/" 'grep -q "^.TH QUILLOP 6" "$prefix/share/man/man6/quillop.6"'
  check "README in share/doc/quillop/" 'cmp -s "$root/README.md" "$prefix/share/doc/quillop/README.md"'
  local guide
  for guide in "$root"/docs/*.md; do
    check "$(basename "$guide") in share/doc/quillop/docs/" \
      'cmp -s "$guide" "$prefix/share/doc/quillop/docs/$(basename "$guide")"'
  done
}

# expect_installed_run PROGRAM DICTIONARY: runs PROGRAM -n -v from a folder
# without engldict.txt and checks that it named DICTIONARY in the loading line
# and loaded every line of it.
expect_installed_run() {
  local program=$1 dictionary=$2 elsewhere out status=0 lines
  elsewhere=$(mktemp -d)
  out=$(cd "$elsewhere" && timeout 20 "$program" -n -v </dev/null) || status=$?
  rmdir "$elsewhere"
  lines=$(wc -l <"$root/engldict.txt")
  check "run from elsewhere ends with status 0 (got $status)" '[ "$status" -eq 0 ]'
  check "loading line names $dictionary" \
    'printf "%s" "$out" | grep -qxF "Loading default dictionary: $dictionary"$'"'"'\r'"'"
  check "all $lines words loaded" 'printf "%s" "$out" | grep -qF "(Total usable words: $lines of $lines)"'
}

# finish NAME: reports, and ends the script with its status.
finish() {
  [ "$failed" -eq 0 ] || exit 1
  echo "$1: all checks passed"
}
