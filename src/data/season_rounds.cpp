#include "data/season_rounds.h"

namespace kervale {

namespace {

int sinceSeasonStart(int round) { return ((round - kSeasonStartRound) % 104 + 104) % 104; }

}  // namespace

bool playedThisSeason(int round, int currentWeek) { return sinceSeasonStart(round) < sinceSeasonStart(currentWeek); }

}  // namespace kervale
