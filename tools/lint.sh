#!/usr/bin/env bash
# Checks that the includes under src/ keep to their floors
# (tools/check_includes.sh), and that the C++ sources under src/ and tests/
# are formatted with the checked-in .clang-format and clean under the
# checked-in .clang-tidy.
# Usage: tools/lint.sh [BUILD_DIR] [--tidy-sources-only]
# BUILD_DIR is a configured build, for its compile_commands.json (default
# build/default). With --tidy-sources-only, clang-tidy checks the units
# under src/ alone; tests/ is still checked for formatting. CI uses it: the
# tests' units, each parsing the test framework's headers, double the
# check's time, and they are compiled with warnings as errors anyway.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
tidied='^(src|tests)/'
[ "${2:-}" != --tidy-sources-only ] || tidied='^src/'
tools/check_includes.sh
[ -f "$build/compile_commands.json" ] || { echo "lint: no $build/compile_commands.json; configure first" >&2; exit 2; }

mapfile -t sources < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h')
clang-format --dry-run --Werror "${sources[@]}"
echo "lint: clang-format clean over ${#sources[@]} files"

# Headers are checked through the translation units that include them. Files
# for other systems (src/platform/posix/macos/ and the like) are not built
# here, so they have no compile command to be checked with; clang-format
# still is.
built() { while read -r unit; do if grep -qF "/$unit\"" "$build/compile_commands.json"; then echo "$unit"; fi; done; }
mapfile -t units < <(printf '%s\n' "${sources[@]}" | grep '\.cpp$' | grep -E "$tidied" | grep -v '^tests/e2e/' | built)
printf '%s\n' "${units[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet 2>/dev/null
echo "lint: clang-tidy clean over ${#units[@]} translation units"
