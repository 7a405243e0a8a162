#pragma once

#include <ostream>

#include "sim_options.h"

namespace kervale::sim {

// With --tables: how many named players the clubs start each season with.
// The run's first season counts as the game stands before the first day, each
// later one as it stands after the roll-over that began it. A club's own
// floor is 16 named players, or its number at the run's start if lower.

// Call once before the days and after every day.
void noteSquadStarts(const Options& options);

// One line per season begun: "squads=SEASON smallest=N club=C short=K", the
// smallest squad of a club that had players at the run's start, its club, and
// the number of clubs below their floor.
void printSquadStarts(const Options& options, std::ostream& out);

// The named players the club had at the run's start (0 before the run).
int namedAtRunStart(int club);

}  // namespace kervale::sim
