#pragma once

#include "data/mls_module.h"

namespace kervale {

// The roll-over into the next season, run when the college draft is left:
// final orders, English reputations, promotion and relegation (divisions,
// order lists and fixture lists), season counters and cups cleared, planned
// seats built, and the new season's cup line-ups drawn. Leaves CurrentWeek at
// 0 and CurrentSeason one up; the grid is placed afterwards.
void rollOverSeason(MLSModule& g);

}  // namespace kervale
