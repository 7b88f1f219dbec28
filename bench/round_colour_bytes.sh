#!/usr/bin/env bash
# What colour costs on the wire: the bytes the program writes in a round with
# --color=always and with --color=never, the same keys typed at the same
# moments, both runs at once. The program is driven through a pipe, so its
# output is what a terminal would receive (the presenter's updates).
# The menu's bytes, measured alone, are taken off, leaving the round's.
# Usage: bench/round_colour_bytes.sh [path/to/quillop] [seconds] [word gap] [key gap]
#   seconds:  how long the round is measured from its start (default 20);
#             30 takes in the last ten seconds of a 30-second round
#   word gap: seconds between two words (default 2)
#   key gap:  seconds between two keys of a word, as a person types
#             (default 0.2); 0 sends each word at once
# (run by hand, not a test)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
binary=${1:-$here/../build/default/quillop}
seconds=${2:-20}
gap=${3:-2}
key_gap=${4:-0.2}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf '%s\n' planet plan plane plate ant tan lap nap pal pen ten net pan > "$work/words.txt"
down=$'\e[B' left=$'\e[D' up=$'\e[A'
# Past the statistics prompt; in the menu Down, Left (30-second rounds), Up.
menu_keys="c$down$left$up"
# Words taken and refused, a reshuffle, a word typed and rubbed out.
bursts=(ant pla tan plane xq lap plan " " planet pen "pl"$'\b\b' net pan nap ten)

# type WORD: its keys and Enter, key_gap apart.
type_word() {
  local keys=$1$'\r' k
  if [ "$key_gap" = 0 ]; then
    printf '%s' "$keys"
    return
  fi
  for ((k = 0; k < ${#keys}; k++)); do
    printf '%s' "${keys:k:1}"
    sleep "$key_gap"
  done
}

typed_round() {
  printf '%s' "$menu_keys"$'\r'
  local start=$SECONDS i=0
  sleep 1
  while ((SECONDS - start < seconds - 1)); do
    type_word "${bursts[i % ${#bursts[@]}]}"
    i=$((i + 1))
    sleep "$gap"
  done
  local rest=$((seconds - (SECONDS - start)))
  if ((rest > 0)); then sleep "$rest"; fi
}

run() { "$binary" --color="$1" -f "$work/words.txt"; }

printf '%s' "$menu_keys" | run always >"$work/menu.always"
printf '%s' "$menu_keys" | run never >"$work/menu.never"
typed_round | run always >"$work/round.always" &
typed_round | run never >"$work/round.never" &
wait

for when in always never; do
  menu=$(wc -c <"$work/menu.$when")
  total=$(wc -c <"$work/round.$when")
  echo "$when $((total - menu))"
done | awk -v seconds="$seconds" '
  { bytes[$1] = $2 }
  END {
    printf "colour on:  %d bytes in %d s of a round, %.1f bytes/s\n", bytes["always"], seconds, bytes["always"] / seconds
    printf "colour off: %d bytes in %d s of a round, %.1f bytes/s\n", bytes["never"], seconds, bytes["never"] / seconds
    printf "colour costs %+.1f%%\n", 100 * (bytes["always"] - bytes["never"]) / bytes["never"]
  }'
