// The US Open Cup: results, winners in the order played, byes, draws, the final.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "data/mls_module.h"
#include "matchday/cups.h"
#include "matchday/cups_support.h"
#include "matchday/fixture_check.h"
#include "support/scripted_dialogs.h"

namespace kervale {
namespace {

using test::CupDriver;
using test::placesOf;
using test::tieIn;

class USOpenCup : public ::testing::Test {
 protected:
  USOpenCup() {
    g->MyTeam = 1;
    g->CurrentSeason = 1;
    for (int c = 1; c <= kLastClub; ++c) g->TeamName(c) = "Club" + std::to_string(c);
  }
  // Places clubs into round 1's bracket and its ties into round 48.
  void firstRound(const std::vector<int>& clubs) {
    for (int i = 0; i < static_cast<int>(clubs.size()); ++i) g->USCupRound1Team(i + 1) = clubs[i];
    for (int i = 1; i <= 51; i += 2) {
      fixturecheck(*g, CInt(g->USCupRound1Team(i)), CInt(g->USCupRound1Team(i + 1)), 48, 2);
    }
    g->CurrentWeek = 48;
  }

  std::unique_ptr<MLSModule> g = makeEmptyGame();
  CupDriver driver;
  test::ScriptedDialogs dialogs;
};

TEST_F(USOpenCup, WinnersInTheOrderPlayedThenTheByesMakeTheNextRound) {
  firstRound({11, 5, 0, 7, 9, 0, 3, 13});
  // Clubs left over in the list from an earlier matchday must not come back.
  driver.roundwinners.fill(99);
  driver.decide = [](int home, int) { return home == 3 ? std::pair{0, 1} : std::pair{2, 1}; };
  driver.playRound(*g);

  // Ties in ascending order of the home club: 3 v 13 (13 through), then 11 v 5.
  EXPECT_EQ(placesOf(g->USCupRound2Team, 6), (std::vector<int>{13, 11, 7, 9, 0, 0}));
  EXPECT_EQ(placesOf(g->USCupRound2Team, 32), (std::vector<int>{13, 11, 7, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                                0,  0,  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(g->USCupRound1Result(1), 2);
  EXPECT_EQ(g->USCupRound1Result(2), 1);
  EXPECT_EQ(g->USCupRound1Result(7), 0);
  EXPECT_EQ(g->USCupRound1Result(8), 1);
  EXPECT_TRUE(g->USCupRound1Result(3).isEmpty());  // a bye has no result
  EXPECT_TRUE(tieIn(*g, 13, 11, 54, 2));
  EXPECT_TRUE(tieIn(*g, 7, 9, 54, 2));
  EXPECT_EQ(test::tiesIn(*g, 54, 2), 2);
}

TEST_F(USOpenCup, AShootOutWinnerIsRecordedWithItsExtraGoal) {
  firstRound({4, 6});
  driver.decide = [](int, int) { return std::pair{1, 1}; };  // level: the driver's shoot-out gives home 2-1
  driver.playRound(*g);
  EXPECT_EQ(g->USCupRound1Result(1), 2);
  EXPECT_EQ(g->USCupRound1Result(2), 1);
  EXPECT_EQ(g->FixtureScore(4, 48), 1);  // the grid keeps the score of play
  EXPECT_EQ(g->USCupRound2Team(1), 4);
}

TEST_F(USOpenCup, TheFinalWritesTheHistoryOnlyForASeasonOfTheTable) {
  for (double season : {0.0, -1.0, 101.0, 100.0}) {
    g->CurrentSeason = season;
    g->CupWinnerHistory(0) = 7;
    g->USCupFinalTeam(1) = 3;
    g->USCupFinalTeam(2) = 8;
    g->CurrentWeek = 78;
    fixturecheck(*g, 3, 8, 78, 2);
    driver.decide = [](int, int) { return std::pair{0, 2}; };
    dialogs.answer(ui::MsgResult::OK);
    driver.playRound(*g);
    EXPECT_EQ(g->USCupFinalResult(1), 0);
    EXPECT_EQ(g->USCupFinalResult(2), 2);
    EXPECT_EQ(g->CupWinnerHistory(0), 7) << season;  // the seed stays
    if (season == 100) {
      EXPECT_EQ(g->CupWinnerHistory(100), 8);
    }
    EXPECT_EQ(dialogs.last().text, "Club8 has won the" + Str(2002 + season) + " US Open Cup");
  }
}

TEST_F(USOpenCup, AGameWithoutTheCupKeepsNoBracket) {
  g->TeamCupEntry(1) = 9;
  firstRound({4, 6, 8, 0});
  driver.playRound(*g);
  EXPECT_TRUE(g->USCupRound1Result(1).isEmpty());
  EXPECT_EQ(placesOf(g->USCupRound2Team, 2), (std::vector<int>{0, 0}));
  EXPECT_EQ(test::tiesIn(*g, 54, 2), 0);
}

TEST_F(USOpenCup, ARoundWithoutTiesDrawsNothingFromAnOldBracket) {
  // Last season's brackets are still there, but no tie stands in round 48.
  for (int i = 1; i <= 8; ++i) g->USCupRound1Team(i) = i % 2 == 0 ? 0 : 20 + i;
  g->USCupRound2Team(1) = 40;
  g->CurrentWeek = 48;
  driver.playRound(*g);
  EXPECT_EQ(g->USCupRound2Team(1), 40);
  EXPECT_EQ(test::tiesIn(*g, 54, 2), 0);
}

TEST_F(USOpenCup, ACupMatchOutsideTheBracketIsNoRoundWinner) {
  firstRound({4, 6});
  fixturecheck(*g, 2, 3, 48, 2);  // some other knockout tie on the cup's round
  driver.playRound(*g);
  EXPECT_EQ(placesOf(g->USCupRound2Team, 3), (std::vector<int>{4, 0, 0}));
}

}  // namespace
}  // namespace kervale
