// kervale-sim --matches: many computer matches of the world's clubs, with their averages.
#include <gtest/gtest.h>

#include <string>

#include "sim_run.h"

namespace {

TEST(SimMatches, PrintsFoulsCardsAndPenaltiesPerMatch) {
  const kervale::test::SimRun run = kervale::test::runSim(
      {"--matches", "400", "--home", "63", "--away", "71", "--seed", "4", "--world", KERVALE_WORLD_DIR});
  ASSERT_EQ(run.status, 0) << run.err;
  auto values = run.values();
  for (const char* key : {"fouls", "yellow_cards", "red_cards", "penalties", "home_goals", "away_goals"}) {
    ASSERT_TRUE(values.count(key)) << key;
  }
  const double fouls = std::stod(values["fouls"]);
  EXPECT_GT(fouls, 15);
  EXPECT_LT(fouls, 40);
  EXPECT_GT(std::stod(values["yellow_cards"]), 0.3);
  EXPECT_LT(std::stod(values["red_cards"]), 0.3);
  EXPECT_LT(std::stod(values["penalties"]), 0.5);
  EXPECT_GT(std::stod(values["home_goals"]) + std::stod(values["away_goals"]), 1);
}

}  // namespace
