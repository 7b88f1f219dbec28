#!/usr/bin/env bash
# The tmux helpers themselves: a shell starts, echoes typed text, and its
# terminal settings can be saved and compared.
set -u
. "$(dirname "$0")/tmux_lib.sh"
tmux_start_shell
tmux_save_stty before
tmux_type "echo hello-$((6 * 7))"
tmux_keys Enter
tmux_wait_for "hello-42" 5
tmux_expect_stty_as before
echo "1 passed, 0 failed"
