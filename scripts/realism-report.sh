#!/usr/bin/env bash
# How football-like the world's league seasons come out: plays one whole
# season per seed with kervale-sim and sums up each league's final table and
# matches.
#
#   scripts/realism-report.sh [SEEDS]   seeds 1..SEEDS (default 8)
#
# KERVALE_SIM names the runner (default build/tools/kervale-sim), KERVALE_WORLD
# the world folder (default world/). An MLS club is picked, as the season then
# starts before every league's first round.
#
# Per league: matches, goals a match, home wins / draws / away wins, the
# champion's points and goals a game, the bottom club's points a game, the
# standard deviation of points a game over the clubs, the share of matches won
# by four goals or more and the largest win. Table figures are averaged over
# the seeds. The aims column checks: spread at most 0.42, champion at most 2.6
# points and 3.2 goals a game.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
sim=${KERVALE_SIM:-$top/build/tools/kervale-sim}
world=${KERVALE_WORLD:-$top/world}
seeds=${1:-8}
club=3
days=364

for seed in $(seq 1 "$seeds"); do
  "$sim" --world "$world" --club "$club" --days "$days" --seed "$seed" --tables --results |
    grep -E '^(table|result)=' | grep ' final=1 ' | sed "s/^/seed=$seed /"
done | awk '
function value(key,   i, kv) {
  for (i = 1; i <= NF; ++i) {
    split($i, kv, "=")
    if (kv[1] == key) return kv[2]
  }
  return ""
}
{
  seed = value("seed")
  if ($2 ~ /^result=/) {
    league = value("result")
    split(value("score"), score, "-")
    h = score[1] + 0; a = score[2] + 0
    matches[league]++
    goals[league] += h + a
    if (h > a) home[league]++; else if (h == a) draws[league]++; else away[league]++
    margin = h > a ? h - a : a - h
    if (margin >= 4) big[league]++
    if (margin > best[league] || (margin == best[league] && h + a > bestGoals[league])) {
      best[league] = margin; bestGoals[league] = h + a
      bestText[league] = (h > a ? h "-" a : a "-" h)
    }
    leagues[league] = 1
    next
  }
  league = value("table")
  key = league SUBSEP seed
  ppg = value("played") > 0 ? value("points") / value("played") : 0
  n[key]++; sum[key] += ppg; sumSq[key] += ppg * ppg
  if (value("place") == 1) {
    champPpg[league] += ppg
    champGpg[league] += value("played") > 0 ? value("goalsfor") / value("played") : 0
    seasons[league]++
  }
  bottom[key] = ppg  # the rows come in place order
  seedsOf[league, seed] = 1
}
END {
  printf "%-15s %7s %6s %6s %6s %6s %7s %7s %7s %6s %7s %7s  %s\n", "league", "matches", "goals", "home", "draw", "away",
    "champ_p", "champ_g", "bottom", "spread", "by_4+", "largest", "aims"
  for (league in leagues) order[++count] = league
  for (i = 1; i <= count; ++i) for (j = i + 1; j <= count; ++j) if (order[j] < order[i]) { t = order[i]; order[i] = order[j]; order[j] = t }
  for (i = 1; i <= count; ++i) {
    league = order[i]
    spread = 0; low = 0
    for (k in seedsOf) {
      split(k, part, SUBSEP)
      if (part[1] != league) continue
      key = league SUBSEP part[2]
      mean = sum[key] / n[key]
      variance = sumSq[key] / n[key] - mean * mean
      spread += variance > 0 ? sqrt(variance) : 0
      low += bottom[key]
    }
    s = seasons[league]
    m = matches[league]
    spread /= s; low /= s
    cp = champPpg[league] / s; cg = champGpg[league] / s
    aims = (spread <= 0.42 ? "" : " spread") (cp <= 2.6 ? "" : " champion_points") (cg <= 3.2 ? "" : " champion_goals")
    printf "%-15s %7d %6.2f %5.1f%% %5.1f%% %5.1f%% %7.2f %7.2f %7.2f %6.3f %6.1f%% %7s  %s\n", league, m, goals[league] / m,
      100 * home[league] / m, 100 * draws[league] / m, 100 * away[league] / m, cp, cg, low, spread, 100 * big[league] / m,
      bestText[league], aims == "" ? "reached" : "missed:" aims
  }
}'
