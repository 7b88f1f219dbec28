#!/usr/bin/env bash
# Makes the .deb from the build with cpack, unpacks it with dpkg-deb into a
# temporary root and runs the unpacked program from another directory: it
# finds the packaged dictionary in Debian's layout for games. Also checks
# that layout and the control fields that apt and dpkg act on.
set -u
. "$(dirname "$0")/installed_lib.sh" "$@"

make_package "$build" DEB "$work"
deb=$(echo "$work"/quillop_*.deb)
dpkg-deb -x "$deb" "$work/root" || { echo "FAIL: dpkg-deb -x $deb"; exit 1; }
usr=$work/root/usr
field() { dpkg-deb -f "$deb" "$1"; }

check "only /usr in the package" '[ "$(ls "$work/root")" = usr ]'
check "program in /usr/games" '[ -x "$usr/games/quillop" ] && [ ! -e "$usr/bin" ]'
check "dictionary in /usr/share/games/quillop" 'cmp -s "$root/engldict.txt" "$usr/share/games/quillop/engldict.txt"'
check "notice in /usr/share/games/quillop" \
  'cmp -s "$root/engldict.COPYING" "$usr/share/games/quillop/engldict.COPYING"'
check "meanings and their notice in /usr/share/games/quillop" \
  'cmp -s "$root/engldict.meanings" "$usr/share/games/quillop/engldict.meanings" &&
   cmp -s "$root/engldict.meanings.COPYING" "$usr/share/games/quillop/engldict.meanings.COPYING"'
check "manual page in section 6" 'zcat "$usr/share/man/man6/quillop.6.gz" | grep -q "^.TH QUILLOP 6"'
check "copyright file holds the word lists' notice" \
  'grep -qF "Copyright 2000-2011 by Kevin Atkinson" "$usr/share/doc/quillop/copyright"'
check "copyright file holds the word meanings' notice" \
  'grep -qF "WordNet 3.0 Copyright 2006 by Princeton University" "$usr/share/doc/quillop/copyright"'
check "README in /usr/share/doc/quillop, compressed" \
  'zcat "$usr/share/doc/quillop/README.md.gz" | cmp -s "$root/README.md" -'
for guide in "$root"/docs/*.md; do
  check "$(basename "$guide") in /usr/share/doc/quillop/docs, compressed" \
    'zcat "$usr/share/doc/quillop/docs/$(basename "$guide").gz" | cmp -s "$guide" -'
done
check "changelog's last entry is this version" \
  'zcat "$usr/share/doc/quillop/changelog.gz" | head -1 | grep -qF "quillop ($(field Version)) "'
check "package name, section and priority" \
  '[ "$(field Package) $(field Section) $(field Priority)" = "quillop games optional" ]'
check "depends on the C and C++ runtime libraries" \
  'field Depends | grep -q "libc6 (>= .*libstdc++6 (>= "'
check "architecture of this machine" '[ "$(field Architecture)" = "$(dpkg --print-architecture)" ]'
expect_installed_run "$usr/games/quillop" "$usr/share/games/quillop/engldict.txt"

finish package_deb
