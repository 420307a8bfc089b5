#!/usr/bin/env bash
# Prints the resident memory of the small window on the main menu, after one match and after
# ten matches in one process (the long-session test, on an X display). Medians of several runs.
# usage: bench/memory_figures.sh [build folder]   (default build/default)
set -euo pipefail
build=$(realpath "${1:-build/default}")
runs=5

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

menu=() one=() ten=()
for _ in $(seq $runs); do
  read -r -a figures < <(FIBWICK_REPORT_RSS=1 QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1600x1000x24" "$build/tests/app/app_tests" \
    --gtest_filter='LongSession.*' 2>/dev/null | sed -n 's/^resident MiB on the menu and after each match: //p')
  menu+=("${figures[0]}") one+=("${figures[1]}") ten+=("${figures[10]}")
done
for row in "on the menu:menu" "after 1 match:one" "after 10 matches:ten"; do
  declare -n values=${row#*:}
  printf 'resident memory %-17s median %.1f MiB (runs: %s)\n' "${row%:*}" \
    "$(printf '%s\n' "${values[@]}" | median)" "$(printf '%.1f ' "${values[@]}")"
done
