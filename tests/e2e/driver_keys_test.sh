#!/usr/bin/env bash
# The keys the screens name work in either case, and any key means any key,
# in a real terminal: S at the start-up prompt opens the statistics view, Q
# and Escape leave it, and F1 at the prompt and at the goodbye counts as a
# key.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
. "$(dirname "$0")/tmux_lib.sh"

tmux_write_planet_words
footer="'Q': Exit"

start() {
  tmux_type "'$binary' $1 -f words.txt"
  tmux_keys Enter
  tmux_wait_for "Press 'S' to view memory statistics"
}

tmux_start_shell "$TMUX_WORKDIR"
tmux_save_stty before

# S opens the view, Q leaves it; with -n the run then ends.
start "-n"
tmux_type "S"
tmux_wait_for "$footer"
tmux_type "Q"
expect_shell_back_with_success

# S, then Escape leaves the view for the menu.
start ""
tmux_type "S"
tmux_wait_for "$footer"
tmux_keys Escape
tmux_wait_for "-> Play!"
tmux_keys Down Down
tmux_wait_for "-> Exit"
tmux_keys Enter
tmux_wait_for_end_screen "Thank you for playing Quillop!"
tmux_keys F1
expect_shell_back_with_success

# F1 at the prompt goes on to the menu.
start ""
tmux_keys F1
tmux_wait_for "-> Play!"
tmux_keys Down Down Enter
tmux_wait_for_end_screen "Thank you for playing Quillop!"
tmux_type "k"
expect_shell_back_with_success
tmux_expect_stty_as before
echo "3 passed, 0 failed"
