#!/usr/bin/env bash
# Makes the tarball from the build with cpack, unpacks it into a temporary
# folder and runs the unpacked program from another directory: the tarball
# holds the usual bin/ and share/ layout under one top folder, and the
# program finds the dictionary there.
set -u
build=$(cd "$(dirname "$1")" && pwd)
root=$2
. "$root/tests/e2e/installed_lib.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G TGZ -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; echo "FAIL: cpack -G TGZ"; exit 1; }
mkdir "$work/unpacked"
tar -xzf "$work"/quillop-*.tar.gz -C "$work/unpacked" || { echo "FAIL: tar -x"; exit 1; }
top=$(echo "$work"/unpacked/*)

check "one top folder named for the version" \
  '[ "$(basename "$top")" = "quillop-$(sed -n "s/^project(quillop VERSION \([0-9.]*\).*/\1/p" "$root/CMakeLists.txt")-$(uname -s)-$(uname -m)" ]'
expect_usual_layout "$top"
check "nothing of Debian's layout" '[ ! -e "$top/games" ] && [ ! -e "$top/share/games" ]'
expect_installed_run "$top/bin/quillop" "$top/share/quillop/engldict.txt"

finish package_tarball
