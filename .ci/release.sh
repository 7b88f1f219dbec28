#!/usr/bin/env bash
# The builds that users and packagers make, checked the way CI checks its own:
# the release build of the program alone with g++ and with clang++, warnings
# as errors; the .deb and the tarball made from the g++ build; lintian over
# the .deb (errors fail; warnings and notes are shown); and the two package
# tests run on those packages. Prints how long each step took.
# Usage: .ci/release.sh   (run by .ci/run; needs lintian, dpkg-dev and file)
set -euo pipefail
cd "$(dirname "$0")/.."

timings=()
# timed NAME COMMAND...: runs COMMAND and keeps its time for the summary.
timed() {
  local name=$1 start
  shift
  start=$(date +%s.%N)
  "$@"
  timings+=("$(awk -v name="$name" -v start="$start" -v end="$(date +%s.%N)" \
    'BEGIN { printf "%-26s %5.1f s", name, end - start }')")
}
build_program() { cmake --preset "$1" && cmake --build --preset "$1"; }

timed "release build, g++" build_program ci-release-gcc
timed "release build, clang++" build_program ci-release-clang
timed "packages (.deb, tarball)" cpack --preset ci-release-gcc
timed "lintian" lintian --fail-on error --display-info build/ci-release-gcc/packages/quillop_*.deb
timed "package test, .deb" bash tests/e2e/package_deb_test.sh build/ci-release-gcc/quillop .
timed "package test, tarball" bash tests/e2e/package_tarball_test.sh build/ci-release-gcc/quillop .

echo "release builds and packages:"
printf '  %s\n' "${timings[@]}"
