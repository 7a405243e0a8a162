# The sums of scripts/realism-report.sh: reads its seed-tagged table, result,
# squads and stopped lines; long=1 checks the aims of several seasons.
function value(key,   i, kv) {
  for (i = 1; i <= NF; ++i) {
    split($i, kv, "=")
    if (kv[1] == key) return kv[2]
  }
  return ""
}
function within(x, low, high) { return x >= low && x <= high }

$2 ~ /^stopped=/ {
  seed = value("seed")
  sub(/^seed=[0-9]+ stopped=/, "")
  stopped[++stops] = "seed " seed ": " $0
  next
}
$2 ~ /^squads=/ {
  s = value("squads") + 0
  if (!(s in smallest) || value("smallest") + 0 < smallest[s]) smallest[s] = value("smallest") + 0
  short[s] += value("short")
  squadSeeds[s]++
  if (s > lastSeason) lastSeason = s
  next
}
$2 ~ /^fielded=/ {
  s = value("fielded") + 0
  f = value("league_fewest") + 0
  if (f >= 0) {
    if (!(s in fewest) || f < fewest[s]) fewest[s] = f
    clubSeasons[s]++
    if (f < 11) below11[s]++
    if (f < 14) below14[s]++
  }
  f = value("cup_fewest") + 0
  if (f >= 0 && f < 11) cupBelow11[s]++
  next
}
$2 ~ /^nokeeper=/ {
  s = value("nokeeper") + 0
  keeperless[s]++
  keeperlessSide[value("seed") SUBSEP s SUBSEP value("round") SUBSEP value("club")] = 1
  next
}
{ seed = value("seed"); season = value("season") + 0 }
$2 ~ /^result=/ {
  key = season SUBSEP value("result")
  split(value("score"), score, "-")
  h = score[1] + 0; a = score[2] + 0
  matches[key]++
  goals[key] += h + a
  if (h > a) home[key]++; else if (h == a) draws[key]++; else away[key]++
  margin = h > a ? h - a : a - h
  if (margin >= 4) big[key]++
  if (margin >= 10) {
    huge[key]++
    hugeDefeat[++hugeDefeats] = seed SUBSEP season SUBSEP value("round") SUBSEP (h > a ? value("away") : value("home"))
  }
  if (margin > best[key] || (margin == best[key] && h + a > bestGoals[key])) {
    best[key] = margin; bestGoals[key] = h + a
    bestText[key] = (h > a ? h "-" a : a "-" h)
  }
  rows[key] = 1
  if (season > lastSeason) lastSeason = season
  next
}
$2 ~ /^table=/ {
  key = season SUBSEP value("table")
  one = key SUBSEP seed
  ppg = value("played") > 0 ? value("points") / value("played") : 0
  n[one]++; sum[one] += ppg; sumSq[one] += ppg * ppg
  if (value("place") == 1) {
    champPpg[key] += ppg
    champGpg[key] += value("played") > 0 ? value("goalsfor") / value("played") : 0
    tables[key]++
  }
  bottom[one] = ppg  # the rows come in place order
  seedsOf[one] = 1
}

# The mean over the seeds of the standard deviation of points a game for one
# season and league; lowMean gets that of the bottom club's points a game.
function spreadOf(key,   k, part, one, mean, variance, total, lowSum) {
  total = 0; lowSum = 0
  for (k in seedsOf) {
    split(k, part, SUBSEP)
    if (part[1] SUBSEP part[2] != key) continue
    one = k
    mean = sum[one] / n[one]
    variance = sumSq[one] / n[one] - mean * mean
    total += variance > 0 ? sqrt(variance) : 0
    lowSum += bottom[one]
  }
  lowMean = lowSum / tables[key]
  return total / tables[key]
}

function aimsOf(season, league, cp, cg, spread, bigShare, hugeShare,   aims, englishTop) {
  aims = ""
  # Over several seasons the top flight is measured at the first and at the
  # fifth, tenth and twentieth: the seasons the aims name.
  if (league == "premiership" && (!long || season == 1 || season == 5 || season == 10 || season == 20)) {
    if (!within(cp, 2.1, 2.6)) aims = aims " champion_points"
    if (!within(spread, 0.36, 0.48)) aims = aims " spread"
  } else if (!long) {
    if (!within(cp, 1.9, 2.5)) aims = aims " champion_points"
    if (!within(spread, 0.30, 0.45)) aims = aims " spread"
  }
  if (!long && cg > 3.2) aims = aims " champion_goals"
  if (!long && league == "premiership" && bigShare > 0.10) aims = aims " by_4+"
  if (long && bigShare > 0.12) aims = aims " by_4+"
  if (long && hugeShare > 0.005) aims = aims " by_10+"
  return aims
}

