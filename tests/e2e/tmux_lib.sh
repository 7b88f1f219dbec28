# Helpers for driving the real binary in a real terminal under tmux, as a
# person would: start a shell in a pane (80x24 unless asked), type, read the
# screen.
# Source this file; every session gets a unique name and only that session
# is killed when the script exits.

# The panes are xterm-like terminals whatever the caller runs in (CI may
# have no terminal at all, or TERM=dumb).
TERM=xterm-256color
export TERM
# Nor does a screen reader's setting reach the panes, where it would play
# the game in lines.
unset ACCESSIBLE

TMUX_SESSION="quillop-e2e-$$-$RANDOM"
TMUX_WORKDIR=$(mktemp -d)
# A private tmux server, so tests never touch a user's sessions.
TMUX_SOCKET="$TMUX_WORKDIR/tmux.sock"

tmux_cleanup() {
  tmux -S "$TMUX_SOCKET" kill-session -t "$TMUX_SESSION" 2>/dev/null
  tmux -S "$TMUX_SOCKET" kill-server 2>/dev/null
  rm -rf "$TMUX_WORKDIR"
}
trap tmux_cleanup EXIT

t() { tmux -S "$TMUX_SOCKET" "$@"; }

fail() {
  echo "FAIL: $*" >&2
  echo "--- pane ---" >&2
  t capture-pane -p -t "$TMUX_SESSION" >&2 2>/dev/null
  exit 1
}

# Starts a plain shell in directory $1 (default: here), in a pane of $2
# columns and $3 rows (default: 80x24).
tmux_start_shell() {
  local dir=${1:-$PWD} columns=${2:-80} rows=${3:-24}
  t -f /dev/null new-session -d -s "$TMUX_SESSION" -x "$columns" -y "$rows" -c "$dir" \
    "env -i PATH=$PATH TERM=$TERM HOME=$TMUX_WORKDIR LANG=${LANG:-C.UTF-8} PS1='$ ' bash --norc --noprofile"
  t set-option -t "$TMUX_SESSION" status off >/dev/null
  tmux_wait_for '$' 10
}

tmux_capture() { t capture-pane -p -t "$TMUX_SESSION"; }

# The pane's format variable $1, e.g. cursor_flag (1: the cursor is shown)
# or alternate_on (1: the program's own screen is up).
tmux_pane_flag() { t display-message -p -t "$TMUX_SESSION" "#{$1}"; }

# Row N (0-based) of the visible pane.
tmux_row() { tmux_capture | sed -n "$(($1 + 1))p"; }

# Types literal text.
tmux_type() { t send-keys -t "$TMUX_SESSION" -l -- "$1"; }

# Presses named keys (Enter, Down, PageUp, C-c, ...).
tmux_keys() { t send-keys -t "$TMUX_SESSION" "$@"; }

# Evaluates the shell condition $2 every 50 ms until it holds, for up to $1
# whole seconds; returns whether it held. The condition sees the caller's
# local variables (not its positional parameters).
poll_until() {
  local poll_seconds=$1 poll_condition=$2 poll_tick
  for ((poll_tick = 0; poll_tick < poll_seconds * 20; poll_tick++)); do
    eval "$poll_condition" && return 0
    sleep 0.05
  done
  return 1
}

# Waits until the pane shows the fixed text $1, for up to $2 seconds (default 10).
tmux_wait_for() {
  local text=$1
  poll_until "${2:-10}" 'tmux_capture | grep -qF -- "$text"' || fail "the pane never showed: $text"
}

# As tmux_wait_for, for a screen that ends something (a round's end, the
# goodbye): such a screen lets keys pass unheeded for its first half second,
# so this also waits past that.
tmux_wait_for_end_screen() {
  tmux_wait_for "$@"
  sleep 0.6
}

# Waits until the pane no longer shows the fixed text $1.
tmux_wait_gone() {
  local text=$1
  poll_until "${2:-10}" '! tmux_capture | grep -qF -- "$text"' || fail "the pane still shows: $text"
}

# Runs a command line in the pane's shell and waits for the shell to return,
# then leaves the settings it saw in $TMUX_WORKDIR/stty.$2.
tmux_save_stty() {
  rm -f "$TMUX_WORKDIR/stty.$1"
  tmux_type "stty -g > $TMUX_WORKDIR/stty.$1.tmp && mv $TMUX_WORKDIR/stty.$1.tmp $TMUX_WORKDIR/stty.$1"
  tmux_keys Enter
  local saved=$TMUX_WORKDIR/stty.$1
  poll_until 10 '[ -s "$saved" ]' || fail "the shell did not answer stty"
}

