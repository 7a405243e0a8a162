// How far apart the clubs of one league are.
#include <algorithm>
#include <cmath>

#include "world.h"

namespace kervale::worldgen {

namespace {

// The standard deviation of a league's club levels as a share of their mean.
// With the players' own spread on top, a club's keeper and best ten then lie
// within about 3 to 4% of the league's mean, and the better clubs win a
// season's table by 2 points a game rather than 2.6.
constexpr double kLevelSpread = 0.035;

}  // namespace

void narrowLevels(std::vector<Club>& clubs, int first, int last) {
  auto level = [&clubs](int c) -> double& { return clubs[static_cast<std::size_t>(c)].level; };
  double sum = 0;
  double squares = 0;
  for (int c = first; c <= last; ++c) {
    sum += level(c);
    squares += level(c) * level(c);
  }
  const int n = last - first + 1;
  const double mean = sum / n;
  const double spread = std::sqrt(std::max(0.0, squares / n - mean * mean));
  if (spread <= kLevelSpread * mean) return;
  // Every club keeps its place in the order, and the league its mean.
  const double factor = kLevelSpread * mean / spread;
  for (int c = first; c <= last; ++c) level(c) = mean + (level(c) - mean) * factor;
}

}  // namespace kervale::worldgen
