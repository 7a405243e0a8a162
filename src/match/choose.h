#pragma once

#include <bit>
#include <cstdint>

namespace kervale {

// ifTrue or ifFalse without a branch, for a condition the predictor cannot
// guess (a drawn outcome): a few bit operations cost less than the branch's
// frequent mispredictions. The compiler keeps a plain choice of doubles a branch.
inline double choose(bool condition, double ifTrue, double ifFalse) {
  const std::uint64_t mask = 0 - static_cast<std::uint64_t>(condition);
  return std::bit_cast<double>((std::bit_cast<std::uint64_t>(ifTrue) & mask) |
                               (std::bit_cast<std::uint64_t>(ifFalse) & ~mask));
}

}  // namespace kervale
