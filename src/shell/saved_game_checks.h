#pragma once

#include <string>

#include "data/mls_module.h"

namespace kervale::saved_game {

// Checks every value a saved game carried against the table of value ranges
// (data/value_ranges.h) and against the game's own counts (players,
// positions, tactics, flows, formations). Without a trailer only the values
// of the long-standing layout came from the file. FileError naming the file,
// the first bad item and its value.
void checkLoadedGame(const std::string& fileName, const MLSModule& game, bool trailerRead);

}  // namespace kervale::saved_game
