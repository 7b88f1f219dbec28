#!/usr/bin/env bash
# Processor use of a round in which nobody types: the game is driven through
# a pipe that stays open to a 30-second round, and the process's own CPU time
# (user + system, from /proc) is sampled over the round's middle.
# Usage: bench/round_cpu.sh [path/to/quillop]   (run by hand, not a test)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
binary=${1:-$here/../build/default/quillop}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf 'planet\nplan\nant\n' > "$work/words.txt"
up=$'\e[A' down=$'\e[B' left=$'\e[D'
# Any key past the statistics prompt; in the menu Down, Left (30-second
# rounds), Up, Enter on Play!; then nothing until the pipe closes, after
# the round.
{ printf 'c%s%s%s\r' "$down" "$left" "$up"; sleep 40; } | "$binary" -f "$work/words.txt" > "$work/screen" &
pid=$!

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
window=25
sleep 2
start_ticks=$(cpu_ticks)
start_ns=$(date +%s%N)
sleep "$window"
end_ticks=$(cpu_ticks)
end_ns=$(date +%s%N)
grep -q "Time Left: 30" "$work/screen" || { echo "the round never started" >&2; exit 1; }
# The round ends, the end-of-round wait meets the closed pipe and the run ends.
wait "$pid" || true

awk -v ticks=$((end_ticks - start_ticks)) -v hz="$(getconf CLK_TCK)" -v ns=$((end_ns - start_ns)) 'BEGIN {
  share = 100 * (ticks / hz) / (ns / 1e9)
  printf "round CPU use: %.2f%% of one core over %.1f s (target: under 1%%)\n", share, ns / 1e9
  exit share < 1 ? 0 : 1
}'
