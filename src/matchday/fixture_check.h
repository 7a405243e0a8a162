#pragma once

#include "data/mls_module.h"

namespace kervale {

// Puts a newly drawn tie into the fixture grid: home plays away in round
// `week` with competition code `type` (0 stands for 2, a knockout tie). A
// fixture either club already has in that round is first moved, as a pair and
// with its own code and venues, to the next round after `week` in which both of
// its clubs are free, passing from round 104 to round 1. Rounds of this season
// up to CurrentWeek are never used (the season starts at round 42 and wraps):
// ties are placed after the current round is played, and at a new game the
// starting round holds no fixture. A clashing fixture that finds no free round
// is dropped for both its clubs and reported in the news. A tie with a club 0
// (a bye) changes nothing.
void fixturecheck(MLSModule& game, int home, int away, int week, int type);

}  // namespace kervale
