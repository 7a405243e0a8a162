#pragma once

#include <ostream>

#include "sim_options.h"

namespace kervale::sim {

// The money of every club of the running game added up.
double totalMoney();

// After --days: the transfers, sackings, injuries and suspensions of the
// between-matchday events of the run, and the total money of all clubs when
// the new game started (moneyBefore) and now, as key=value lines.
void printBetweenEvents(const Options& options, double moneyBefore, std::ostream& out);

}  // namespace kervale::sim
