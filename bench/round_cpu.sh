#!/usr/bin/env bash
# Processor use of the program while nobody types: in a round, in the menu,
# or in the statistics view. The program is driven through a pipe that stays
# open, and the process's own CPU time (user + system, from /proc) is sampled
# over 25 seconds of the chosen screen.
# Usage: bench/round_cpu.sh [path/to/quillop] [round|menu|stats]
# (run by hand, not a test)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
binary=${1:-$here/../build/default/quillop}
screen=${2:-round}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf 'planet\nplan\nant\n' > "$work/words.txt"
up=$'\e[A' down=$'\e[B' left=$'\e[D'
# round: any key past the statistics prompt; in the menu Down, Left
# (30-second rounds), Up, Enter on Play!. menu: any key past the prompt.
# stats: s at the prompt. Then nothing until the pipe closes.
case $screen in
  round) keys="c$down$left$up"$'\r' shown="Time Left: 30" limit=1 ;;
  menu) keys="c" shown="Play!" limit=0.1 ;;
  stats) keys="s" shown="Total Items" limit=0.1 ;;
  *) echo "usage: $0 [binary] [round|menu|stats]" >&2; exit 2 ;;
esac
{ printf '%s' "$keys"; sleep 32; } | "$binary" -f "$work/words.txt" > "$work/screen" &
pid=$!

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
window=25
sleep 2
start_ticks=$(cpu_ticks)
start_ns=$(date +%s%N)
sleep "$window"
end_ticks=$(cpu_ticks)
end_ns=$(date +%s%N)
grep -q "$shown" "$work/screen" || { echo "the $screen screen never showed" >&2; exit 1; }
# The pipe closes and the run ends at the next key read.
wait "$pid" || true

awk -v ticks=$((end_ticks - start_ticks)) -v hz="$(getconf CLK_TCK)" -v ns=$((end_ns - start_ns)) \
  -v screen="$screen" -v limit="$limit" 'BEGIN {
  share = 100 * (ticks / hz) / (ns / 1e9)
  printf "%s CPU use while idle: %.2f%% of one core over %.1f s (target: under %s%%)\n", screen, share, ns / 1e9, limit
  exit share < limit ? 0 : 1
}'
