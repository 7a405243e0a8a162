// Per-minute strengths of the twenty outfield players, condition, morale drift and rating bounds.
#include <algorithm>
#include <array>

#include "data/mls_module.h"
#include "match/match_engine.h"
#include "match/match_kernel.h"

namespace kervale {

void MatchEngine::clampRatings() {
  ratingsOutside_ = false;
  for (int side = 1; side <= 2; ++side) {
    // Slots 1..11 worked on as a copy; below 0.5 a rating becomes 0.5, then
    // above 10 it becomes 10 (a NaN stays as it is).
    std::array<double, 11> slots;
    double* rating = kernel_.side[side].rating + 1;
    std::copy(rating, rating + 11, slots.begin());
    for (double& r : slots) {
      r = r < 0.5 ? 0.5 : r;
      r = r > 10 ? 10 : r;
    }
    std::copy(slots.begin(), slots.end(), rating);
  }
}

void MatchEngine::rebuildStrengths() {
  const KernelSide& home = kernel_.side[1];
  const KernelSide& away = kernel_.side[2];
  rebuildStrengthsOfBothSides(kernel_);
  // Morale drifts back towards 1, away club first: below 1 it rises by 0.01,
  // then above 1 it falls by 0.01. Adding 0 leaves any morale of 1 or more as
  // it is, and after the rise no morale is -0, so adding 0 also leaves any of
  // 1 or less alone: neither step needs a branch on a value that wavers about 1.
  for (double* morale : {away.morale, home.morale}) {
    double m = *morale;
    m += m < 1 ? 0.01 : 0.0;
    m += m > 1 ? -0.01 : 0.0;
    *morale = m;
  }
}

}  // namespace kervale
