#!/usr/bin/env bash
# The packs' figures: the size of each pack, the time to draw them all with an empty pack cache,
# and the time when nothing changed and the cache serves them. Usage: bench/pack_figures.sh
# [build folder], after a build of that folder.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
packs=(NuvCards06A.dll NuvCards06B.dll NuvCards06C.dll NuvBackG03.dll NuvCGraph1.dll
       NuvCVoice3.dll NuvCalendar01.dll NuvRadio02.dll)
targets=()
for p in "${packs[@]}"; do
  [ -f "$build/$p" ] && targets+=("pack-$p")
done

draw_all() {
  for p in "${packs[@]}"; do rm -f "$build/$p"; done
  local start=$(date +%s%N)
  cmake --build "$build" --target "${targets[@]}" >/dev/null
  echo $((($(date +%s%N) - start) / 1000000))
}

export FIBWICK_PACK_CACHE
FIBWICK_PACK_CACHE=$(mktemp -d)
trap 'rm -rf "$FIBWICK_PACK_CACHE"' EXIT
cold=$(draw_all)
warm=$(draw_all)

printf '%-20s %10s\n' pack bytes
total=0
for p in "${packs[@]}"; do
  [ -f "$build/$p" ] || continue
  size=$(stat -c %s "$build/$p")
  total=$((total + size))
  printf '%-20s %10d\n' "$p" "$size"
done
printf '%-20s %10d\n' all "$total"
printf 'drawing every pack, empty cache: %d ms on %d cores\n' "$cold" "$(nproc)"
printf 'nothing changed, from the cache: %d ms\n' "$warm"
