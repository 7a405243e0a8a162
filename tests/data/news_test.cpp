#include "data/news.h"

#include <gtest/gtest.h>

#include <string>

namespace kervale {
namespace {

TEST(NewsTest, ClubNewsFillsEveryLineOfTheTableThenDrops) {
  auto game = makeEmptyGame();
  for (int k = 0; k <= 6; ++k) EXPECT_TRUE(addClubNews(*game, "letter " + std::to_string(k)));
  addClubNews(*game, "Next match: ...");  // follows the chairman's letter
  EXPECT_EQ(game->ClubNewsLine(6), "letter 6");
  EXPECT_EQ(game->ClubNewsLine(7), "Next match: ...");
  EXPECT_EQ(game->ClubNewsCount, 8);
  int kept = 8;
  for (int k = 8; k < 70; ++k) kept += addClubNews(*game, "line " + std::to_string(k)) ? 1 : 0;
  EXPECT_EQ(kept, 51);
  EXPECT_EQ(game->ClubNewsCount, 50);  // the count never passes the last index
  EXPECT_EQ(game->ClubNewsLine(49), "line 49");
  EXPECT_EQ(game->ClubNewsLine(50), "line 50");
}

TEST(NewsTest, HeadlinesFollowTheSameConvention) {
  auto game = makeEmptyGame();
  for (int k = 0; k < 400; ++k) addHeadline(*game, "h" + std::to_string(k));
  EXPECT_EQ(game->HeadlineCount, 300);
  EXPECT_EQ(game->Headlines(0), "h0");
  EXPECT_EQ(game->Headlines(299), "h299");
  EXPECT_EQ(game->Headlines(300), "h300");
  EXPECT_FALSE(addHeadline(*game, "one more"));
  EXPECT_EQ(game->Headlines(300), "h300");
}

TEST(NewsTest, CountsSetOutsideTheTableNeverWriteOutsideIt) {
  auto game = makeEmptyGame();
  game->ClubNewsCount = 9999;
  EXPECT_TRUE(addClubNews(*game, "x"));  // the last line was still free
  EXPECT_EQ(game->ClubNewsLine(50), "x");
  EXPECT_EQ(game->ClubNewsCount, 50);
  EXPECT_FALSE(addClubNews(*game, "y"));
  EXPECT_EQ(game->ClubNewsLine(50), "x");
  game->ClubNewsCount = -4;
  EXPECT_TRUE(addClubNews(*game, "first"));
  EXPECT_EQ(game->ClubNewsLine(0), "first");
  EXPECT_EQ(game->ClubNewsCount, 1);
  game->HeadlineCount = -32768;
  EXPECT_TRUE(addHeadline(*game, "h"));
  EXPECT_EQ(game->Headlines(0), "h");
  game->ClubNewsCount = 2.7;  // a fraction counts as the line below
  addClubNews(*game, "third");
  EXPECT_EQ(game->ClubNewsLine(2), "third");
}

TEST(NewsTest, ClearingEmptiesBothLists) {
  auto game = makeEmptyGame();
  addClubNews(*game, "a");
  game->Headlines(300) = "stale";
  clearNews(*game);
  EXPECT_EQ(game->ClubNewsCount, 0);
  EXPECT_EQ(game->HeadlineCount, 0);
  EXPECT_EQ(game->ClubNewsLine(0), "");
  EXPECT_EQ(game->Headlines(300), "");
}

}  // namespace
}  // namespace kervale
