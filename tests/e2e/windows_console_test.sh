#!/usr/bin/env bash
# The Windows build on a real console: quillop.exe under Wine, whose console
# host draws into a tmux pane of 80x24. The menu shows, the arrows and Enter
# start a round, typed letters appear, the round ends, the goodbye shows and
# the run ends with status 0, the cursor hidden meanwhile and shown again at
# the end; Ctrl-C in the menu ends the run with the status Windows gives a
# program that Ctrl-C ends. The keys reach the game as on POSIX: S at the
# prompt opens the statistics view and Q leaves it, F1 goes on from the
# prompt and F12 ends the goodbye, and Ctrl-L draws again a screen that
# another program wrote over. The statistics view's bars reach the console
# in colour, and with NO_COLOR set in none. Each time the pane's terminal
# settings are as they were. Only ASCII text is expected, since what Wine's
# console makes of other characters depends on the host's locale (the
# code pages, and the lines to paste on Ctrl-C after a daily game, are
# windows_console_code_pages_test.sh's). Takes about 50 seconds.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
emulator=${QUILLOP_EMULATOR:-wine}
. "$(dirname "$0")/tmux_lib.sh"
. "$(dirname "$0")/wine_console_lib.sh"

# STATUS_CONTROL_C_EXIT (0xC000013A), of which a POSIX parent sees the low byte.
ctrl_c_status=58

printf 'planet\nplan\nplane\nant\ntan\n' >"$TMUX_WORKDIR/words.txt"

run_line="$wine_env $emulator \"$binary\" -f words.txt"

# Starts the program and waits for the menu; the first key a fresh console
# host reads can take seconds under Wine.
start_to_menu() {
  tmux_run_recorded "$run_line"
  tmux_wait_for "Press 'S' to view memory statistics" 30
  tmux_type "c"
  tmux_wait_for "Play!" 30
}

tmux_start_shell "$TMUX_WORKDIR"
tmux_save_stty before

start_to_menu
[ "$(tmux_pane_flag cursor_flag)" = 0 ] || fail "the cursor shows while playing"
tmux_play_30_second_round_of_planet
tmux_type "pl"
poll_until 5 '[ "$(tmux_row 7 | cut -c1-2)" = pl ]' || fail "typed letters not shown: [$(tmux_row 7)]"
tmux_wait_for_end_screen "GAME OVER! The word was: planet" 40
tmux_keys Space
tmux_wait_for "-> Play!"
tmux_keys Down Down
tmux_wait_for "-> Exit"
tmux_keys Enter
tmux_wait_for_end_screen "Thank you for playing Quillop!"
tmux_type "k"
wine_expect_recorded_end 0 before
poll_until 1 '[ "$(tmux_pane_flag cursor_flag)" = 1 ]' || fail "the cursor is still hidden"

start_to_menu
tmux_keys C-c
wine_expect_recorded_end "$ctrl_c_status" before

# Writes over the pane as another program would; Ctrl-L mends the screen.
expect_ctrl_l_mends_the_screen() {
  local before pane_tty
  before=$(tmux_capture)
  pane_tty=$(t display -p -t "$TMUX_SESSION" '#{pane_tty}')
  printf '\033[H\033[2J\033[5;10Hjunk from outside' >"$pane_tty"
  tmux_wait_for "junk from outside"
  tmux_keys C-l
  poll_until 10 '[ "$(tmux_capture)" = "$before" ]' || fail "Ctrl-L did not draw the screen again"
}

# F1 goes on from the prompt; the first key a fresh console host reads can
# take seconds under Wine.
tmux_run_recorded "$run_line"
tmux_wait_for "Press 'S' to view memory statistics" 30
tmux_keys F1
tmux_wait_for "-> Play!" 30
tmux_wait_for "Enter: Select"
expect_ctrl_l_mends_the_screen
tmux_keys Down Down
tmux_wait_for "-> Exit"
tmux_keys Enter
tmux_wait_for_end_screen "Thank you for playing Quillop!"
tmux_keys F12
wine_expect_recorded_end 0 before

# Wine's console host draws each cell's attribute word with SGR sequences,
# which capture-pane -e shows again. With these words every bucket is all
# but empty, so each bar is in the theme's colour for the lowest, cyan: the
# word's foreground bits blue and green, which the host sends as SGR 36.
cyan_bar=$'[\e[36m'
# Any foreground colour of the palette (39, the default colour, is none).
colour_sgr=$'\e\\[([0-9]+;)*(3[0-8]|9[0-7])(;[0-9]+)*m'
# Waits until the statistics view shows its footer and its last bar.
wait_for_statistics_view() {
  tmux_wait_for "'Q': Exit" 30
  poll_until 5 '[[ "$(tmux_row 21)" == "19 "*"["[!\ ]* ]]' || fail "the last bar never showed"
}
# The pane with its SGR sequences.
tmux_capture_sgr() { t capture-pane -e -p -t "$TMUX_SESSION"; }

tmux_run_recorded "$run_line"
tmux_wait_for "Press 'S' to view memory statistics" 30
tmux_type "S"
wait_for_statistics_view
tmux_capture_sgr | grep -qF "$cyan_bar" || fail "the bars are not cyan on the console"
tmux_type "Q"
tmux_wait_for "-> Play!"
tmux_keys Down Down
tmux_wait_for "-> Exit"
tmux_keys Enter
tmux_wait_for_end_screen "Thank you for playing Quillop!"
tmux_type "k"
wine_expect_recorded_end 0 before

# A round in lines: the console's own line input with its echo and
# Backspace, the verdict on the line after the typed word, the end of the
# round asked for, and quitting from the numbered menu.
tmux_run_recorded "$wine_env $emulator \"$binary\" -l -s K7QX2M -f words.txt"
tmux_wait_for "Menu: 1 play" 30
tmux_type 1
tmux_keys Enter
tmux_wait_for "Letters: T E L P A N" 30
tmux_type plax
tmux_keys BSpace
tmux_type n
tmux_keys Enter
tmux_wait_for "Yes: plan, 3 points, score 3." 10
tmux_type /end
tmux_keys Enter
tmux_wait_for "Passed: no, the game is over." 10
tmux_keys Enter
tmux_type 6
tmux_keys Enter
tmux_wait_for "Goodbye: thank you for playing Quillop." 10
wine_expect_recorded_end 0 before

tmux_run_recorded "$wine_env NO_COLOR=1 $emulator \"$binary\" -m -n -f words.txt"
wait_for_statistics_view
! tmux_capture_sgr | grep -qE "$colour_sgr" || fail "colour on the console with NO_COLOR=1"
tmux_type "q"
wine_expect_recorded_end 0 before
echo "6 passed, 0 failed"
