#pragma once

#include <ostream>

namespace kervale::sim {

// The user's club's league counters after the days, as key=value lines:
// games, wins, draws, losses, goals for and against, points.
void printLeagueCounters(std::ostream& out);

}  // namespace kervale::sim
