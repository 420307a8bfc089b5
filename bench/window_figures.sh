#!/usr/bin/env bash
# Prints the main window's figures beside an empty Qt window of the same toolkit (the floor),
# measured in turns in one run: launch to the first mapped window, the shared libraries mapped
# and the resident memory on the main menu, the CPU of the idle menu over 10 s with its lamps
# running and while minimised; then the memory of a long session (memory_figures.sh).
# Medians of several runs.
# usage: bench/window_figures.sh [build folder]   (default build/default)
set -euo pipefail
build=$(realpath "${1:-build/default}")
runs=${RUNS:-5}
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

export DISPLAY=:93
Xvfb :93 -screen 0 1600x1200x24 >/dev/null 2>&1 &
sleep 1
# A window manager maps and minimises the windows as a desktop does.
openbox >/dev/null 2>&1 &
sleep 1

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

fresh_folder() {
  rm -rf "$work/game"; mkdir -p "$work/game"
  cp "$build/fibwick" "$work/game/"
  "$build/tools/clubgen/fibwick-clubgen" "$work/game" >/dev/null
}

# Starts a program and prints its pid and the milliseconds until its window was mapped.
launch() {
  local start pid
  start=$(date +%s%N)
  "$@" 2>/dev/null &
  pid=$!
  until xdotool search --onlyvisible --pid $pid >/dev/null 2>&1; do
    kill -0 $pid 2>/dev/null || { echo "$1 ended before its window was mapped" >&2; exit 1; }
    sleep 0.005
  done
  echo "$pid $(( ($(date +%s%N) - start) / 1000000 ))"
}

cpu_ticks() { awk '{print $14+$15}' "/proc/$1/stat"; }
# Percent of one core over the next ten seconds.
idle_cpu() {
  local before after
  before=$(cpu_ticks "$1"); sleep 10; after=$(cpu_ticks "$1")
  awk -v d=$((after - before)) -v t="$(getconf CLK_TCK)" 'BEGIN {printf "%.2f", 100 * d / t / 10}'
}
libraries() { grep -o '/[^ ]*\.so[.0-9]*$' "/proc/$1/maps" | sort -u | wc -l; }
resident_mib() { awk '/^VmRSS/ {printf "%.1f", $2 / 1024}' "/proc/$1/status"; }

game=() bare=() ratio=() game_libs=() bare_libs=() game_rss=() bare_rss=() idle=() minimised=()
for run in $(seq $runs); do
  read -r pid ms < <(launch "$build/bench/fibwick-bench-bare-window")
  bare+=("$ms")
  sleep 1
  bare_libs+=("$(libraries $pid)") bare_rss+=("$(resident_mib $pid)")
  kill $pid; wait $pid 2>/dev/null || true

  fresh_folder
  read -r pid ms < <(launch "$work/game/fibwick")
  game+=("$ms")
  ratio+=("$(awk -v a="$ms" -v b="${bare[-1]}" 'BEGIN {printf "%.2f", a / b}')")
  window=$(xdotool search --onlyvisible --pid $pid | head -1)
  sleep 1
  xdotool mousemove --window "$window" 300 300 click 1   # past the intro
  sleep 2
  game_libs+=("$(libraries $pid)") game_rss+=("$(resident_mib $pid)")
  if [ "$run" -le 3 ]; then
    idle+=("$(idle_cpu $pid)")
    xdotool windowminimize "$window"
    sleep 1
    minimised+=("$(idle_cpu $pid)")
  fi
  kill $pid; wait $pid 2>/dev/null || true
done
show() { printf '%-42s median %s (runs: %s)\n' "$1" "$(printf '%s\n' "${@:3}" | median)$2" "${*:3}"; }
show "launch to first mapped window, game:" " ms" "${game[@]}"
show "launch to first mapped window, bare Qt:" " ms" "${bare[@]}"
show "launch, game / bare Qt, run by run:" "" "${ratio[@]}"
show "shared libraries mapped, game menu:" "" "${game_libs[@]}"
show "shared libraries mapped, bare Qt:" "" "${bare_libs[@]}"
show "resident memory, game menu:" " MiB" "${game_rss[@]}"
show "resident memory, bare Qt:" " MiB" "${bare_rss[@]}"
show "idle main menu CPU over 10 s:" " % of one core" "${idle[@]}"
show "minimised main menu CPU over 10 s:" " % of one core" "${minimised[@]}"

"$(dirname "$0")/memory_figures.sh" "$build"
