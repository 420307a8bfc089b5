#!/usr/bin/env bash
# Figures of a LAN game between two real programs: each program's resident memory once the game
# is over and both are back on the menu, over several runs. Run from the project after building:
#   bench/lan_figures.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
build=build/default
figures=$(for run in $(seq "$runs"); do
  LAN_FIGURES=1 tests/lan/two_programs.sh "$build/fibwick" "$build/tools/clubgen/fibwick-clubgen" \
    "$build/screenshots" | grep 'resident memory'
done)
echo "$figures"
median() {
  sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'
}
for side in server client; do
  resident=$(echo "$figures" | awk -v s="$side" '$1 == s {print $7}' | median)
  proportional=$(echo "$figures" | awk -v s="$side" '$1 == s {print $10}' | median)
  echo "$side median: resident $resident MiB, proportional $proportional MiB"
done
