# Helpers for the Windows build's tests in a real console under Wine, on top
# of tmux_lib.sh (source that first).

# The panes' shells start with a clean environment: Wine's settings are
# passed on, so the program runs in the same prefix and server as the rest.
wine_env=env
for name in WINEPREFIX WINEDEBUG WINEDLLOVERRIDES; do
  [ -z "${!name:-}" ] || wine_env+=" $name=\"${!name}\""
done

# Fails unless, within five seconds, the terminal's settings are as saved
# under $1. Wine's console host, a process of its own, sets the terminal's
# modes for the program and puts them back as it ends, a moment after the
# program: on a loaded machine the shell that ran it can look before that.
wine_expect_settings_back() {
  local try
  for try in 1 2 3 4 5; do
    tmux_save_stty now
    cmp -s "$TMUX_WORKDIR/stty.$1" "$TMUX_WORKDIR/stty.now" && return 0
    sleep 1
  done
  fail "settings left as $(cat "$TMUX_WORKDIR/stty.now")"
}

# As tmux_expect_recorded_end, for a command run under Wine: its exit status
# was $1, and the settings saved under $2 are back (see above).
wine_expect_recorded_end() {
  local record=$TMUX_WORKDIR/recorded
  poll_until 10 '[ -s "$record" ]' || fail "the command did not end"
  [ "$(cat "$record")" = "$1" ] || fail "exit status $(cat "$record"), expected $1"
  cmp -s "$TMUX_WORKDIR/stty.$2" "$record.stty" || wine_expect_settings_back "$2"
}
