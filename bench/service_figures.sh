#!/usr/bin/env bash
# How fast fibwick-service answers beside nginx serving a file of the same size on the same
# machine. Builds nothing: it runs the built service (SQLite, in a temporary data folder) on a
# free port, warms it, then measures with wrk (50 connections, 2 threads, 10 s each):
#   - the statistics read-totals POST and GET /paths against the service,
#   - GET of static files of the same sizes as those two replies against nginx,
# and prints requests/s, the ratio service/nginx, p99 latencies and errors (socket errors and
# non-2xx replies). It also prints the service's resident memory idle and while 1,000 idle
# keep-alive connections are open. Three runs, each with a fresh service and nginx; medians.
# Request logging is set to warnings, so the figures are the serving, not a log file's writes.
# wrk, nginx and the service share the machine's cores: compare ratios, not absolute rates.
# usage: bench/service_figures.sh [build folder]   (default build/default)
set -euo pipefail
build=$(realpath "${1:-build/default}")
service=$build/server/fibwick-service
runs=3 seconds=10 connections=50 threads=2 idle=1000

nginx=$(command -v nginx || echo /usr/sbin/nginx)
for need in "$service" "$nginx" "$(command -v wrk || echo wrk)"; do
  [ -x "$need" ] || { echo "missing $need (build the service; scripts/install-deps)" >&2; exit 1; }
done
ulimit -n "$(ulimit -Hn)" 2>/dev/null || true

work=$(mktemp -d)
chmod 755 "$work"  # nginx's workers read the static files as an unprivileged user
service_pid='' nginx_pid=''
stop() {
  [ -z "$nginx_pid" ] || { kill "$nginx_pid" 2>/dev/null; wait "$nginx_pid" 2>/dev/null || true; }
  [ -z "$service_pid" ] || { kill "$service_pid" 2>/dev/null; wait "$service_pid" 2>/dev/null || true; }
  nginx_pid='' service_pid=''
}
trap 'stop; rm -rf "$work"' EXIT

median() { sort -g | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
free_port() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'; }
rss_kib() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }

cat >"$work/totals.lua" <<'EOF'
wrk.method = "POST"
wrk.body = "gid=22"
wrk.headers["Content-Type"] = "application/x-www-form-urlencoded"
wrk.headers["User-Agent"] = "NuvSpecAccess"
EOF
echo 'wrk.headers["User-Agent"] = "NuvSpecAccess"' >"$work/get.lua"

# Opens N keep-alive connections, asks once on each, prints how many are still open after a
# second's rest, then holds them until its input closes.
cat >"$work/idle.py" <<'EOF'
import resource, socket, sys, time
port, count = int(sys.argv[1]), int(sys.argv[2])
soft, hard = resource.getrlimit(resource.RLIMIT_NOFILE)
resource.setrlimit(resource.RLIMIT_NOFILE, (max(soft, min(hard, count + 100)), hard))
held = []
for _ in range(count):
    s = socket.create_connection(("127.0.0.1", port))
    s.sendall(b"GET /paths HTTP/1.1\r\nHost: 127.0.0.1\r\nUser-Agent: NuvSpecAccess\r\n\r\n")
    held.append(s)
for s in held:
    s.recv(65536)
time.sleep(1)
still = 0
for s in held:
    s.setblocking(False)
    try:
        still += s.recv(1) != b""
    except BlockingIOError:
        still += 1
print(still, flush=True)
sys.stdin.read()
EOF

start_service() {
  rm -rf "$work/data" && mkdir -p "$work/data"
  "$service" --listen 127.0.0.1 --port 0 --data "$work/data" --log-level warning \
    >"$work/service.out" 2>"$work/service.err" &
  service_pid=$!
  for _ in $(seq 100); do
    service_url=$(sed -n '1s/^listening on //p' "$work/service.out")
    [ -n "$service_url" ] && return
    sleep 0.1
  done
  echo "the service did not start:" >&2 && cat "$work/service.err" >&2 && exit 1
}

