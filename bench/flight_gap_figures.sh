#!/usr/bin/env bash
# Runs fibwick-bench-flight-gap several times (cards flying at the table while a 12 MB pack
# downloads beside the window) and prints the median and the runs of the largest gap between two
# flight steps as a multiple of the median step.
# usage: bench/flight_gap_figures.sh [build folder]   (default build/default)
set -euo pipefail
build=$(realpath "${1:-build/default}")
runs=${RUNS:-7}
ratios=()
for run in $(seq "$runs"); do
  ratios+=("$("$build/bench/fibwick-bench-flight-gap" 2>/dev/null | sed -n 's|^largest gap during the download / median step: ||p')")
done
median=$(printf '%s\n' "${ratios[@]}" | sort -g | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}')
printf 'largest flight gap during a 12 MB download / median step: median %s (runs: %s)\n' \
  "$median" "${ratios[*]}"
