#!/usr/bin/env bash
# Plays the computer against itself: 20 seeded matches per pairing of
# strengths, each strength on either side in turn, and prints who won how
# often. Usage: scripts/tournament.sh [classic|caa] [matches per pairing]
# Needs the built game (build/kestrelfall) and an X display (run under
# xvfb-run where there is none): the pictures load, no window opens.
set -euo pipefail
cd "$(dirname "$0")/../run"
mode=${1:-classic}
matches=${2:-20}
game=../${BUILD_DIR:-build}/kestrelfall
pairings=("hard easy" "normal easy" "hard normal")
printf '%-16s %6s %6s %6s %8s\n' "pairing ($mode)" first second both "first %"
for pairing in "${pairings[@]}"; do
  read -r a b <<<"$pairing"
  won=0 lost=0 both=0
  for ((seed = 1; seed <= matches; ++seed)); do
    # Odd seeds: the first strength plays P1; even seeds: P2.
    if ((seed % 2)); then side=P1; line=$("$game" --fight "$mode" --cpu1 "$a" --cpu2 "$b" --seed "$seed" --headless)
    else side=P2; line=$("$game" --fight "$mode" --cpu1 "$b" --cpu2 "$a" --seed "$seed" --headless); fi
    winner=$(awk '{print $2}' <<<"$line")
    if [[ $winner == both ]]; then both=$((both + 1))
    elif [[ $winner == "$side" ]]; then won=$((won + 1))
    else lost=$((lost + 1)); fi
  done
  printf '%-16s %6d %6d %6d %7d%%\n' "$a vs $b" "$won" "$lost" "$both" $((100 * won / matches))
done
