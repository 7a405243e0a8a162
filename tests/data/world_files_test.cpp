#include <gtest/gtest.h>

#include <filesystem>

#include "data/data_files.h"
#include "support/world.h"

namespace kervale {
namespace {

// The game's own data files: every one reads without an error.
TEST(WorldFilesTest, EveryFileOfTheWorldReads) {
  ASSERT_TRUE(test::worldPresent());
  const std::filesystem::path world = test::worldFolder();
  auto game = makeEmptyGame();
  EXPECT_NO_THROW(loadNations(world, *game));
  EXPECT_NO_THROW(loadCommentary(world, *game));
  EXPECT_NO_THROW(loadSkills(world, *game));
  for (const char* names :
       {kUsaFirstNames, kEngFirstNames, kGerFirstNames, kUsaLastNames, kEngLastNames, kGerLastNames}) {
    EXPECT_NO_THROW(readNameList(world, names)) << names;
  }
  EXPECT_NO_THROW(loadClubs(world, *game));
  EXPECT_NO_THROW(loadPlayers(world, *game));
  EXPECT_NO_THROW(loadTacticalFiles(world, *game));
  EXPECT_NO_THROW(loadRefs(world, *game));
  EXPECT_NO_THROW(loadSponsors(world, *game));
  for (const ScheduleLayout& layout : {kMls10Schedule, kMls12Schedule, kFixt12Schedule, kFixt14Schedule,
                                       kFixt18Schedule, kFixt20Schedule, kFixt24Schedule, kFixt6Schedule}) {
    EXPECT_NO_THROW(readSchedule(world, layout)) << layout.fileName;
  }
  if (std::filesystem::exists(world / kMls14Schedule.fileName)) {
    EXPECT_NO_THROW(readSchedule(world, kMls14Schedule));
  }
  EXPECT_GT(game->NumPlayers, 0);
  EXPECT_NE(game->TeamName(1), "");
}

}  // namespace
}  // namespace kervale
