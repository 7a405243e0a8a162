#pragma once

#include <ostream>
#include <stdexcept>

#include "sim_options.h"

namespace kervale::sim {

// A run that cannot go on: the message is "FILE: what is wrong" where a data
// file is at fault.
class RunError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Starts a new game from the world folder with the headless backend, the way a
// player does: the start-up screen, the new-game screen's default options,
// club options.club and a manager name, then OK. The working folder becomes
// the world folder, as the game reads its files by bare name.
void startNewGame(const Options& options);

// key=value lines of the running game: date, round, club, team, fixtures.
void printGameSummary(std::ostream& out);

}  // namespace kervale::sim
