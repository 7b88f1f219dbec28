#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed program
# from another directory, as a user of the installation would: it finds the
# installed dictionary, names it in the loading line, and the manual page
# and the word lists' notice are in place. With engldict.txt in the working
# directory the program still loads that one.
set -u
. "$(dirname "$0")/installed_lib.sh" "$@"
prefix=$work

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
expect_usual_layout "$prefix"
check "nothing of Debian's layout installed" '[ ! -e "$prefix/games" ] && [ ! -e "$prefix/share/games" ]'
expect_installed_run "$prefix/bin/quillop" "$prefix/share/quillop/engldict.txt"

mkdir "$prefix/elsewhere"
printf 'planet\n' >"$prefix/elsewhere/engldict.txt"
out=$(cd "$prefix/elsewhere" && "$prefix/bin/quillop" -n </dev/null)
check "working directory dictionary preferred" \
  'printf "%s" "$out" | grep -qxF "Loading default dictionary: engldict.txt"$'"'"'\r'"'"

finish install
