#pragma once

#include <string>
#include <vector>

#include "data/mls_module.h"

namespace kervale {

// The squad size the youth intake fills a club up to.
inline constexpr int kIntakeSquad = 16;
// The clubs whose players age and retire, and so take part.
inline constexpr int kLastIntakeClub = 237;

// After the college draft: every club 1..237 with fewer than 16 named players
// of its own gets youth players in its free slots until it has 16, its slots
// are full or no player record is left. A North-American club (1..52) takes
// its names from `usaFirst` and `usaLast`, every other club from the new
// game's youth names (the same North-American lists when the game has none).
// Records are free ones no squad holds, else new ones up to the table's end.
// The user's club news names his new players. Returns the records made.
std::vector<int> runYouthIntake(MLSModule& g, const std::vector<std::string>& usaFirst,
                                const std::vector<std::string>& usaLast);

}  // namespace kervale
