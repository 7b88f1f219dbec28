#!/usr/bin/env bash
# Makes the tarball from the build with cpack, unpacks it into a temporary
# folder and runs the unpacked program from another directory: the tarball
# holds the usual bin/ and share/ layout under one top folder, and the
# program finds the dictionary there.
set -u
. "$(dirname "$0")/installed_lib.sh" "$@"

make_package "$build" TGZ "$work"
mkdir "$work/unpacked"
tar -xzf "$work"/quillop-*.tar.gz -C "$work/unpacked" || { echo "FAIL: tar -x"; exit 1; }
top=$(echo "$work"/unpacked/*)

check "one top folder named for the version" \
  '[ "$(basename "$top")" = "quillop-$(sed -n "s/^project(quillop VERSION \([0-9.]*\).*/\1/p" "$root/CMakeLists.txt")-$(uname -s)-$(uname -m)" ]'
expect_usual_layout "$top"
check "nothing of Debian's layout" '[ ! -e "$top/games" ] && [ ! -e "$top/share/games" ]'
expect_installed_run "$top/bin/quillop" "$top/share/quillop/engldict.txt"

finish package_tarball