# Static copies of the service's two replies, byte for byte, served by nginx.
start_nginx() {
  mkdir -p "$work/nginx/logs" "$work/static"
  curl -sf -A NuvSpecAccess -d gid=22 "$service_url/statistics" >"$work/static/totals"
  curl -sf "$service_url/paths" >"$work/static/paths"
  chmod -R a+rX "$work/static"
  nginx_port=$(free_port)
  cat >"$work/nginx/nginx.conf" <<EOF
daemon off;
worker_processes auto;
pid $work/nginx/nginx.pid;
error_log $work/nginx/logs/error.log warn;
events { worker_connections 4096; }
http {
  access_log off;
  default_type text/plain;
  server {
    listen 127.0.0.1:$nginx_port;
    root $work/static;
  }
}
EOF
  "$nginx" -p "$work/nginx" -c "$work/nginx/nginx.conf" -e "$work/nginx/logs/error.log" &
  nginx_pid=$!
  for _ in $(seq 100); do
    curl -sf -o /dev/null "http://127.0.0.1:$nginx_port/paths" && return
    sleep 0.1
  done
  echo "nginx did not start:" >&2 && cat "$work/nginx/logs/error.log" >&2 && exit 1
}

# Prints "requests/s p99-ms errors" of one wrk run.
measure() {
  wrk -t"$threads" -c"$connections" -d"${seconds}s" --latency -s "$1" "$2" | awk '
    function ms(v) { if (v ~ /us$/) return v / 1000; if (v ~ /ms$/) return v + 0;
                     if (v ~ /m$/) return v * 60000; return v * 1000 }
    /^ +99%/ { p99 = ms($2) }
    /^Requests\/sec:/ { rate = $2 }
    /Socket errors:/ { gsub(/,/, ""); errors += $4 + $6 + $8 + $10 }
    /Non-2xx or 3xx responses:/ { errors += $5 }
    END { printf "%.0f %.2f %d\n", rate, p99, errors }'
}

declare -A figures
record() { figures[$1]+="$2"$'\n'; }

# One row: the service at a path, then nginx's static copy of that reply.
pair() {
  local rate p99 errors
  read -r rate p99 errors < <(measure "$2" "$service_url$3")
  record "$1.service.rate" "$rate" && record "$1.service.p99" "$p99"
  record "$1.service.errors" "$errors"
  read -r rate p99 errors < <(measure "$work/get.lua" "http://127.0.0.1:$nginx_port$4")
  record "$1.nginx.rate" "$rate" && record "$1.nginx.p99" "$p99"
  record "$1.nginx.errors" "$errors"
}

for run in $(seq "$runs"); do
  start_service
  curl -sf -A NuvSpecAccess -d 'gid=22&stat1=1&stat2=1' "$service_url/statistics" >/dev/null
  start_nginx
  wrk -t"$threads" -c"$connections" -d2s -s "$work/totals.lua" "$service_url/statistics" >/dev/null
  wrk -t"$threads" -c"$connections" -d2s -s "$work/get.lua" "$service_url/paths" >/dev/null
  record idle "$(rss_kib "$service_pid")"

  pair totals "$work/totals.lua" /statistics /totals
  pair paths "$work/get.lua" /paths /paths

  coproc holder { python3 "$work/idle.py" "${service_url##*:}" "$idle"; }
  read -r still <&"${holder[0]}"
  record busy "$(rss_kib "$service_pid")"
  record still "$still"
  kill "$holder_PID" && wait "$holder_PID" 2>/dev/null || true
  stop
  echo "run $run of $runs done" >&2
done

value() { printf '%s' "${figures[$1]}" | median; }
echo
echo "medians of $runs runs; wrk: $connections connections, $threads threads, ${seconds} s"
printf '%-22s %10s %10s %7s %12s %10s %14s\n' "" "service/s" "nginx/s" "ratio" \
  "service p99" "nginx p99" "errors s/n"
for row in "read totals POST:totals" "GET /paths:paths"; do
  name=${row#*:}
  service_rate=$(value "$name.service.rate") nginx_rate=$(value "$name.nginx.rate")
  printf '%-22s %10.0f %10.0f %7.2f %9.2f ms %7.2f ms %7s/%s\n' "${row%:*}" "$service_rate" \
    "$nginx_rate" "$(awk -v s="$service_rate" -v n="$nginx_rate" 'BEGIN {print n ? s / n : 0}')" \
    "$(value "$name.service.p99")" "$(value "$name.nginx.p99")" \
    "$(value "$name.service.errors")" "$(value "$name.nginx.errors")"
done
printf 'service resident memory: idle %.1f MiB; with %d idle connections %.1f MiB (%s still open)\n' \
  "$(awk -v k="$(value idle)" 'BEGIN {print k / 1024}')" "$idle" \
  "$(awk -v k="$(value busy)" 'BEGIN {print k / 1024}')" "$(value still)"
