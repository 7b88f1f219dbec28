#!/usr/bin/env bash
# Colour as a real terminal shows it: the statistics view's bars are in
# colour on a terminal by default, and in none with NO_COLOR set, with
# --color=never or with the classic screens (-c); a dumb terminal gets the
# line mode's plain lines instead;
# --color=always colours even what goes into a pipe. A round's screen too is
# in colour by default and in none with NO_COLOR set: a second of each.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
. "$(dirname "$0")/tmux_lib.sh"

printf '%s\n' cat act tac abc egg > "$TMUX_WORKDIR/words.txt"
# A foreground colour of the palette in an SGR sequence (39, the default
# colour, is none).
colour_sgr=$'\e\\[([0-9]+;)*(3[0-8]|9[0-7])(;[0-9]+)*m'
run=0

# Runs the view with the command line $2 (before the program, variables;
# after it, options) and checks that its bars are coloured ($1: yes or no).
expect_colour() {
  local wanted=$1 line=$2 coloured=no
  run=$((run + 1))
  tmux_type "${line/quillop/\'$binary\' -m -n -f words.txt}; echo \"run$run=\$?\""
  tmux_keys Enter
  tmux_wait_for "Total Items" 5
  poll_until 5 '[ -n "$(tmux_row 21)" ]' || fail "the page never showed: $line"
  t capture-pane -e -p -t "$TMUX_SESSION" | grep -qE "$colour_sgr" && coloured=yes
  tmux_type q
  tmux_wait_for "run$run=0" 5
  [ "$coloured" = "$wanted" ] || fail "colour $coloured, expected $wanted: $line"
}

tmux_start_shell "$TMUX_WORKDIR"
expect_colour yes "quillop"
expect_colour no "NO_COLOR=1 quillop"
expect_colour yes "NO_COLOR= quillop"
expect_colour no "quillop --color=never"
expect_colour no "quillop -c"
run=$((run + 1))
tmux_type "TERM=dumb '$binary' -m -n -f words.txt; echo \"run$run=\$?\""
tmux_keys Enter
tmux_wait_for "run$run=0" 5
tmux_wait_for "Line mode: on, as TERM is dumb" 1
! t capture-pane -e -p -t "$TMUX_SESSION" | grep -qE "$colour_sgr" || fail "colour on a dumb terminal"

# Into a pipe: colour only when asked for.
piped() { printf q | "$binary" -m -n -f "$TMUX_WORKDIR/words.txt" "$@"; }
piped --color=always | grep -qE "$colour_sgr" || fail "no colour with --color=always into a pipe"
! piped | grep -qE "$colour_sgr" || fail "colour into a pipe without --color=always"
# Starts a round with the command line $2, enters one of its letters as a
# word and checks that the screen, with the answer "too short", is coloured
# ($1: yes or no), then quits with Ctrl-C (which also ends the shell's
# command line, so no status is echoed).
expect_round_colour() {
  local wanted=$1 line=$2 coloured=no letter=""
  tmux_start_to_menu "${line/quillop/\'$binary\' -f planet.txt}"
  tmux_keys Enter
  poll_until 5 'letter=$(tmux_row 7 | cut -c74); [ -n "${letter// /}" ]' || fail "no letters: $line"
  tmux_type "$letter"
  tmux_keys Enter
  tmux_wait_for "$letter: too short" 5
  t capture-pane -e -p -t "$TMUX_SESSION" | grep -qE "$colour_sgr" && coloured=yes
  tmux_keys C-c
  tmux_wait_gone "Mangled Text" 5
  [ "$coloured" = "$wanted" ] || fail "round in colour $coloured, expected $wanted: $line"
}

printf '%s\n' planet plan plane ant tan > "$TMUX_WORKDIR/planet.txt"
expect_round_colour yes "quillop"
expect_round_colour no "NO_COLOR=1 quillop"
echo "1 passed, 0 failed"
