#pragma once

#include <memory>

#include "data/mls_module.h"

namespace kervale::test {

// A game with real content for the window checks: an English club's new game
// on the world, played headless through its first matchdays (tables with
// numbers, a squad with games, results, headlines and transfers), its club
// news filled to the last line. Made once per test program; each call gives a
// copy. Null when the world is missing.
std::unique_ptr<MLSModule> playedWorldGame();

}  // namespace kervale::test
