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
// The same club's game played through three season ends (one in the
// sanitizer build) and two weeks into the next season: careers, histories and
// rolls of honour of several seasons. Null when the world is missing or the
// game could not be played on.
std::unique_ptr<MLSModule> laterSeasonWorldGame();

}  // namespace kervale::test
