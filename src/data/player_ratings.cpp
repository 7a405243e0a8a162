#include "data/player_ratings.h"

#include "base/numbers.h"

namespace kervale {

std::string averageRatingText(double ratingSum, double games) {
  return games > 0 ? Format(ratingSum / games, "#.##") : "0";
}

}  // namespace kervale
