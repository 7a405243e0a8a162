#pragma once

#include <ostream>

#include "sim_options.h"

namespace kervale::sim {

// With --tables: how many players of its own each side fields, match by
// match. A side counts the named players of its own in its twenty slots, and
// whether one of them is a fit keeper, as they stand when the round is played.

// Call before every press of the continue button, once the user's squad is
// ready: notes the sides of the round when the press plays it.
void noteSidesOfRound(const Options& options);

// One line per club and season with a match: "fielded=SEASON club=C
// start=N league_fewest=F cup_fewest=F", start its named players at the run's
// start, the fewest of its own at any league or cup match (-1 for none). Then
// one line per league match of a side without a fit keeper: "nokeeper=SEASON
// round=R club=C".
void printSidesFielded(const Options& options, std::ostream& out);

}  // namespace kervale::sim
