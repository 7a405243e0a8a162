#pragma once

#include <cstdint>

#include "data/mls_module.h"

namespace kervale {

// What a player's club asks for him, in k: the square of his outfield total
// weighted towards his best line, or his keeping alone when he is plainly a
// keeper; doubled while he is on the transfer list.
std::int32_t PlayerAskingPrice(const MLSModule& g, int player);
std::int32_t PlayerAskingPrice(int player);

// The wage in k a player wants from club `club`: his rating total for an MLS
// club, the league's wage scale elsewhere, scaled by division for an English
// club. The scale holds totals 5..54; totals outside it read its ends.
double PlayerWageDemand(const MLSModule& g, int player, int club);

}  // namespace kervale
