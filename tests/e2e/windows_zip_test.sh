#!/usr/bin/env bash
# The Windows release zip, as a player would use it: packed with CPack from
# the build, unpacked into a temporary folder, and quillop.exe started under
# Wine from another folder, where it loads the dictionary beside itself and
# names it in the loading line, also from folders named beyond the code
# page; a dictionary named so loads with -f. The zip holds what it should,
# its text files end their lines as Notepad wants, the program needs no
# DLLs beyond those every Windows has, and its version information says
# what --version says.
set -u
# Runs of the full-screen game, whatever the environment asks for.
unset ACCESSIBLE
[ "${TERM:-}" != dumb ] || export TERM=xterm-256color
# Wine reads the names of Unix files in the locale's encoding: UTF-8 here.
export LC_ALL=C.UTF-8
build=$(cd "$(dirname "$1")" && pwd)
root=$2
emulator=${QUILLOP_EMULATOR:-wine}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0
check() { if eval "$2"; then passed=$((passed + 1)); else echo "FAIL: $1"; failed=$((failed + 1)); fi; }

cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null || { echo "FAIL: cpack"; exit 1; }
zips=("$work"/package/quillop-*-Windows-x86_64.zip)
[ -f "${zips[0]}" ] || { echo "FAIL: no zip made"; exit 1; }
mkdir "$work/unpacked" "$work/elsewhere"
(cd "$work/unpacked" && cmake -E tar xf "${zips[0]}") || { echo "FAIL: the zip does not unpack"; exit 1; }
folder=$work/unpacked/$(basename "${zips[0]}" .zip)
for file in quillop.exe engldict.txt engldict.meanings; do
  check "$file in the zip" '[ -s "$folder/$file" ]'
done
# The text files open in Notepad with a double-click: .txt, marked as UTF-8,
# CR LF throughout, each reading as its source does; the guides of docs/ lie
# in a docs folder, as the README's links name them.
texts=(README.txt:README.md engldict.COPYING.txt:engldict.COPYING engldict.meanings.COPYING.txt:engldict.meanings.COPYING)
for guide in "$root"/docs/*.md; do
  texts+=("docs/$(basename "$guide" .md).txt:docs/$(basename "$guide")")
done
for text in "${texts[@]}"; do
  file=${text%%:*}
  source=$root/${text#*:}
  check "$file in the zip" '[ -s "$folder/$file" ]'
  check "$file reads as its source" '[ "$(tail -c +4 "$folder/$file" | tr -d "\r")" = "$(cat "$source")" ]'
  check "$file begins with the UTF-8 mark" '[ "$(head -c 3 "$folder/$file" | od -An -tx1 | tr -d " ")" = efbbbf ]'
  check "$file ends every line with CR LF" '! grep -q $'"'"'[^\r]$\|^$'"'"' "$folder/$file"'
done
dlls=$(x86_64-w64-mingw32-objdump -p "$folder/quillop.exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')
check "only system DLLs needed (got: $dlls)" '[ "$dlls" = "kernel32.dll msvcrt.dll " ]'

# run: the unpacked program, started in the other folder with no input.
run() { (cd "$work/elsewhere" && $emulator "$folder/quillop.exe" -n </dev/null); }
out=$(run)
status=$?
beside=$(winepath -w "$folder")\\engldict.txt
check "run from elsewhere ends with status 0 (got $status)" '[ "$status" -eq 0 ]'
check "loading line names the dictionary beside the program" \
  'printf "%s" "$out" | grep -qxF "Loading default dictionary: $beside"$'"'"'\r'"'"
check "dictionary loaded" 'printf "%s" "$out" | grep -qF "DONE!"'

# A dictionary in the working folder still comes first.
printf 'planet\n' >"$work/elsewhere/engldict.txt"
out=$(run)
check "working folder's dictionary first" \
  'printf "%s" "$out" | grep -qxF "Loading default dictionary: engldict.txt"$'"'"'\r'"'"

# Unpacked into folders named beyond the code page and started from another
# folder, the program finds the dictionary beside itself, names it in UTF-8
# through the pipe, and shows its own path so in the usage line.
mkdir "$work/other"
for place in "Quillop é" "日本"; do
  mkdir -p "$work/$place"
  (cd "$work/$place" && cmake -E tar xf "${zips[0]}") || check "the zip unpacks into $place" false
  named=$work/$place/$(basename "${zips[0]}" .zip)
  out=$(cd "$work/other" && $emulator "$named/quillop.exe" -n </dev/null)
  check "loading line names the dictionary under $place" \
    'printf "%s" "$out" | grep -qxF "Loading default dictionary: $(winepath -w "$named")\engldict.txt"$'"'"'\r'"'"
  check "dictionary under $place loaded" 'printf "%s" "$out" | grep -qF "DONE!"'
done
usage=$(cd "$work/other" && $emulator "$named/quillop.exe" -h </dev/null)
check "usage line shows the program's path in UTF-8" \
  'printf "%s" "$usage" | grep -qxF "   $(winepath -w "$named")\quillop.exe [arguments]"'

# A dictionary named in another script, given with -f.
printf 'planet\n' >"$work/elsewhere/日本語.txt"
out=$(cd "$work/elsewhere" && $emulator "$folder/quillop.exe" -n -f 日本語.txt </dev/null)
check "-f 日本語.txt named in UTF-8" \
  'printf "%s" "$out" | grep -qxF "Loading alternate dictionary: 日本語.txt"$'"'"'\r'"'"
check "-f 日本語.txt loaded" 'printf "%s" "$out" | grep -qF "DONE!"'

# The version information, read back from the program's resources by the
# resource compiler, says what --version says; the icon and the manifest
# are there.
version=$($emulator "$folder/quillop.exe" --version </dev/null | tr -d '\r')
resources=$(x86_64-w64-mingw32-windres -i "$folder/quillop.exe" -O rc)
check "--version says the project's version (got $version)" \
  '[ "$version" = "quillop $(sed -n "s/^project(quillop VERSION \([0-9.]*\).*/\1/p" "$root/CMakeLists.txt")" ]'
for field in FileVersion ProductVersion; do
  check "$field is --version's" 'printf "%s" "$resources" | grep -qF "VALUE \"$field\", \"${version#quillop }\""'
done
# The numeric version, as the resource compiler writes it: 1, 2, 3, 0.
numeric="$(printf '%s' "${version#quillop }" | sed 's/[.]/, /g'), 0"
check "FILEVERSION is --version's" 'printf "%s" "$resources" | grep -qx " FILEVERSION $numeric"'
check "product name" 'printf "%s" "$resources" | grep -qF "VALUE \"ProductName\", \"Quillop\""'
check "an icon" 'printf "%s" "$resources" | grep -q "RT_GROUP_ICON"'
check "manifest with the UTF-8 code page" 'printf "%s" "$resources" | grep -qF "activeCodePage"'

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
