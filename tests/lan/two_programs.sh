#!/usr/bin/env bash
# Two real fibwick programs, each in its own program folder and on its own X display, play a LAN
# game over 127.0.0.1: the server and the client are each played by the computer's stand-in.
# Passes when both club files hold the finished game; leaves screenshots of both windows.
# Usage: two_programs.sh FIBWICK_BINARY CLUBGEN SCREENSHOT_FOLDER
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

free_display() {
  local n
  for n in $(seq 70 99); do
    if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then echo "$n"; return; fi
  done
  return 1
}

start_display() {
  local n
  n=$(free_display)
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do [[ -e /tmp/.X11-unix/X$n ]] && break; sleep 0.05; done
  echo "$n"
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

run_side() {
  local side=$1 display=$2 lan=$3
  (cd "$work/$side" && DISPLAY=":$display" QT_QPA_PLATFORM=xcb FIBWICK_STAND_IN=1 FIBWICK_LAN="$lan" \
    FIBWICK_SCREENSHOTS="$shots" FIBWICK_SERVICE_URL=http://127.0.0.1:1 PULSE_SERVER=/nonexistent \
    ./fibwick >"$work/$side.log" 2>&1) &
  pids+=($!)
}

server_display=$(start_display)
run_side server "$server_display" "server $port Sam"
client_display=$(start_display)
# The client may knock before the server listens: a refused connection is simply retried here.
for attempt in $(seq 20); do
  if python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 1).close()" 2>/dev/null; then
    break
  fi
  sleep 0.5
done
run_side client "$client_display" "client 127.0.0.1 $port Cleo"

for _ in $(seq 240); do
  if [[ $(games_of "$work/server" Sam) -ge 1 && $(games_of "$work/client" Cleo) -ge 1 ]]; then
    break
  fi
  sleep 0.5
done
import -display ":$server_display" -window root "$shots/lan-server-menu.png"
import -display ":$client_display" -window root "$shots/lan-client-menu.png"

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
