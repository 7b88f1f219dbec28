#!/usr/bin/env bash
# Every screen in a real terminal that is resized as people do: shrunk below
# 80x24 (also by a single row, as a status line or a split does) and grown
# back. While too small the pane shows only the request to enlarge it; grown
# back, it shows the screen as it was, row for row. A round's countdown goes
# on meanwhile and the round still takes keys afterwards. A long stay in the
# statistics view survives Ctrl-Z and fg. Takes about 45 seconds.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
. "$(dirname "$0")/tmux_lib.sh"

tmux_write_planet_words
header='Bucket # | # items |  %  |0        25%       50%       75%     100| Total Items'

resize() { t resize-window -t "$TMUX_SESSION" -x "$1" -y "$2"; }
request() { echo "this one is $1."; }

# The pane without row $1 (a countdown that moves on), for comparing.
pane_without_row() { tmux_capture | sed "$(($1 + 1))d"; }

# Shrinks the pane to $1 columns and $2 rows, waits for the request, grows
# it back and waits until the pane equals what it showed before, leaving out
# row $3 where that row may change meanwhile.
shrink_and_grow_back() {
  local columns=$1 rows=$2 moving=${3:-99} before
  before=$(pane_without_row "$moving")
  resize "$columns" "$rows"
  tmux_wait_for "$(request "${columns}x${rows}")"
  # Keys typed now answer the request; they must not reach the screen.
  tmux_type "t"
  resize 80 24
  poll_until 5 '[ "$(pane_without_row "$moving")" = "$before" ]' ||
    fail "after ${columns}x${rows} and back the pane differs from before: $(diff <(echo "$before") <(pane_without_row "$moving"))"
}

tmux_start_shell "$TMUX_WORKDIR"
tmux_save_stty before

tmux_start_to_menu "'$binary' -f words.txt"
tmux_keys Down Left
tmux_wait_for "< 30 seconds >"
tmux_keys Up
tmux_wait_for "-> Play!"
shrink_and_grow_back 70 20
shrink_and_grow_back 80 23
shrink_and_grow_back 79 24
echo "ok: the menu"

tmux_keys Enter
tmux_wait_for "Mangled Text"
time_left() { tmux_row 2 | grep -o 'Time Left: [0-9]*' | grep -o '[0-9]*$'; }
first=$(time_left)
shrink_and_grow_back 70 20 2
sleep 2
shrink_and_grow_back 80 23 2
[ "$(time_left)" -lt "$first" ] || fail "the countdown stood still: $first, then $(time_left)"
letters=$(tmux_row 7 | cut -c74-79)
tmux_type "${letters:0:1}"
poll_until 5 '[ "$(tmux_row 7 | cut -c1)" = "${letters:0:1}" ]' || fail "the round took no key after the resizes"
echo "ok: a round"

tmux_wait_for_end_screen "Press SPACE to continue." 40
shrink_and_grow_back 70 20
shrink_and_grow_back 80 23
tmux_type " "
tmux_wait_for "-> Play!"
tmux_keys Down Down
tmux_wait_for "-> Exit"
tmux_keys Enter
tmux_wait_for_end_screen "Press any key to continue..."
shrink_and_grow_back 70 20
shrink_and_grow_back 80 23
tmux_type "x"
poll_until 5 '[ "$(tmux_pane_flag alternate_on)" = 0 ]' || fail "the goodbye did not end"
echo "ok: the round's end and the goodbye"

tmux_type "'$binary' -m -n -f words.txt"
tmux_keys Enter
tmux_wait_for "$header"
shrink_and_grow_back 70 20
shrink_and_grow_back 80 23
for ((i = 0; i < 6; i++)); do
  tmux_keys -N 100 Down
done
# The last page, once every key has been taken: on a slow build the keys
# are still being read when the first rows of it show.
poll_until 10 '[ "$(tmux_row 2 | cut -c1-9)" = "557      " ]' || fail "row 2 is [$(tmux_row 2)] after the Down keys"
tmux_keys C-z
tmux_wait_for "Stopped"
tmux_type "fg"
tmux_keys Enter
poll_until 5 'tmux_capture | grep -qF -- "$header"' || fail "nothing came back after fg"
expect_row 0 "$header"
[ "$(tmux_row 2 | cut -c1-9)" = "557      " ] || fail "row 2 is [$(tmux_row 2)] after fg"
[ "$(tmux_row 21 | cut -c1-9)" = "576      " ] || fail "row 21 is [$(tmux_row 21)] after fg"
tmux_row 23 | grep -qF "'Q': Exit" || fail "no footer after fg"
tmux_type "q"
poll_until 5 '[ "$(tmux_pane_flag alternate_on)" = 0 ]' || fail "the view did not end"
tmux_expect_stty_as before
echo "ok: the statistics view, resized, and after 600 Down presses, Ctrl-Z and fg"
