#pragma once

#include <ostream>

namespace kervale::sim {

// The cup and playoff winners the run has reached, as key=value lines: for the
// cup the game keeps and for the MLS playoffs, the clubs through to the latest
// round drawn, and the winner once its final is played. Nothing before the
// first round is decided.
void printCupWinners(std::ostream& out);

}  // namespace kervale::sim
