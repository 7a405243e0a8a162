#include "data/season_rounds.h"

#include <gtest/gtest.h>

namespace kervale {
namespace {

TEST(SeasonRoundsTest, PlayedRoundsCountFromRound42RoundTheWrap) {
  struct Case {
    int round, current;
    bool played;
  };
  const Case cases[] = {
      {42, 42, false}, {42, 43, true},  {41, 42, false}, {104, 1, true}, {1, 1, false},
      {1, 2, true},    {39, 40, true},  {40, 40, false}, {43, 1, true},  {100, 80, false},
      {80, 100, true}, {41, 41, false}, {40, 41, true},  {50, 20, true}, {20, 50, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(playedThisSeason(c.round, c.current), c.played) << c.round << " at " << c.current;
  }
}

}  // namespace
}  // namespace kervale
