#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed program
# from another directory, as a user of the installation would: it finds the
# installed dictionary, names it in the loading line, and the manual page
# and the word lists' notice are in place. With engldict.txt in the working
# directory the program still loads that one.
set -u
build=$(cd "$(dirname "$1")" && pwd)
root=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failed=0
check() { if eval "$2"; then :; else echo "FAIL: $1"; failed=$((failed + 1)); fi; }

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
check "program installed" '[ -x "$prefix/bin/quillop" ]'
check "dictionary installed" 'cmp -s "$root/engldict.txt" "$prefix/share/quillop/engldict.txt"'
check "notice installed" '[ -s "$prefix/share/quillop/engldict.COPYING" ]'
check "manual page installed" 'grep -q "^.TH QUILLOP 6" "$prefix/share/man/man6/quillop.6"'

mkdir "$prefix/elsewhere"
out=$(cd "$prefix/elsewhere" && "$prefix/bin/quillop" -n </dev/null)
status=$?
check "installed run ends with status 0 (got $status)" '[ "$status" -eq 0 ]'
check "loading line names the installed dictionary" \
  'printf "%s" "$out" | grep -qxF "Loading default dictionary: $prefix/share/quillop/engldict.txt"$'"'"'\r'"'"
check "installed dictionary loaded" 'printf "%s" "$out" | grep -qF "DONE!"'

printf 'planet\n' >"$prefix/elsewhere/engldict.txt"
out=$(cd "$prefix/elsewhere" && "$prefix/bin/quillop" -n </dev/null)
check "working directory dictionary preferred" \
  'printf "%s" "$out" | grep -qxF "Loading default dictionary: engldict.txt"$'"'"'\r'"'"

[ "$failed" -eq 0 ] || exit 1
echo "install: all checks passed"
