#!/usr/bin/env bash
# The Windows build on a real console under each output code page whose
# bar cells differ, and a daily game's lines to paste on the ways out: four
# runs of quillop.exe under Wine at once, each in its own tmux pane of 80x24
# and its own state folder, each playing one 60-second daily round in which
# two of its five words are found.
# - Under code pages 437 and 65001 the statistics view's bars and the lines
#   to paste show the filled and the empty square; under 932, # and dots.
#   No pane ever shows the square's UTF-8 bytes read in the code page ("Γûá"
#   under 437) or the replacement character.
# - Ctrl-C on the title screen after the daily game (437, 932) puts the
#   console back and writes the lines to paste once; so does the normal end
#   (65001), after which chcp says which code page was in force.
# - Output redirected to a file, keys from the console: Ctrl-C on the title
#   screen ends the run with the status Windows gives a program that Ctrl-C
#   ends, the terminal's settings as they were, and the lines to paste in
#   UTF-8 at the file's end, on a line of their own.
# cmd's chcp sets the console's code page; cmd also sets the state folder,
# since Wine sets LOCALAPPDATA itself whatever the environment says. Wine
# quotes the command line it hands to cmd, so it holds no quotes of its own:
# the paths have no blanks. Takes about 70 seconds, most of it the round.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
emulator=${QUILLOP_EMULATOR:-wine}
. "$(dirname "$0")/tmux_lib.sh"
. "$(dirname "$0")/wine_console_lib.sh"
# The panes' shells write their history as the server goes: the folder is
# removed once they have.
trap 'tmux_cleanup 2>/dev/null; sleep 0.5; rm -rf "$TMUX_WORKDIR"' EXIT

# STATUS_CONTROL_C_EXIT (0xC000013A), of which a POSIX parent sees the low byte.
ctrl_c_status=58
printf 'planet\nplan\nplane\nant\ntan\n' >"$TMUX_WORKDIR/words.txt"

windows_binary=$(winepath -w "$binary")
windows_workdir=$(winepath -w "$TMUX_WORKDIR")

# The square's UTF-8 bytes as code page 437 shows them, and U+FFFD.
mojibake='Γûá|�'
filled_bar='■■■■□□□□□□'
hash_bar='####......'

# Runs command line $1 in the current pane through a script that records
# its exit status under the pane's name $2 (as tmux_run_recorded, one record
# per pane). Ctrl-C ends only the command.
run_recorded() {
  local record=$TMUX_WORKDIR/recorded.$2
  printf "trap : INT\n%s\necho \$? > %s.status\nmv %s.status %s\n" \
    "$1" "$record" "$record" "$record" >"$TMUX_WORKDIR/run.$2.sh"
  tmux_type "bash run.$2.sh"
  tmux_keys Enter
}

# Fails unless the command of run_recorded for pane $2 ended with status $1
# and the terminal's settings are back as they were before it. (After
# Ctrl-C through cmd, neither cmd's status nor the settings say anything of
# the program: cmd takes Ctrl-C too, and Wine's console host can be seen to
# leave the terminal's modes as it set them, the old way out too.)
expect_recorded_end() {
  local record=$TMUX_WORKDIR/recorded.$2
  poll_until 10 '[ -s "$record" ]' || fail "$2: the command did not end"
  [ "$(cat "$record")" = "$1" ] || fail "$2: exit status $(cat "$record"), expected $1"
  wine_expect_settings_back "$2"
}

# The daily game under code page $1, run by cmd in pane cp$1; the
# statistics view shows first.
start_under_code_page() {
  tmux_use_session "cp$1"
  tmux_start_shell "$TMUX_WORKDIR"
  tmux_save_stty "cp$1"
  run_recorded "$wine_env $emulator cmd /c 'set LOCALAPPDATA=$windows_workdir\\state-$1& chcp $1 >nul& $windows_binary -m -d -f words.txt& chcp'" "cp$1"
}

start_redirected() {
  tmux_use_session file
  tmux_start_shell "$TMUX_WORKDIR"
  tmux_save_stty file
  run_recorded "$wine_env $emulator \"$binary\" -d -f words.txt > out.txt" file
}

