#!/usr/bin/env bash
# Two real fibwick programs, each in its own program folder and on its own X display, play a LAN
# game over 127.0.0.1: the server and the client are each played by the computer's stand-in.
# Passes when both club files hold the finished game; leaves screenshots of both windows.
# Usage: two_programs.sh FIBWICK_BINARY CLUBGEN SCREENSHOT_FOLDER
# With LAN_FIGURES=1 it also prints each program's memory once the game is over: resident (shared
# libraries counted whole) and proportional (shared pages split among the processes using them).
set -euo pipefail
binary=$1 clubgen=$2 shots=$3
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$shots"

# A virtual display of its own for one side; Xvfb picks a free number and tells it.
start_display() {
  local side=$1
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display.$side" >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do [[ -s $work/display.$side ]] && break; sleep 0.05; done
  display[$side]=$(tr -d '\n' <"$work/display.$side")
}

# Games played by the member `name` in the network club file of `folder`; 0 while not there.
games_of() {
  local folder=$1 name=$2
  python3 - "$folder/Fibwick.net" "$name" <<'PY'
import sys
path, name = sys.argv[1], sys.argv[2]
lines = open(path, encoding="cp1251").read().splitlines()
for line in lines[:5]:
    if line[:20].rstrip() == name:
        print(int(line[30:37]))
        break
else:
    print(0)
PY
}

port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
for side in server client; do
  mkdir -p "$work/$side"
  cp "$binary" "$work/$side/fibwick"
  "$clubgen" "$work/$side" >/dev/null
done

declare -A program display
run_side() {
  local side=$1 display=$2 lan=$3
  (cd "$work/$side" && DISPLAY=":$display" QT_QPA_PLATFORM=xcb FIBWICK_STAND_IN=1 FIBWICK_LAN="$lan" \
    FIBWICK_SCREENSHOTS="$shots" FIBWICK_SERVICE_URL=http://127.0.0.1:1 PULSE_SERVER=/nonexistent \
    exec ./fibwick >"$work/$side.log" 2>&1) &
  pids+=($!)
  program[$side]=$!
}

start_display server
run_side server "${display[server]}" "server $port Sam"
start_display client
# The client may knock before the server listens: a refused connection is simply retried here.
for attempt in $(seq 20); do
  if python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 1).close()" 2>/dev/null; then
    break
  fi
  sleep 0.5
done
run_side client "${display[client]}" "client 127.0.0.1 $port Cleo"

for _ in $(seq 240); do
  if [[ $(games_of "$work/server" Sam) -ge 1 && $(games_of "$work/client" Cleo) -ge 1 ]]; then
    break
  fi
  sleep 0.5
done
if [[ -n ${LAN_FIGURES:-} ]]; then
  for side in server client; do
    echo "$side resident memory after the game: $(awk '/^Rss:/ {printf "%.1f MiB", $2 / 1024}' "/proc/${program[$side]}/smaps_rollup")" \
      "proportional $(awk '/^Pss:/ {printf "%.1f MiB", $2 / 1024}' "/proc/${program[$side]}/smaps_rollup")"
  done
fi
for side in server client; do
  import -display ":${display[$side]}" -window root "$shots/lan-$side-menu.png"
done

status=0
for side_name in "server Sam" "client Cleo"; do
  set -- $side_name
  games=$(games_of "$work/$1" "$2")
  if [[ $games -ne 1 ]]; then
    echo "the $1 recorded $games games, not 1"
    cat "$work/$1.log"
    status=1
  fi
  if [[ ! -s "$shots/stand-in-$1.png" ]]; then
    echo "the $1 left no picture of the ended game"
    status=1
  fi
done
exit $status
