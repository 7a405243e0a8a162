// The value ranges admit everything play produces: a save made after most of
// a season on the committed world loads back whole.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/csv.h"
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

// The reported career's fourth season, where runs of away defeats have taken
// clubs' fan demand below the home floor of 0.1 (on this world, one below 0).
TEST(PlayedSave, AClubsFanDemandBelowTheFloorLoadsBack) {
  kervale::test::TempDir out;
  const auto file = out.path() / "x.usa";
  const auto run = kervale::test::runSim(
      {"--world", KERVALE_WORLD_DIR, "--seed", "3", "--club", "60", "--days", "1203", "--save", file.string()});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto game = kervale::readSavedGame(file, *kervale::makeEmptyGame());
  double lowest = game->TeamFanDemand(1);
  for (int c = 1; c <= kervale::kLastClub; ++c) lowest = std::min(lowest, game->TeamFanDemand(c));
  EXPECT_LT(lowest, 0.1);
  const auto loaded = kervale::test::runSim({"--world", KERVALE_WORLD_DIR, "--load", file.string(), "--days", "0"});
  EXPECT_EQ(loaded.status, 0) << loaded.err;
}

// A week's play takes a hand-edited count one past its top: the runner's save
// is refused with the reason, and the good save of that name is kept.
TEST(PlayedSave, ASaveTheLoadWouldRefuseKeepsTheGoodFile) {
  kervale::test::TempDir out;
  const auto good = out.path() / "career.usa";
  const auto run = kervale::test::runSim(
      {"--world", KERVALE_WORLD_DIR, "--seed", "2", "--club", "60", "--days", "800", "--save", good.string()});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string goodText = kervale::readWholeFile(good);
  auto edited = kervale::readSavedGame(good, *kervale::makeEmptyGame());
  edited->TeamGames(60) = 104;
  const auto edge = out.path() / "edge.usa";
  kervale::writeSavedGame(edge, *edited);

  const auto played = kervale::test::runSim(
      {"--world", KERVALE_WORLD_DIR, "--load", edge.string(), "--days", "7", "--save", good.string()});
  EXPECT_NE(played.status, 0);
  EXPECT_NE(played.err.find("career.usa: TeamGames(60) is 105, outside 0 to 104"), std::string::npos) << played.err;
  EXPECT_EQ(kervale::readWholeFile(good), goodText);

  // A round trip each day stops on the day that takes it past.
  const auto checked =
      kervale::test::runSim({"--world", KERVALE_WORLD_DIR, "--load", edge.string(), "--days", "7", "--round-trip"});
  EXPECT_NE(checked.status, 0);
  EXPECT_NE(checked.err.find("day 4: the game saved that day is refused: TeamGames(60) is 105, outside 0 to 104"),
            std::string::npos)
      << checked.err;
}

}  // namespace
