#!/usr/bin/env bash
# Launch to the first mapped main window, and to its first drawn picture, with the game service
# answering and with one that accepts connections and never answers, in pairs within one run
# (the program asks the service for its paths document and reports its start as it opens). A
# window that waits for the service is mapped but stays black. Prints the medians and the median
# of the run-by-run ratios silent / answering; nothing should wait for the silent service.
# usage: bench/silent_service_figures.sh [build folder]   (default build/default)
set -euo pipefail
build=$(realpath "${1:-build/default}")
runs=${RUNS:-7}
service=$build/server/fibwick-service
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

export DISPLAY=:94
Xvfb :94 -screen 0 1600x1200x24 >/dev/null 2>&1 &
sleep 1
openbox >/dev/null 2>&1 &
sleep 1

median() { sort -g | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

mkdir -p "$work/data"
"$service" --listen 127.0.0.1 --port 0 --data "$work/data" --log-level warning \
  >"$work/service.out" 2>/dev/null &
until answering=$(sed -n '1s/^listening on //p' "$work/service.out") && [ -n "$answering" ]; do
  sleep 0.05
done
# The kernel completes the connections in the listening backlog; no one ever reads them.
python3 -c 'import socket, time
s = socket.socket(); s.bind(("127.0.0.1", 0)); s.listen(64)
print("http://127.0.0.1:%d" % s.getsockname()[1], flush=True); time.sleep(1e6)' \
  >"$work/silent.out" &
until silent=$(head -1 "$work/silent.out") && [ -n "$silent" ]; do sleep 0.05; done

fresh_folder() {
  rm -rf "$work/game"; mkdir -p "$work/game"
  cp "$build/fibwick" "$work/game/"
  "$build/tools/clubgen/fibwick-clubgen" "$work/game" >/dev/null
}

since_ms() { echo $(( ($(date +%s%N) - $1) / 1000000 )); }

# Milliseconds from the start of the program at service $1 until its window is mapped, and
# until the window's centre is drawn (no longer black).
launch_ms() {
  local start pid mapped window
  fresh_folder
  start=$(date +%s%N)
  FIBWICK_SERVICE_URL=$1 "$work/game/fibwick" 2>/dev/null &
  pid=$!
  until window=$(xdotool search --onlyvisible --pid $pid 2>/dev/null | head -1) && [ -n "$window" ]; do
    kill -0 $pid 2>/dev/null || { echo "the game ended before its window was mapped" >&2; exit 1; }
    sleep 0.005
  done
  mapped=$(since_ms "$start")
  while import -window "$window" -crop 1x1+400+300 txt:- 2>/dev/null | grep -q '#000000'; do
    sleep 0.01
  done
  echo "$mapped $(since_ms "$start")"
  kill $pid; wait $pid 2>/dev/null || true
}

ratio_of() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
answered=() held=() ratio=() answered_drawn=() held_drawn=() drawn_ratio=()
for run in $(seq "$runs"); do
  read -r mapped drawn < <(launch_ms "$answering")
  answered+=("$mapped") answered_drawn+=("$drawn")
  read -r mapped drawn < <(launch_ms "$silent")
  held+=("$mapped") held_drawn+=("$drawn")
  ratio+=("$(ratio_of "${held[-1]}" "${answered[-1]}")")
  drawn_ratio+=("$(ratio_of "${held_drawn[-1]}" "${answered_drawn[-1]}")")
done
show() { printf '%-52s median %s (runs: %s)\n' "$1" "$(printf '%s\n' "${@:3}" | median)$2" "${*:3}"; }
show "launch to first mapped window, service answers:" " ms" "${answered[@]}"
show "launch to first mapped window, service silent:" " ms" "${held[@]}"
show "launch to mapped, silent / answering, run by run:" "" "${ratio[@]}"
show "launch to first drawn picture, service answers:" " ms" "${answered_drawn[@]}"
show "launch to first drawn picture, service silent:" " ms" "${held_drawn[@]}"
show "launch to drawn, silent / answering, run by run:" "" "${drawn_ratio[@]}"
