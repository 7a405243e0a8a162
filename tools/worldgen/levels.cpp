// How far apart the clubs of one league are.
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "world.h"

namespace kervale::worldgen {

namespace {

// The mean and standard deviation of values.
std::pair<double, double> meanAndSpread(const std::vector<double>& values) {
  double sum = 0;
  double squares = 0;
  for (double v : values) {
    sum += v;
    squares += v * v;
  }
  const double n = static_cast<double>(values.size());
  const double mean = sum / n;
  return {mean, std::sqrt(std::max(0.0, squares / n - mean * mean))};
}

}  // namespace

void spreadLevels(std::vector<Club>& clubs, const LevelShape& shape, int first, int last) {
  std::vector<double> levels;
  for (int c = first; c <= last; ++c) levels.push_back(clubs[static_cast<std::size_t>(c)].level);
  const auto [mean, drawn] = meanAndSpread(levels);
  if (drawn <= 0) return;
  // Every club keeps its place in the order, and the league its mean.
  std::vector<double> places;
  for (double level : levels) {
    const double z = (level - mean) / drawn;
    places.push_back(shape.lead > 0 ? std::exp(shape.lead * z) : z);
  }
  const auto [placeMean, placeSpread] = meanAndSpread(places);
  for (int c = first; c <= last; ++c) {
    const double place = (places[static_cast<std::size_t>(c - first)] - placeMean) / placeSpread;
    clubs[static_cast<std::size_t>(c)].level = mean * (1 + shape.spread * place);
  }
}

}  // namespace kervale::worldgen
