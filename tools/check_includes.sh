#!/usr/bin/env bash
# Checks that the project's own includes under src/ point one way: down the
# layers, never up or across. The table below is the one place that says
# which folder may include which; a folder always includes itself. Needs no
# build: it reads the #include "..." lines of the files git knows.
# tests/ are not checked: a test reaches into whatever it tests, and its
# support code stands in for the layers above.
# Usage: tools/check_includes.sh [REVISION]   (from anywhere; checks the
# working tree, or REVISION's tree; exit status 1 on a wrong include, each
# one named on standard error)
set -euo pipefail
cd "$(dirname "$0")/.."

# folder: the folders (or single headers) it may include. "platform" is the
# top of src/platform/, the small service headers the program calls;
# "platform/*" is each system's folder below it, which implements them and
# the console's terminal contract: it sees the contract, the grid it shows
# and the presenter that turns a grid into a terminal's escape sequences,
# nothing else of the console; and the line face's terminal contract alone.
# "*" is everything.
floors='
text:
containers:
platform:      text
console:       text
platform/*:    platform console/terminal.h console/screen_grid.h console/vt_presenter.h lines/line_terminal.h text
game_record:   containers
dictionary:    containers text platform
rules:         dictionary containers game_record text
records:       rules platform text
stats:         console containers
game:          rules records dictionary console containers game_record text
lines:         rules records dictionary containers game_record text
driver:        *
'

# Includes allowed for now although the table forbids them, each with why.
# Temporary: every line here is work in flight elsewhere, and the list is
# to be empty once that work has landed.
exceptions='
'

# The floor a file or an included path belongs to: a system folder of
# platform/ is "platform/*", anything else its first folder.
floor_awk='
function floor(path,   parts, n) {
  n = split(path, parts, "/")
  if (parts[1] == "platform" && n > 2) return "platform/*"
  return parts[1]
}'

revision=${1:-}
git grep '^#include "' ${revision:+"$revision"} -- 'src/*.cpp' 'src/*.h' | sed "s|^${revision:+$revision:}||" |
  awk -v floors="$floors" -v exceptions="$exceptions" "$floor_awk"'
  BEGIN {
    n = split(floors, lines, "\n")
    for (i = 1; i <= n; ++i) {
      if (lines[i] == "") continue
      split(lines[i], halves, ":")
      folder = halves[1]
      known[folder] = 1
      m = split(halves[2], allowed, " ")
      for (j = 1; j <= m; ++j) may[folder, allowed[j]] = 1
    }
    n = split(exceptions, lines, "\n")
    for (i = 1; i <= n; ++i) {
      split(lines[i], words, " ")
      if (words[1] != "") excused[words[1], words[2]] = 1
    }
  }
  {
    file = $0; sub(/:.*/, "", file)
    included = $0; sub(/^[^"]*"/, "", included); sub(/".*/, "", included)
    from = floor(substr(file, 5))
    to = floor(included)
    if (!(from in known)) { print file ": folder " from " has no line in the include table" > "/dev/stderr"; bad = 1; next }
    if (from == to || may[from, "*"] || may[from, to] || may[from, included]) next
    if ((file, included) in excused) { used[file, included] = 1; next }
    print file ": " from "/ may not include " included > "/dev/stderr"
    bad = 1
  }
  END {
    for (pair in excused) {
      if (pair in used) continue
      split(pair, words, SUBSEP)
      print "note: the exception " words[1] " " words[2] " is no longer needed" > "/dev/stderr"
    }
    exit bad
  }'
echo "includes: every include under src/ keeps to its floor"
