// The six-club phase's final at the edges of league 12 (clubs 225..237): a
// game of its first or its last club is enough to show the league has
// played, a game of a club beside it is not; the split clears both ends.
#include <gtest/gtest.h>

#include <memory>

#include "data/mls_module.h"
#include "matchday/cups.h"
#include "matchday/cups_support.h"
#include "support/scripted_dialogs.h"

namespace kervale {
namespace {

class SixClubEdges : public ::testing::Test {
 protected:
  SixClubEdges() {
    for (int i = 1; i <= 13; ++i) {
      g->LeagueOrder(i, 12) = 224 + i;
      g->TeamWins(224 + i) = 14 - i;  // the order stands when sorted
    }
  }

  // Whether the final of round 47 is drawn when only `club` has played a game.
  bool finalWhenOnlyPlayed(int club) {
    g->TeamGames(club) = 1;
    g->CurrentWeek = kSixClubFinalDraw;
    runSixClubPhase(*g, KERVALE_WORLD_DIR);
    return test::tiesIn(*g, 47, 2) == 1;
  }

  std::unique_ptr<MLSModule> g = makeEmptyGame();
  test::ScriptedDialogs dialogs;
};

TEST_F(SixClubEdges, AGameOfTheLastClubIsEnoughForTheFinal) {
  EXPECT_TRUE(finalWhenOnlyPlayed(237));
  EXPECT_EQ(g->FixtureOpponent(225, 47), 226) << "the top two meet";
}

TEST_F(SixClubEdges, AGameOfTheFirstClubIsEnoughForTheFinal) { EXPECT_TRUE(finalWhenOnlyPlayed(225)); }

TEST_F(SixClubEdges, GamesOfClubsBesideTheLeagueAreNot) {
  EXPECT_FALSE(finalWhenOnlyPlayed(238));
  EXPECT_FALSE(finalWhenOnlyPlayed(224));
}

TEST_F(SixClubEdges, TheSplitClearsTheFirstAndLastClubsAlike) {
  for (int c : {224, 225, 237, 238}) {
    g->TeamGames(c) = 24;
    g->TeamDraws(c) = 3;
    g->TeamLosses(c) = 5;
    g->TeamGoalsFor(c) = 20;
    g->TeamGoalsAgainst(c) = 19;
  }
  g->CurrentWeek = kSixClubSplit;
  runSixClubPhase(*g, KERVALE_WORLD_DIR);
  for (int c : {225, 237}) {
    EXPECT_EQ(g->TeamGames(c), 0) << c;
    EXPECT_EQ(g->TeamDraws(c), 0) << c;
    EXPECT_EQ(g->TeamLosses(c), 0) << c;
    EXPECT_EQ(g->TeamGoalsFor(c), 0) << c;
    EXPECT_EQ(g->TeamGoalsAgainst(c), 0) << c;
  }
  EXPECT_EQ(g->TeamWins(237), 0) << "the thirteenth gets no head start";
  EXPECT_EQ(g->TeamWins(225), 2) << "the first a head start of two";
  for (int c : {224, 238}) {
    EXPECT_EQ(g->TeamGames(c), 24) << c;
    EXPECT_EQ(g->TeamGoalsFor(c), 20) << c;
  }
}

}  // namespace
}  // namespace kervale
