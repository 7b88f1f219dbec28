#!/usr/bin/env bash
# Start-up in a real terminal: the statistics prompt shows and waits for a
# key; answering it, or pressing Ctrl-C at it, returns to the shell with the
# terminal's settings as they were before the run.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
. "$(dirname "$0")/tmux_lib.sh"

version=$(sed -n 's/^project(quillop VERSION \([0-9.]*\).*/\1/p' "$2/CMakeLists.txt")
words=$TMUX_WORKDIR/words.txt
printf 'cat\nplanet\n' >"$words"
prompt="Press 'S' to view memory statistics, or any other key to continue..."

# Runs quillop -n on the small dictionary from a cleared pane, so its lines
# stand at the top, and waits for the prompt.
start_quillop() {
  tmux_type "clear; $binary -n -f $words"
  tmux_keys Enter
  tmux_wait_for "$prompt"
  expect_row 0 "Quillop - a timed anagram word game"
  expect_row 1 "Version $version"
  expect_row 3 "Loading alternate dictionary: $words"
  expect_row 4 "Loading and hashing... DONE!"
  expect_row 5 "$prompt"
}

# Waits until the shell's prompt is the last line on the pane, then asks the
# shell for the run's exit status and fails unless it is $1.
expect_shell_back_with_status() {
  poll_until 10 '[ "$(tmux_capture | grep -v "^ *\$" | tail -1)" = "\$" ]' ||
    fail "the shell's prompt did not come back"
  tmux_type 'echo "status=$?"'
  tmux_keys Enter
  tmux_wait_for "status=$1"
}

tmux_start_shell "$TMUX_WORKDIR"
tmux_save_stty before

# Enter is a key like any other here: it goes on without the statistics view.
start_quillop
tmux_keys Enter
expect_shell_back_with_status 0
tmux_expect_stty_as before

start_quillop
tmux_keys C-c
expect_shell_back_with_status 130
tmux_expect_stty_as before

echo "2 passed, 0 failed"
