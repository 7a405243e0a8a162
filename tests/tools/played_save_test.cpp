// The value ranges admit everything play produces: a save made after most of
// a season on the committed world loads back whole.
#include <gtest/gtest.h>

#include "data/mls_module.h"
#include "shell/saved_game.h"
#include "sim_run.h"
#include "support/temp_dir.h"

namespace {

TEST(PlayedSave, AGameAfterManyMatchdaysLoadsBack) {
  kervale::test::TempDir out;
  for (const char* club : {"3", "70"}) {
    const auto file = out.path() / (std::string(club) + ".usa");
    const auto run = kervale::test::runSim(
        {"--world", KERVALE_WORLD_DIR, "--seed", "4", "--club", club, "--days", "250", "--save", file.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NO_THROW(kervale::readSavedGame(file, *kervale::makeEmptyGame())) << "club " << club;
  }
}

// A career's fourth season, where a club's run of away defeats has taken its
// fan demand below 0.
TEST(PlayedSave, AClubsFanDemandBelowZeroLoadsBack) {
  kervale::test::TempDir out;
  const auto file = out.path() / "x.usa";
  const auto run = kervale::test::runSim(
      {"--world", KERVALE_WORLD_DIR, "--seed", "3", "--club", "60", "--days", "1203", "--save", file.string()});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto game = kervale::readSavedGame(file, *kervale::makeEmptyGame());
  EXPECT_LT(game->TeamFanDemand(99), 0);
  const auto loaded = kervale::test::runSim({"--world", KERVALE_WORLD_DIR, "--load", file.string(), "--days", "0"});
  EXPECT_EQ(loaded.status, 0) << loaded.err;
}

}  // namespace