# Checks the bars of the statistics view in the current pane, then leaves
# it for the round; the first key a fresh console host reads can take
# seconds under Wine, so Q is pressed until the round shows.
check_statistics_then_play() {
  tmux_wait_for "'Q': Exit" 30
  poll_until 5 '[[ "$(tmux_row 21)" == "19 "*"["[!\ ]* ]]' || fail "the last bar never showed"
  [[ "$(tmux_row 2)" == "0 "*"[$1 "* ]] || fail "bar cell not $1: [$(tmux_row 2)]"
  ! tmux_capture | grep -qE "$mojibake" || fail "mojibake in the statistics view"
  poll_until 30 'tmux_type Q; sleep 0.5; tmux_capture | grep -qF "Time Left"' || fail "the round never began"
}

# Finds plan and ant in the current pane's round.
find_two_words() {
  tmux_type plan
  tmux_keys Enter
  tmux_wait_for "plan: +" 10
  tmux_type ant
  tmux_keys Enter
  tmux_wait_for "ant: +" 10
}

# From the round's end to the title screen.
back_to_title() {
  tmux_wait_for_end_screen "GAME OVER! The word was: planet" 80
  tmux_keys Space
  tmux_wait_for "-> Play!" 10
}

# Fails unless the current pane shows the lines to paste once, with bar $1.
# The game's last screen stays up around them: Wine's console does not
# repaint the user's screen, so each line is followed by what was there,
# and the first may follow the shell's prompt, where the console's cursor
# was when it started.
expect_lines_to_paste() {
  poll_until 10 'tmux_capture | grep -q "Round 1  "' || fail "no lines to paste"
  [ "$(tmux_capture | grep -c "Quillop daily ")" = 1 ] || fail "the lines to paste not written once"
  local lines
  lines=$(tmux_capture | grep -A2 "Quillop daily " | sed -E 's/^.*(Quillop daily |Score [0-9]|Round 1  )/\1/')
  [[ "$lines" =~ ^"Quillop daily "[0-9-]+", game code "[0-9A-Z]{6}.*$'\n'"Score 4 in 1 round".*$'\n'"Round 1  $1  2/5" ]] ||
    fail "lines to paste: $lines"
  ! tmux_capture | grep -qE "$mojibake" || fail "mojibake on the console"
}

for code_page in 437 65001 932; do start_under_code_page $code_page; done
start_redirected

tmux_use_session cp437 && check_statistics_then_play ■ && find_two_words
tmux_use_session cp65001 && check_statistics_then_play ■ && find_two_words
tmux_use_session cp932 && check_statistics_then_play '#' && find_two_words
tmux_use_session file
out=$TMUX_WORKDIR/out.txt
poll_until 30 'grep -qF "Press '"'S'"'" "$out"' || fail "no statistics prompt in the file"
poll_until 30 'tmux_type c; sleep 0.5; grep -qF "Time Left" "$out"' || fail "the round never began"

tmux_use_session cp437 && back_to_title && tmux_keys C-c
tmux_use_session cp932 && back_to_title && tmux_keys C-c
tmux_use_session cp65001 && back_to_title
tmux_keys Down Down
tmux_wait_for "-> Exit"
tmux_keys Enter
tmux_wait_for_end_screen "Thank you for playing Quillop!"
tmux_type k
tmux_use_session file
poll_until 20 'grep -qF "GAME OVER!" "$out"' || fail "the round never ended in the file"
sleep 0.6
tmux_keys Space
poll_until 10 'grep -qF -- "-> Play!" "$out"' || fail "no title screen in the file"
tmux_keys C-c

tmux_use_session cp437 && expect_lines_to_paste "$filled_bar"
tmux_use_session cp932 && expect_lines_to_paste "$hash_bar"
tmux_use_session cp65001 && expect_lines_to_paste "$filled_bar"
expect_recorded_end 0 cp65001
tmux_wait_for "Active code page: 65001"
tmux_use_session file
expect_recorded_end "$ctrl_c_status" file
lines=$(tail -n 3 "$out")
[[ "$lines" =~ ^"Quillop daily "[0-9-]+", game code "[0-9A-Z]{6}$'\n'"Score 0 in 1 round"$'\n'"Round 1  □□□□□□□□□□  0/5"$ ]] ||
  fail "the file ends with: $lines"
[ "$(grep -c "^Quillop daily " "$out")" = 1 ] || fail "the lines to paste not once in the file"
echo "4 passed, 0 failed"
