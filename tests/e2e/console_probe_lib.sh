# Shared by the console_*_test.sh scripts: runs the console probe in a tmux
# pane and reads its key rows. Source it with the script's arguments
# (BINARY SOURCE_ROOT); the probe is QUILLOP_CONSOLE_PROBE, or the one built
# next to BINARY.

. "$(dirname "${BASH_SOURCE[0]}")/tmux_lib.sh"

PROBE=${QUILLOP_CONSOLE_PROBE:-$(dirname "${1:-.}")/tests/console_probe}
[ -x "$PROBE" ] || { echo "FAIL: no console probe at $PROBE" >&2; exit 1; }
PID_FILE="$TMUX_WORKDIR/probe.pid"
PASSED=0

# The probe's command line, quoted for the pane's shell.
probe_command() { printf '%q --pid-file %q %s' "$PROBE" "$PID_FILE" "$*"; }

# Starts the probe from the pane's shell and waits for its first line.
start_probe() {
  rm -f "$PID_FILE"
  tmux_type "$(probe_command "$@")"
  tmux_keys Enter
  tmux_wait_for "probe ready" 10
}

probe_pid() { cat "$PID_FILE"; }

# Writes a line on the main screen that only its output, not the command
# typed, contains; expect_main_screen looks for it.
mark_main_screen() {
  MARK="main-$((6 * 7))-$1"
  tmux_type "echo main-\$((6 * 7))-$1"
  tmux_keys Enter
  tmux_wait_for "$MARK" 5
}

expect_main_screen() {
  tmux_wait_gone "probe keys" 5
  tmux_wait_for "$MARK" 5
}

# Waits until some row of the pane is exactly $1 (trailing blanks ignored).
wait_for_row() {
  local row=$1
  poll_until 10 'tmux_capture | sed "s/ *\$//" | grep -qxF -- "$row"' || fail "no row reads: $row"
}

# Presses key $1 and waits for the probe to show the codes that follow it.
KEY_COUNT=0
press_expecting() {
  local key=$1 code
  shift
  tmux_keys "$key"
  for code in "$@"; do
    KEY_COUNT=$((KEY_COUNT + 1))
    wait_for_row "$KEY_COUNT key $code"
  done
}

passed() {
  PASSED=$((PASSED + 1))
  echo "ok: $*"
}

report() { echo "$PASSED passed, 0 failed"; }