# Fails unless the terminal's settings now equal those saved under $1.
tmux_expect_stty_as() {
  tmux_save_stty after
  cmp -s "$TMUX_WORKDIR/stty.$1" "$TMUX_WORKDIR/stty.after" ||
    fail "terminal settings changed: $(cat "$TMUX_WORKDIR/stty.$1") -> $(cat "$TMUX_WORKDIR/stty.after")"
  rm -f "$TMUX_WORKDIR/stty.after"
}

# Waits for the shell's prompt to end the last line with text, then checks
# the run's exit status.
expect_shell_back_with_success() {
  poll_until 5 '[[ "$(tmux_capture | grep -v "^ *\$" | tail -1 | sed "s/ *\$//")" == *"\$" ]]' ||
    fail "the shell's prompt did not come back"
  tmux_type 'echo "status=$?"'
  tmux_keys Enter
  tmux_wait_for "status=0"
}

# A row holding only a centred text: (79 - length) / 2 blanks, then the text.
centred() { printf '%*s%s' $(((79 - ${#1}) / 2)) '' "$1"; }
# A banner's text row: the frame's sides in columns 0 and 79.
banner_text_row() {
  local line
  line=$(centred "$1")
  printf '|%-78s|' "${line:1}"
}

# Fails unless row $1 of the pane is exactly $2 (trailing blanks ignored).
expect_row() {
  local actual
  actual=$(tmux_row "$1" | sed 's/ *$//')
  [ "$actual" = "$2" ] || fail "row $1 is [$actual], expected [$2]"
}

# Runs command line $1 in the pane under a plain shell that records, the
# moment the command ends, its exit status and the terminal's settings: an
# interactive shell repairs the settings of a job killed by a signal, and
# would hide a program that left them changed. Ctrl-C ends only the command.
tmux_run_recorded() {
  local record=$TMUX_WORKDIR/recorded
  rm -f "$record" "$record".*
  tmux_type "bash -c 'trap : INT; $1; echo \$? > $record.status; stty -g > $record.stty; mv $record.status $record'"
  tmux_keys Enter
}

# Waits for the command of tmux_run_recorded to end; fails unless its exit
# status was $1 and the settings it left equal those saved under $2.
tmux_expect_recorded_end() {
  local record=$TMUX_WORKDIR/recorded
  poll_until 10 '[ -s "$record" ]' || fail "the command did not end"
  [ "$(cat "$record")" = "$1" ] || fail "exit status $(cat "$record"), expected $1"
  cmp -s "$TMUX_WORKDIR/stty.$2" "$record.stty" || fail "settings left as $(cat "$record.stty")"
}

# Fails unless, within a second, the main screen is up with the cursor shown.
# The pane's shell never sends either sequence itself, so what the flags say
# is what the program left.
tmux_expect_main_screen_and_cursor() {
  poll_until 1 '[ "$(tmux_pane_flag alternate_on)$(tmux_pane_flag cursor_flag)" = 01 ]' && return 0
  fail "alternate screen $(tmux_pane_flag alternate_on), cursor shown $(tmux_pane_flag cursor_flag)"
}

# Points the helpers at another session of the same server, named after
# the first one with -$1 added: for a test that plays several games at once.
tmux_use_session() { TMUX_SESSION=${tmux_first_session:=$TMUX_SESSION}-$1; }

# From the menu, with the default time selected as it starts: 30-second
# rounds, then play, until the round shows.
tmux_play_30_second_round() {
  tmux_keys Down Left
  tmux_wait_for "< 30 seconds >"
  tmux_keys Up Enter
  tmux_wait_for "Mangled Text"
}

# Writes the tests' small word list to words.txt in the work folder: its
# only six-letter word is planet.
tmux_write_planet_words() { printf 'planet\nplan\nplane\nant\ntan\n' > "$TMUX_WORKDIR/words.txt"; }

# Runs command line $1 in the pane's shell and waits for the menu, with any
# key past the loading prompt.
tmux_start_to_menu() {
  tmux_type "$1"
  tmux_keys Enter
  tmux_wait_for "Press 'S' to view memory statistics"
  tmux_type "c"
  tmux_wait_for "Play!"
}

# From the menu, with the default time selected as it starts, sets the time
# to 30 seconds and starts a round; fails unless the round shows the letters
# of planet (the only six-letter word of the tests' word lists).
tmux_play_30_second_round_of_planet() {
  tmux_keys Down
  tmux_keys Left
  tmux_wait_for "< 30 seconds >"
  tmux_keys Up
  tmux_wait_for "-> Play!"
  tmux_keys Enter
  tmux_wait_for "Mangled Text"
  local shown
  shown=$(tmux_row 7 | cut -c74-79)
  [ "$(echo "$shown" | fold -w1 | sort | tr -d '\n')" = "aelnpt" ] || fail "letters on show: [$shown]"
}
