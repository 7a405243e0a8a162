// The branchless choice of the match gives back either value bit for bit.
#include "match/choose.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace kervale {
namespace {

std::uint64_t bits(double x) { return std::bit_cast<std::uint64_t>(x); }

TEST(Choose, GivesEitherValueExactly) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double a : {0.2, -0.0, 1e300, nan, -7.5}) {
    for (double b : {0.0, -1.25, std::numeric_limits<double>::infinity(), 3.0}) {
      EXPECT_EQ(bits(choose(true, a, b)), bits(a));
      EXPECT_EQ(bits(choose(false, a, b)), bits(b));
    }
  }
}

}  // namespace
}  // namespace kervale
