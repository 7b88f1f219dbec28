#!/usr/bin/env bash
# Ctrl-C and kill -TERM at random moments of a run, from its start through
# the loading prompt into a round, many times over in several panes at once:
# every time the terminal's settings, read from outside the pane, must be as
# before the run, with the main screen back and the cursor shown. A signal
# that lands while the terminal is being taken or given back is the case
# looked for. QUILLOP_STRESS_TRIES sets the number of runs (default 200).
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
. "$(dirname "$0")/tmux_lib.sh"

tries=${QUILLOP_STRESS_TRIES:-200}
panes=4
tmux_write_planet_words

# The pane runs a plain loop, not an interactive shell, so that nothing but
# the program sets the terminal's modes: it starts the program each time a
# line arrives on the pane's fifo, and notes its pid and its exit status.
start_pane() {
  local dir=$TMUX_WORKDIR/pane$1
  mkdir -p "$dir"
  mkfifo "$dir/go"
  cat >"$dir/loop.sh" <<EOF
trap : INT
while read -r line < '$dir/go'; do
  [ "\$line" = quit ] && exit 0
  ( echo \$BASHPID > '$dir/pid.new'; mv '$dir/pid.new' '$dir/pid'
    XDG_STATE_HOME='$dir/state' exec '$binary' -f '$TMUX_WORKDIR/words.txt' -d )
  echo \$? > '$dir/status.new'; mv '$dir/status.new' '$dir/status'
done
EOF
  tmux_use_session "$1"
  t -f /dev/null new-session -d -s "$TMUX_SESSION" -x 80 -y 24 \
    "env -i PATH=$PATH TERM=$TERM HOME=$TMUX_WORKDIR LANG=C.UTF-8 bash '$dir/loop.sh'"
  poll_until 5 '[ -n "$(t display-message -p -t "$TMUX_SESSION" "#{pane_tty}")" ]' || fail "no pane $1"
}

pane_settings() { stty -F "$(t display-message -p -t "$TMUX_SESSION" '#{pane_tty}')" -g; }

# One run in pane $1, ended after a random 0 to 400 ms from its start by
# Ctrl-C or by kill -TERM; "c" passes the loading prompt on the way.
one_try() {
  local dir=$TMUX_WORKDIR/pane$1 before after pid status
  tmux_use_session "$1"
  before=$(pane_settings)
  rm -f "$dir/pid" "$dir/status"
  echo go >"$dir/go"
  poll_until 5 '[ -s "$dir/pid" ]' || fail "pane $1: the program did not start"
  pid=$(cat "$dir/pid")
  tmux_type c
  sleep "0.$(printf '%03d' $((RANDOM % 400)))"
  if ((RANDOM % 2)); then tmux_keys C-c; else kill -TERM "$pid" 2>/dev/null; fi
  poll_until 5 '[ -s "$dir/status" ]' || fail "pane $1: the program did not end"
  status=$(cat "$dir/status")
  [[ "$status" =~ ^(130|143)$ ]] || fail "pane $1: exit status $status"
  after=$(pane_settings)
  [ "$before" = "$after" ] || fail "pane $1: settings $before -> $after"
  [ "$(tmux_pane_flag alternate_on)$(tmux_pane_flag cursor_flag)" = 01 ] ||
    fail "pane $1: alternate screen $(tmux_pane_flag alternate_on), cursor $(tmux_pane_flag cursor_flag)"
}

# Each pane's share of the runs, played in a background job per pane.
run_pane() {
  local try
  for ((try = $1; try < tries; try += panes)); do one_try "$1" || exit 1; done
  tmux_use_session "$1"
  echo quit >"$TMUX_WORKDIR/pane$1/go"
}

for ((pane = 0; pane < panes; pane++)); do start_pane "$pane"; done
jobs_running=()
for ((pane = 0; pane < panes; pane++)); do
  run_pane "$pane" &
  jobs_running+=($!)
done
failed=0
for job in "${jobs_running[@]}"; do wait "$job" || failed=1; done
[ "$failed" -eq 0 ] || exit 1
echo "$tries runs ended by Ctrl-C or SIGTERM, settings and screen as before: 1 passed, 0 failed"
