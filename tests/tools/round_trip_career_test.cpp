// A career of three seasons on the committed world in which every day's game
// is saved to memory and loaded back: none is refused.
#include <gtest/gtest.h>

#include <string>

#include "sim_run.h"
#include "support/sanitized.h"

namespace {

using kervale::test::kSanitized;

// Three seasons and the start of a fourth; the sanitizer build, many times
// slower, plays a few weeks.
constexpr int kDays = kSanitized ? 120 : 1100;

TEST(RoundTripCareer, EveryDaysSaveLoadsBack) {
  const std::string days = std::to_string(kDays);
  const auto run = kervale::test::runSim(
      {"--world", KERVALE_WORLD_DIR, "--seed", "5", "--club", "230", "--days", days, "--round-trip"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.values().at("round_trips"), days);
  if (!kSanitized) {
    EXPECT_EQ(run.all("season").size(), 3u) << run.out;
  }
}

}  // namespace
