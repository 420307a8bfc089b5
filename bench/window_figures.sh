#!/usr/bin/env bash
# Prints the main window's figures: launch to the first mapped window, CPU of the idle main menu
# over 10 s, and resident memory on the menu and after matches. Medians of several runs.
# usage: bench/window_figures.sh [build folder]   (default build/default)
set -euo pipefail
build=$(realpath "${1:-build/default}")
runs=5
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

export DISPLAY=:93
Xvfb :93 -screen 0 1600x1200x24 >/dev/null 2>&1 &
sleep 1

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

fresh_folder() {
  rm -rf "$work/game"; mkdir -p "$work/game"
  cp "$build/fibwick" "$work/game/"
  "$build/tools/clubgen/fibwick-clubgen" "$work/game" >/dev/null
}

launch=()
for _ in $(seq $runs); do
  fresh_folder
  start=$(date +%s%N)
  "$work/game/fibwick" 2>/dev/null &
  pid=$!
  until xdotool search --onlyvisible --pid $pid >/dev/null 2>&1; do
    kill -0 $pid 2>/dev/null || { echo "the game ended before its window was mapped" >&2; exit 1; }
    sleep 0.005
  done
  launch+=($(( ($(date +%s%N) - start) / 1000000 )))
  kill $pid; wait $pid 2>/dev/null || true
done
echo "launch to first mapped window: median $(printf '%s\n' "${launch[@]}" | median) ms (runs: ${launch[*]})"

idle=()
ticks=$(getconf CLK_TCK)
for _ in $(seq 3); do
  fresh_folder
  "$work/game/fibwick" 2>/dev/null &
  pid=$!
  until window=$(xdotool search --onlyvisible --pid $pid 2>/dev/null | head -1); [ -n "$window" ]; do
    kill -0 $pid 2>/dev/null || { echo "the game ended before its window was mapped" >&2; exit 1; }
    sleep 0.05
  done
  sleep 1
  xdotool mousemove --window "$window" 300 300 click 1   # past the intro
  sleep 2
  before=$(awk '{print $14+$15}' /proc/$pid/stat)
  sleep 10
  after=$(awk '{print $14+$15}' /proc/$pid/stat)
  idle+=($(awk -v d=$((after - before)) -v t="$ticks" 'BEGIN {printf "%.2f", 100 * d / t / 10}'))
  kill $pid; wait $pid 2>/dev/null || true
done
echo "idle main menu CPU over 10 s: median $(printf '%s\n' "${idle[@]}" | median) % of one core (runs: ${idle[*]})"

"$(dirname "$0")/memory_figures.sh" "$build"
