#!/usr/bin/env bash
# How football-like the world's league seasons come out: plays seasons with
# kervale-sim, one run per seed, and sums up each league's final tables and
# matches, season by season, pooled over the seeds.
#
#   scripts/realism-report.sh [SEEDS]                        season 1, seeds 1..SEEDS (default 8)
#   scripts/realism-report.sh --seasons N [--club C] [SEEDS] N seasons (365 days each) a seed
#
# KERVALE_SIM names the runner (default build/tools/kervale-sim), KERVALE_WORLD
# the world folder (default world/), KERVALE_JOBS the runs at a time (default
# 4, each under nice). The club is an MLS club unless --club says otherwise:
# its season starts before every league's first round.
#
# Per season and league: matches, goals a match, home wins / draws / away
# wins, the champion's points and goals a game, the bottom club's points a
# game, the standard deviation of points a game over the clubs, the shares of
# matches won by four goals or more and by ten or more, and the largest win.
# Table figures are averaged over the seeds. Per season, the squads line gives
# the smallest number of named players a club started it with (over the
# seeds) and the clubs below their floor (16, or their number at the new game
# if lower), summed over the seeds. The fielded line gives, from every league
# and cup match, the fewest players of its own a club fielded, the
# club-seasons with a league match below 11 and below 14 of them, the cup
# sides below 11, and the league sides without a fit keeper with their share
# of the defeats by ten or more. A run that stops early is named.
#
# The aims column checks both bounds of each aim. Season 1: the Premiership's
# champion 2.1-2.6 points a game, its spread 0.36-0.48 and the widest of the
# English divisions, at most 10% of its matches won by four or more; every
# other league's champion 1.9-2.5 points a game and spread 0.30-0.45; no
# champion above 3.2 goals a game. Over several seasons, every season: at most
# 12% of a league's matches won by four or more and 0.5% by ten or more, no
# club below its floor, no side below 11 players of its own and at most 1% of
# the club-seasons with a league match below 14; the Premiership's champion and spread as in season 1
# in seasons 1, 5, 10 and 20.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
sim=${KERVALE_SIM:-$top/build/tools/kervale-sim}
world=${KERVALE_WORLD:-$top/world}
jobs=${KERVALE_JOBS:-4}
seasons=0
club=3
while [ $# -gt 0 ]; do
  case "$1" in
    --seasons) seasons=${2:?--seasons needs a number}; shift 2 ;;
    --club) club=${2:?--club needs a club number}; shift 2 ;;
    *) break ;;
  esac
done
seeds=${1:-8}
days=$((seasons > 0 ? 365 * seasons : 364))

runs=$(mktemp -d)
trap 'rm -rf "$runs"' EXIT
# One run: its table, result and squads lines, and a stop line when it fails.
export sim world club days runs
seq 1 "$seeds" | xargs -P "$jobs" -I{} bash -c '
  if ! nice "$sim" --world "$world" --club "$club" --days "$days" --seed {} --tables --results \
      >"$runs/{}.out" 2>"$runs/{}.err"; then
    echo "stopped=$(grep -v -e "^box " -e "^input " "$runs/{}.err" | tr "\n" " ")" >>"$runs/{}.out"
  fi'

for seed in $(seq 1 "$seeds"); do
  grep -E '^(table|result)=.* final=1 |^(squads|stopped|fielded|nokeeper)=' "$runs/$seed.out" | sed "s/^/seed=$seed /"
done | awk -v long="$((seasons > 0))" -v club="$club" -f "$top/scripts/realism-report.awk"
