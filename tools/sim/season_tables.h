#pragma once

#include <ostream>

#include "sim_options.h"
#include "standin/stand_in_user.h"

namespace kervale::sim {

// --tables and --results: every league's table and its league matches, taken
// from the fixture grid. At each season summary of the run, before anything
// rolls over, the season's tables are kept as final (final=1); after the days
// the season in play is added as it stands (final=0). The first season counts
// from the round the new game started in (the whole season for a loaded
// game); the Australian league's table leaves out the rounds of its six-club
// second phase. Call after the new game is started or loaded.
void watchSeasonTables(StandInUser& player, const Options& options);

// The kept and the current tables, one line per club, and with --results one
// line per match.
void printSeasonTables(const Options& options, std::ostream& out);

}  // namespace kervale::sim
