#pragma once

#include <string>
#include <vector>

#include "data/mls_module.h"

namespace kervale {

// The clubs whose players age and retire, and so take part.
inline constexpr int kLastIntakeClub = 237;

// After the college draft: every club 1..237 with fewer than kSquadFloor named
// players of its own, or fewer than kKeepersFloor fit keepers, gets youth
// players in its free slots until it has them, its slots are full or no
// player record is left. A North-American club (1..52) takes its names from
// `usaFirst` and `usaLast`, every other club from the new game's youth names
// (the same North-American lists when the game has none).
// Records are free ones no squad holds, else new ones up to the table's end.
// The user's club news names his new players. Returns the records made.
std::vector<int> runYouthIntake(MLSModule& g, const std::vector<std::string>& usaFirst,
                                const std::vector<std::string>& usaLast);

// Between matchdays: every computer club 1..237 of a league with fewer named
// players of its own than its floor (a retirement may take one there) calls
// up youths as the intake makes them, until it is back at its floor or its
// slots are full. A North-American club takes the new game's North-American
// names, every other club its youth names, each the other's when the game
// has none; with neither, nobody is called up. Returns the records made.
std::vector<int> callUpYouths(MLSModule& g);

}  // namespace kervale
