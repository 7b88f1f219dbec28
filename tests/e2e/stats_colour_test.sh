#!/usr/bin/env bash
# Colour as a real terminal shows it: the statistics view's bars are in
# colour on a terminal by default, and in none with NO_COLOR set, with
# --color=never, on a dumb terminal or with the classic screens (-c);
# --color=always colours even what goes into a pipe.
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
expect_colour no "TERM=dumb quillop"
expect_colour no "quillop -c"

# Into a pipe: colour only when asked for.
piped() { printf q | "$binary" -m -n -f "$TMUX_WORKDIR/words.txt" "$@"; }
piped --color=always | grep -qE "$colour_sgr" || fail "no colour with --color=always into a pipe"
! piped | grep -qE "$colour_sgr" || fail "colour into a pipe without --color=always"
echo "1 passed, 0 failed"
