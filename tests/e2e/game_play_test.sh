#!/usr/bin/env bash
# A whole game in a real terminal, played as a person would: pick 30-second
# rounds in the menu, read the letters off the screen, pass round 1 with the
# only six-letter word, lose round 2, check the scores in the menu, exit,
# and find the terminal's settings as they were. Takes about 65 seconds.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
. "$(dirname "$0")/tmux_lib.sh"

tmux_write_planet_words

tmux_start_shell "$TMUX_WORKDIR"
tmux_save_stty before
tmux_start_to_menu "'$binary' -f words.txt"
tmux_play_30_second_round_of_planet
expect_row 22 "$(banner_text_row "You need a 6 letter word to go to the next round.")"
tmux_type "planet"
tmux_keys Enter
tmux_wait_for "Your Score: 10"
expect_row 19 "  planet"
expect_row 22 "$(banner_text_row "You got a 6 letter word!")"

tmux_wait_for_end_screen "You go to the next round!" 40
expect_row 22 "$(banner_text_row "Press SPACE to continue.")"
tmux_keys Space
tmux_wait_for "You need a 6 letter word"
expect_row 19 ""
tmux_wait_for_end_screen "GAME OVER! The word was: planet" 40
expect_row 2 "$(banner_text_row "GAME OVER! The word was: planet")"
tmux_keys Space

tmux_wait_for "High Score: 10"
expect_row 5 "$(centred "High Score: 10")"
expect_row 6 "$(centred "Your Score: 10")"
tmux_keys Down Down
tmux_wait_for "-> Exit"
tmux_keys Enter
tmux_wait_for_end_screen "Thank you for playing Quillop!"
expect_row 0 "Thank you for playing Quillop!"
expect_row 2 "Press any key to continue..."
tmux_type "k"
expect_shell_back_with_success
tmux_expect_stty_as before
echo "1 passed, 0 failed"
