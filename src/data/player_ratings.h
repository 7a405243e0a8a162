#pragma once

#include <string>

namespace kervale {

// A player's average match rating as the screens show it: at most two
// decimals ("6.75", "7."), "0" before his first game.
std::string averageRatingText(double ratingSum, double games);

}  // namespace kervale
