#!/usr/bin/env bash
# Plays a season on copies of world/ that each hold one data-file value at
# the lowest or the highest its reader allows (kervale-world-edges lists
# them: every field once a record, for a player of the managed club and a
# club of each league), with every day's game saved to memory and loaded back
# (kervale-sim --round-trip), for each managed club of CLUBS (default "3 60
# 225": an MLS, an English and an Australian club), six runs at a time. Each
# run is refused at start, played clean, refused a later save, stopped
# otherwise, or held (past TIME_LIMIT seconds, default 600). A refusal at
# start must name the file that was changed. Usage:
# scripts/world-range-sweep.sh [DAYS] [OUT_DIR] (DAYS 364: a season).
# KERVALE_SIM and KERVALE_WORLD_EDGES name other builds.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export days=${1:-364}
export out=${2:-$top/build/world-range-sweep}
export sim=${KERVALE_SIM:-$top/build/tools/kervale-sim}
export edges=${KERVALE_WORLD_EDGES:-$top/build/tools/kervale-world-edges}
export world=$top/world
export limit=${TIME_LIMIT:-600}
rm -rf "$out"
mkdir -p "$out/worlds"
for club in ${CLUBS:-3 60 225}; do
  "$edges" --world "$world" --club "$club" --list | sed "s/^/$club\t/" || exit 1
done >"$out/edits.tsv"

run_one() {
  local run="c$1-e$2" copy="$out/worlds/c$1-e$2"
  if ! "$edges" --world "$world" --club "$1" --edit "$2" --out "$copy" >"$out/$run.out" 2>"$out/$run.err"; then
    echo 99 >"$out/$run.rc"
    return
  fi
  timeout "$limit" nice "$sim" --world "$copy" --seed 1 --club "$1" --days "$days" --round-trip \
    >"$out/$run.out" 2>"$out/$run.err"
  echo $? >"$out/$run.rc"
  rm -rf "$copy"
}
export -f run_one
cut -f1,2 "$out/edits.tsv" | xargs -P 6 -n 2 bash -c 'run_one "$@"' _

declare -A count
while IFS=$'\t' read -r club id file record name end value; do
  run="c$club-e$id"
  rc=$(cat "$out/$run.rc")
  # The game's message boxes are written to standard error too, one a line.
  stop=$(grep -v -e '^box ' -e '^input ' "$out/$run.err" | head -1)
  if [ "$rc" = 124 ]; then
    outcome=held
  elif [ "$rc" = 0 ] && grep -qx "round_trips=$days" "$out/$run.out"; then
    outcome=clean
  elif [ "$rc" != 2 ]; then
    outcome=stopped  # an exception or a crash
  elif grep -q '^error: day [0-9]*: the game saved that day is refused' <<<"$stop"; then
    outcome=refused_later
  elif grep -q '^error: day ' <<<"$stop"; then
    outcome=stopped
  elif grep -qF "error: $file: " <<<"$stop"; then
    outcome=refused_at_start
  else
    outcome=refused_naming_another_file
  fi
  count[$outcome]=$((${count[$outcome]:-0} + 1))
  printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$outcome" "$club" "$file" "$record" "$name" "$end" "$value" "$stop"
done <"$out/edits.tsv" >"$out/results.tsv"
grep -v '^clean' "$out/results.tsv"
runs=$(wc -l <"$out/edits.tsv")
echo "runs=$runs refused_at_start=${count[refused_at_start]:-0} played_clean=${count[clean]:-0}" \
  "refused_later=${count[refused_later]:-0} stopped_otherwise=${count[stopped]:-0} held=${count[held]:-0}" \
  "refused_naming_another_file=${count[refused_naming_another_file]:-0}"
[ $((runs - ${count[refused_at_start]:-0} - ${count[clean]:-0})) -eq 0 ]
