#pragma once

#include <ostream>

#include "sim_options.h"

namespace kervale::sim {

// After the new game: --load (through the hub's File, Load and the picker),
// then --days presses of continue (with --round-trip, each followed by a
// save to memory loaded back), then --save. Dialogs get their default
// answer, and each day's go to standard error (writeShownBoxes). When the
// squad-ready check disables continue, the stand-in player signs free
// players if he must and mends the line-up on the squad screen. RunError
// when a step cannot be done, saying why.
void runDays(const Options& options);

// When --days, --load or --save was given: the hub's date line, its week line,
// the club's money and the first lines of the club news, as key=value lines;
// with --round-trip the number of days whose save loaded back.
void printDaysSummary(const Options& options, std::ostream& out);

}  // namespace kervale::sim
