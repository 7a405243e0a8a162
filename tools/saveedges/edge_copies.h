#pragma once

#include <filesystem>
#include <ostream>

#include "data/mls_module.h"

namespace kervale::save_edges {

// Writes into folder, through the game's own writer, two copies of game per
// item of the saved game's range table: one with a cell of the item at the
// lowest value its range allows ("NAME-low.usa"), one at the highest
// ("NAME-high.usa"). Each copy differs from game in that one cell only. The
// cell: the managed club's in a club table, a starting player's of the
// managed club in a player table, the managed club's next match in the
// fixture grid, else the first cell that holds something. A text's lowest is
// empty, its highest a long plain text (a colour's, white); a number beyond
// what its cell can hold is brought within it. One line per copy goes to
// out: the file, the item with its index, the value. The game is given back
// as it was.
void writeEdgeCopies(MLSModule& game, const std::filesystem::path& folder, std::ostream& out);

}  // namespace kervale::save_edges
