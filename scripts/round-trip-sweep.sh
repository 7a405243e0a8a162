#!/usr/bin/env bash
# Plays careers with kervale-sim --round-trip (every day saved to memory and
# loaded back) for seeds 1-10 and a club of every league that can be picked,
# four at a time, and sums the days checked and the refusals.
# Usage: scripts/round-trip-sweep.sh [DAYS] [OUT_DIR]   (DAYS 3700: ten seasons)
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
days=${1:-3700}
out=${2:-$top/build/round-trip-sweep}
sim="$top/build/tools/kervale-sim"
mkdir -p "$out"
# MLS, A-League, English divisions 1 to 4, the Australian league; the club
# changes with the seed.
clubs_of_seed() {
  local s=$1
  echo "$((1 + s % 10)) $((17 + s % 18)) $((53 + s % 20)) $((73 + s % 24)) $((97 + s % 24)) $((121 + s % 24)) $((225 + s % 13))"
}
for seed in 1 2 3 4 5 6 7 8 9 10; do
  for club in $(clubs_of_seed "$seed"); do
    echo "$seed $club"
  done
done | xargs -P 4 -n 2 sh -c 'nice "$0" --world "$1" --seed "$4" --club "$5" --days "$2" --round-trip \
  >"$3/seed$4-club$5.out" 2>"$3/seed$4-club$5.err"' "$sim" "$top/world" "$days" "$out"
checked=0
refused=0
stopped=0
for f in "$out"/*.out; do
  n=$(grep -m1 '^round_trips=' "$f" | cut -d= -f2)
  checked=$((checked + ${n:-0}))
  err="${f%.out}.err"
  [ -s "$err" ] || continue
  echo "$(basename "${f%.out}"): $(cat "$err")"
  if grep -q 'is refused' "$err"; then refused=$((refused + 1)); else stopped=$((stopped + 1)); fi
done
echo "careers=$(ls "$out"/*.out | wc -l) days_checked=$checked refused=$refused stopped_otherwise=$stopped"
[ "$refused" -eq 0 ] && [ "$stopped" -eq 0 ]
