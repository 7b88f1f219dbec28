#!/usr/bin/env bash
# Keys pressed in a real terminal reach the program as the codes it expects,
# without echo and without Enter, and the terminal is as before afterwards.
set -u
. "$(dirname "$0")/console_probe_lib.sh"

tmux_start_shell
mark_main_screen keys
tmux_save_stty before
start_probe
tmux_type x
wait_for_row "probe keys, first 120"
passed "full screen after the first key"

press_expecting Up 224 72
press_expecting Down 224 80
press_expecting Left 224 75
press_expecting Right 224 77
press_expecting PageUp 224 73
press_expecting PageDown 224 81
press_expecting Home 224 71
press_expecting End 224 79
press_expecting DC 224 83
press_expecting BSpace 8
press_expecting Enter 13
press_expecting Escape 27
press_expecting a 97
expect_row 1 "1 key 224"
passed "arrows, page and editing keys arrive as their codes, nothing echoed"

press_expecting F1 224 59
press_expecting F5 224 63
press_expecting F12 224 134
press_expecting S-F3 224 61
passed "function keys arrive as their codes, with modifiers too"

tmux_type q
expect_main_screen
tmux_expect_stty_as before
passed "after q the main screen and the terminal settings are back"
report
