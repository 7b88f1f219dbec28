#!/usr/bin/env bash
# The Windows release zip, as a player would use it: packed with CPack from
# the build, unpacked into a temporary folder, and quillop.exe started under
# Wine from another folder, where it loads the dictionary beside itself and
# names it in the loading line. The zip holds what it should, and the
# program needs no DLLs beyond those every Windows has.
set -u
build=$(cd "$(dirname "$1")" && pwd)
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
for file in quillop.exe engldict.txt engldict.COPYING engldict.meanings engldict.meanings.COPYING README.txt; do
  check "$file in the zip" '[ -s "$folder/$file" ]'
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

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
