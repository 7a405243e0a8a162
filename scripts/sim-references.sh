#!/usr/bin/env bash
# Writes kervale-sim's outputs for fixed seeds, to show that a change keeps
# every result of the game.
#
#   scripts/sim-references.sh DIR       full set into DIR (compare two with diff -r)
#   scripts/sim-references.sh --golden  the small set the tools tests keep, into
#                                       tests/tools/golden/ (run it in the commit
#                                       of a change that alters results on purpose)
#
# KERVALE_SIM names the runner (default build/tools/kervale-sim).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
sim=${KERVALE_SIM:-$top/build/tools/kervale-sim}
world=$top/world

# The timing line differs from run to run.
matches() { "$sim" --world "$world" --matches "$1" --home "$2" --away "$3" --seed "$4" | grep -v '^microseconds_'; }
days() { "$sim" --world "$world" --club "$1" --days "$2" --seed "$3" --save "$4"; }

if [ "${1:-}" = "--golden" ]; then
  out=$top/tests/tools/golden
  mkdir -p "$out"
  matches 300 63 71 4 >"$out/matches-63-71-s4.txt"
  matches 300 3 228 9 >"$out/matches-3-228-s9.txt"
  save=$(mktemp)
  days 60 21 5 "$save" >"$out/days-60-21-s5.txt"
  # The saved game is kept as its checksum and size.
  cksum <"$save" >"$out/days-60-21-s5.sav.cksum"
  rm -f "$save"
  exit 0
fi

out=${1:?usage: sim-references.sh DIR | --golden}
mkdir -p "$out"
for pair in "63 71" "3 228" "100 57" "228 230"; do
  for seed in 1 4 17; do
    set -- $pair
    matches 2000 "$1" "$2" "$seed" >"$out/matches-$1-$2-s$seed.txt"
  done
done
for club in 3 60 228; do
  for seed in 2 5 31; do
    days "$club" 364 "$seed" "$out/days-$club-s$seed.sav" >"$out/days-$club-s$seed.txt"
  done
done
