#!/usr/bin/env bash
# Plays careers with kervale-sim --round-trip (every day's game saved to
# memory and loaded back): seeds 1 to 10, four clubs a seed, taking the
# leagues a new game can pick in turn (MLS, A-League, English divisions 1 to
# 4, Australia), four careers at a time. Sums the days checked and the runs
# that stopped. Usage: scripts/round-trip-sweep.sh [DAYS] [OUT_DIR]
# (DAYS 3700: ten seasons). KERVALE_SIM names another kervale-sim.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
days=${1:-3700}
out=${2:-$top/build/round-trip-sweep}
sim=${KERVALE_SIM:-$top/build/tools/kervale-sim}
mkdir -p "$out"
# The first club of each league and its number of clubs.
firsts=(1 17 53 73 97 121 225)
sizes=(10 18 20 24 24 24 13)
for seed in 1 2 3 4 5 6 7 8 9 10; do
  for k in 0 1 2 3; do
    league=$(((seed * 4 + k) % 7))
    echo "$seed $((firsts[league] + (seed * 7 + k) % sizes[league]))"
  done
done | xargs -P 4 -n 2 sh -c 'nice "$0" --world "$1" --seed "$4" --club "$5" --days "$2" --round-trip \
  >"$3/seed$4-club$5.out" 2>"$3/seed$4-club$5.err"' "$sim" "$top/world" "$days" "$out"
checked=0
refused=0
stopped=0
for f in "$out"/*.out; do
  n=$(grep -m1 '^round_trips=' "$f" | cut -d= -f2)
  checked=$((checked + ${n:-0}))
  # The game's message boxes are written there too, one a line; anything else stopped the career.
  stop=$(grep -v -e '^box ' -e '^input ' "${f%.out}.err")
  [ -n "$stop" ] || continue
  echo "$(basename "${f%.out}"): $stop"
  if grep -q 'is refused' <<<"$stop"; then refused=$((refused + 1)); else stopped=$((stopped + 1)); fi
done
echo "careers=$(ls "$out"/*.out | wc -l) days_checked=$checked refused=$refused stopped_otherwise=$stopped"
[ "$refused" -eq 0 ] && [ "$stopped" -eq 0 ]
