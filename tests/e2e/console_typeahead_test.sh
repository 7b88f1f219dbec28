#!/usr/bin/env bash
# Keys typed while the program is busy, before it first reads a key, are
# read later and in order, not thrown away when it takes the keyboard.
set -u
. "$(dirname "$0")/console_probe_lib.sh"

tmux_start_shell
mark_main_screen typeahead
tmux_save_stty before
start_probe --delay 1500
tmux_type xyz
tmux_keys Up
wait_for_row "probe keys, first 120"
wait_for_row "1 key 121"
wait_for_row "2 key 122"
wait_for_row "3 key 224"
wait_for_row "4 key 72"
passed "keys typed ahead are read in order"

tmux_type q
expect_main_screen
tmux_expect_stty_as before
passed "the terminal settings are back"
report
