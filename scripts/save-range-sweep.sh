#!/usr/bin/env bash
# Loads saved games with one item at an edge of its range: for each of three
# saves of one career (seed 2, club 60, after days 100, 800 and 2600),
# kervale-save-edges writes one copy per item of the saved game's range table
# and per edge (its lowest and its highest value), and each copy is loaded by
# kervale-sim and played for a week (two matchdays) with --round-trip, eight
# at a time. Each copy is then refused at the load, played on, stopped (an
# error or a crash), held (still running after LIMIT seconds) or played on
# until a later day's save was refused (such a copy plays the week again
# without the daily check, and counts as stopped or held if it does then).
# Prints the totals and every copy that was neither refused nor played on;
# exits 1 when one stopped or held.
# Usage: scripts/save-range-sweep.sh [OUT_DIR] [LIMIT] (LIMIT 60).
# KERVALE_SIM and KERVALE_SAVE_EDGES name other builds of the two tools.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$top/build/save-range-sweep}
limit=${2:-60}
sim=${KERVALE_SIM:-$top/build/tools/kervale-sim}
edges=${KERVALE_SAVE_EDGES:-$top/build/tools/kervale-save-edges}
career=(--world "$top/world" --seed 2 --club 60)
rm -rf "$out"
mkdir -p "$out"
for days in 100 800 2600; do
  nice "$sim" "${career[@]}" --days "$days" --save "$out/day$days.usa" >/dev/null 2>"$out/day$days.err" ||
    { echo "the save of day $days could not be made: $(grep -v '^box ' "$out/day$days.err")"; exit 2; }
  "$edges" "$out/day$days.usa" "$out/day$days" >"$out/day$days.list" || exit 2
done
# One run a copy; its exit status goes beside it (124: timeout stopped it).
ls "$out"/day*/*.usa | xargs -P 8 -n 1 sh -c 'timeout "$0" nice "$1" --world "$2" --seed 2 --club 60 \
  --load "$3" --days 7 --round-trip >/dev/null 2>"${3%.usa}.err"; echo $? >"${3%.usa}.rc"' "$limit" "$sim" "$top/world"

# The class of one copy's run, from its exit status and its last words.
classify() {
  local rc err
  rc=$(cat "$1.rc")
  err=$(lastWords "$1")
  if [ "$rc" -eq 0 ]; then echo "played on"
  elif [ "$rc" -eq 124 ]; then echo "held"
  elif grep -q 'could not be loaded' <<<"$err"; then echo "refused"
  elif grep -q 'the game saved that day is refused' <<<"$err"; then echo "later save refused"
  else echo "stopped"
  fi
}
lastWords() { grep -v -e '^box ' -e '^input ' "$1.err" | tail -1; }
declare -A totals=()
loads=0
for days in 100 800 2600; do
  while read -r file item value; do
    copy="$out/day$days/${file%.usa}"
    class=$(classify "$copy")
    words=$(lastWords "$copy")
    if [ "$class" = "later save refused" ]; then
      # Past its range through play: the rest of the week without the daily check.
      mv "$copy.err" "$copy.round-trip.err"
      timeout "$limit" nice "$sim" "${career[@]}" --load "$copy.usa" --days 7 >/dev/null 2>"$copy.err"
      echo $? >"$copy.rc"
      again=$(classify "$copy")
      [ "$again" = "played on" ] || { class=$again; words=$(lastWords "$copy"); }
    fi
    loads=$((loads + 1))
    totals[$class]=$((${totals[$class]:-0} + 1))
    case $class in
      "played on" | refused) rm -f "$copy.usa" ;;
      *) echo "day $days, $item $value: $class: $words" ;;
    esac
  done <"$out/day$days.list"
done
echo "loads=$loads refused=${totals[refused]:-0} played_on=${totals["played on"]:-0}" \
  "later_save_refused=${totals["later save refused"]:-0} stopped=${totals[stopped]:-0} held=${totals[held]:-0}"
[ $((${totals[stopped]:-0} + ${totals[held]:-0})) -eq 0 ]
