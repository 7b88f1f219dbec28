#!/usr/bin/env bash
# The bucket statistics view in a real terminal: start it with -m -n on a
# small word file, move with the arrow and page keys as a person would, and
# compare the pane's rows after each key; quitting gives back the terminal
# as it was.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
. "$(dirname "$0")/tmux_lib.sh"

# Buckets: abc 7, egg 20, dup and fam 33, cat act tac 338 (the fullest, 3).
printf '%s\n' cat act tac abc egg dup fam > "$TMUX_WORKDIR/words.txt"

square=$'\xe2\x96\xa0'  # U+25A0 in UTF-8, whatever this script's own locale
rule=$(printf '%79s' '' | tr ' ' '-')
header='Bucket # | # items |  %  |0        25%       50%       75%     100| Total Items'
footer="'Q': Exit  |  Up/Down: Move 1 Line  |  PgUp/PgDn: Move 1 Page  |  %Empty: 99%"

# The row of a bucket: number, count, percentage, filled bar cells; the
# fullest bucket holds 3 words.
bucket_row() {
  local bar='' cell
  for ((cell = 0; cell < 40; cell++)); do
    if ((cell < $4)); then
      bar+=$square
    elif ((cell % 10 == 0)); then
      bar+='|'
    else
      bar+=' '
    fi
  done
  printf '%-9d|%8d |%3d%% [%s]     3' "$1" "$2" "$3" "$bar"
}
empty_row() { bucket_row "$1" 0 0 1; }

# Waits until row $1 shows $2. The page is drawn top to bottom, so waiting
# for its last row means the whole page is there.
wait_for_row() {
  local row=$1 text=$2
  poll_until 5 '[ "$(tmux_row "$row" | sed "s/ *\$//")" = "$text" ]' || fail "row $row never showed [$text]"
}

expect_frame() {
  expect_row 0 "$header"
  expect_row 1 "$rule"
  expect_row 22 "$rule"
  expect_row 23 "$footer"
}

expect_first_page() {
  wait_for_row 21 "$(empty_row 19)"
  expect_frame
  expect_row 2 "$(empty_row 0)"
  expect_row 9 "$(bucket_row 7 1 33 14)"
}

tmux_start_shell "$TMUX_WORKDIR"
tmux_save_stty before
tmux_type "LC_ALL=C.UTF-8 '$binary' -m -n -f words.txt; echo \"status=\$?\""
tmux_keys Enter
expect_first_page

tmux_keys Down
wait_for_row 21 "$(bucket_row 20 1 33 14)"
expect_frame
expect_row 2 "$(empty_row 1)"
expect_row 8 "$(bucket_row 7 1 33 14)"

tmux_keys NPage
wait_for_row 21 "$(empty_row 40)"
expect_frame
expect_row 2 "$(empty_row 21)"
expect_row 14 "$(bucket_row 33 2 66 27)"

tmux_keys PPage
expect_first_page

# Another key, F1 or one with no code of its own (F13) is not q: the view
# stays and still moves.
tmux_type x
tmux_keys F1
tmux_type $'\e[25~'
tmux_keys Down
wait_for_row 21 "$(bucket_row 20 1 33 14)"
expect_row 2 "$(empty_row 1)"
expect_frame

# The footer names Q, and Q leaves as q does.
tmux_type Q
tmux_wait_for "status=0" 5
tmux_expect_stty_as before
echo "1 passed, 0 failed"