# The squads line of a season; one season's report keeps that season's only.
function printSquads(s,   aims) {
  squadsShown[s] = 1
  if (!(s in smallest) || (!long && s > 1)) return
  aims = short[s] > 0 ? "missed: squads" : "reached"
  if (long && short[s] > 0) missed++
  printf "%6d %-15s smallest %d named, %d below their floor over %d seeds  %s\n", s, "squads", smallest[s], short[s],
    squadSeeds[s], long ? aims : ""
}

# The sides a season's league and cup matches saw: the fewest players of its
# own a club fielded, the club-seasons with a league match below 11 and below
# 14, the cup matches below 11, and the sides without a fit keeper.
function printFielded(s,   aims, share) {
  if (!(s in clubSeasons)) return
  share = below14[s] / clubSeasons[s]
  aims = below11[s] + cupBelow11[s] > 0 ? " below_11" : ""
  if (share > 0.01) aims = aims " below_14"
  if (long && aims != "") missed++
  printf "%6d %-15s fewest %d own, %d of %d club-seasons below 11 and %d below 14 (%.1f%%), %d cup club-seasons below 11, " \
    "%d sides without a fit keeper (%d of the %d defeats by 10+)  %s\n", s, "fielded", fewest[s], below11[s], clubSeasons[s],
    below14[s], 100 * share, cupBelow11[s], keeperless[s], keeperlessHuge[s], hugeBySeason[s],
    long ? (aims == "" ? "reached" : "missed:" aims) : ""
}

END {
  for (i = 1; i <= hugeDefeats; ++i) {
    split(hugeDefeat[i], part, SUBSEP)
    hugeBySeason[part[2]]++
    if (hugeDefeat[i] in keeperlessSide) keeperlessHuge[part[2]]++
  }
  printf "%6s %-15s %7s %6s %6s %6s %6s %7s %7s %7s %6s %7s %7s %7s  %s\n", "season", "league", "matches", "goals",
    "home", "draw", "away", "champ_p", "champ_g", "bottom", "spread", "by_4+", "by_10+", "largest", "aims"
  for (key in rows) order[++count] = key
  for (i = 1; i <= count; ++i) for (j = i + 1; j <= count; ++j) {
    split(order[i], x, SUBSEP); split(order[j], y, SUBSEP)
    if (y[1] + 0 < x[1] + 0 || (y[1] + 0 == x[1] + 0 && y[2] < x[2])) { t = order[i]; order[i] = order[j]; order[j] = t }
  }
  missed = 0
  for (i = 1; i <= count; ++i) {
    key = order[i]
    split(key, part, SUBSEP)
    season = part[1]; league = part[2]
    if (!(key in tables)) continue
    s = tables[key]; m = matches[key]
    spread = spreadOf(key)
    spreads[key] = spread
    cp = champPpg[key] / s; cg = champGpg[key] / s
    aims = aimsOf(season, league, cp, cg, spread, big[key] / m, huge[key] / m)
    line[key] = sprintf("%6d %-15s %7d %6.2f %5.1f%% %5.1f%% %5.1f%% %7.2f %7.2f %7.2f %6.3f %6.1f%% %6.2f%% %7s", season,
      league, m, goals[key] / m, 100 * home[key] / m, 100 * draws[key] / m, 100 * away[key] / m, cp, cg,
      lowMean, spread, 100 * big[key] / m, 100 * huge[key] / m, bestText[key])
    aimsText[key] = aims
  }
  # The top flight is the widest of the English divisions in season 1.
  first = 1 SUBSEP "premiership"
  if (!long && (first in spreads)) {
    split("division-one division-two division-three", below, " ")
    narrower = 1
    for (b in below) {
      if ((1 SUBSEP below[b]) in spreads && spreads[1 SUBSEP below[b]] >= spreads[first]) narrower = 0
    }
    if (!narrower) aimsText[first] = aimsText[first] " widest"
  }
  for (i = 1; i <= count; ++i) {
    key = order[i]
    if (!(key in line)) continue
    if (aimsText[key] != "") missed++
    printf "%s  %s\n", line[key], aimsText[key] == "" ? "reached" : "missed:" aimsText[key]
    split(key, part, SUBSEP)
    split(order[i + 1], next_, SUBSEP)
    if (i == count || next_[1] != part[1]) {
      printSquads(part[1])
      printFielded(part[1])
    }
  }
  # Seasons begun without a finished league season.
  for (s = 1; s <= lastSeason; ++s) if (!(s in squadsShown)) printSquads(s)
  for (k = 1; k <= stops; ++k) printf "stopped: %s\n", stopped[k]
  if (long) printf "aims: %s\n", missed + stops == 0 ? "all reached" : "missed " missed " rows, " stops + 0 " runs stopped"
}
