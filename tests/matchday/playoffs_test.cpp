// The MLS playoffs from the conference ranking to the champion, and the A-League's top four.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "data/mls_module.h"
#include "matchday/cups.h"
#include "matchday/cups_support.h"
#include "matchday/standings_order.h"
#include "support/scripted_dialogs.h"

namespace kervale {
namespace {

using test::CupDriver;
using test::placesOf;
using test::tieIn;

// Twelve MLS clubs: East 1..6, West 7..12, stored in club order.
class Playoffs : public ::testing::Test {
 protected:
  Playoffs() {
    g->MyTeam = 2;
    g->CurrentSeason = 2;
    g->PlayoffTeams = 8;
    g->MLSMatchesPerRound = 6;
    for (int i = 1; i <= 6; ++i) {
      g->EastOrder(i) = i;
      g->WestOrder(i) = 6 + i;
    }
    for (int i = 1; i <= 18; ++i) g->ALeagueOrder(i) = 16 + i;
  }
  void points(int club, int wins, int draws, int gd = 0) {
    g->TeamWins(club) = wins;
    g->TeamDraws(club) = draws;
    g->TeamGoalsFor(club) = 20 + gd;
    g->TeamGoalsAgainst(club) = 20;
  }
  // East: 5, 6, 3, 1, 4, 2 in table order; West: 12, 7, 8, 9, 10, 11.
  void standings() {
    points(5, 9, 0);
    points(3, 6, 1, 1);
    points(6, 6, 1, 4);  // 19 points like club 3, stored after it, ahead on goal difference
    points(1, 5, 0);
    points(4, 4, 0);
    points(2, 1, 0);
    points(12, 12, 0);
    for (int c = 7; c <= 11; ++c) points(c, 18 - c, 0);
  }
  void play(int round) {
    g->CurrentWeek = round;
    driver.playRound(*g);
  }

  std::unique_ptr<MLSModule> g = makeEmptyGame();
  CupDriver driver;
  test::ScriptedDialogs dialogs;
};

TEST_F(Playoffs, EightClubsAreSeededFromTheStandingsOrderInBothConferences) {
  standings();
  g->PlayoffSFTeam(1) = 40;  // last season's bracket
  g->MLSFinalScore1 = 3;
  play(82);
  EXPECT_EQ(placesOf(g->EastOrder, 6), (std::vector<int>{5, 6, 3, 1, 4, 2}));
  EXPECT_EQ(placesOf(g->WestOrder, 6), (std::vector<int>{12, 7, 8, 9, 10, 11}));
  EXPECT_EQ(placesOf(g->PlayoffQFTeam, 8), (std::vector<int>{5, 1, 6, 3, 12, 9, 7, 8}));
  EXPECT_EQ(placesOf(g->PlayoffSFTeam, 4), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_TRUE(g->MLSFinalScore1.isEmpty());
  // The higher seed is away in the first leg and at home in the second.
  for (int i = 1; i <= 7; i += 2) {
    const int higher = CInt(g->PlayoffQFTeam(i));
    const int lower = CInt(g->PlayoffQFTeam(i + 1));
    EXPECT_TRUE(tieIn(*g, lower, higher, 83, 2));
    EXPECT_TRUE(tieIn(*g, higher, lower, 84, 2));
  }
}

TEST_F(Playoffs, TheSecondLegDecidesWithTheVisitorsGoalsCountedTwice) {
  standings();
  play(82);
  play(83);
  // E1 5 v E4 1 won 1-0 at home: through. E2 6 v E3 3 won 2-1: 2 > 2 fails, 3 goes through.
  // W1 12 v W4 9 lost 0-1. W2 7 v W3 8 drawn 1-1: 7 wins the shoot-out, 2-1 on the
  // record, and still 8 goes through (2 > 2 fails).
  driver.decide = [](int home, int) {
    switch (home) {
      case 5:
        return std::pair{1, 0};
      case 6:
        return std::pair{2, 1};
      case 12:
        return std::pair{0, 1};
      default:
        return std::pair{1, 1};
    }
  };
  play(84);
  EXPECT_EQ(g->PlayoffQFResult(1), 1);
  EXPECT_EQ(g->PlayoffQFResult(2), 0);
  EXPECT_EQ(g->PlayoffQFResult(3), 2);
  EXPECT_EQ(g->PlayoffQFResult(4), 2);
  EXPECT_EQ(g->PlayoffQFResult(5), 0);
  EXPECT_EQ(g->PlayoffQFResult(6), 2);
  EXPECT_EQ(g->PlayoffQFResult(7), 2);
  EXPECT_EQ(g->PlayoffQFResult(8), 2);
  EXPECT_EQ(placesOf(g->PlayoffSFTeam, 4), (std::vector<int>{5, 3, 9, 8}));
  EXPECT_TRUE(tieIn(*g, 5, 3, 85, 2));
  EXPECT_TRUE(tieIn(*g, 9, 8, 85, 2));
}

TEST_F(Playoffs, TheFinalIsAtTheGroundOfTheFinalistWithMorePointsAndCrownsTheChampion) {
  standings();
  play(82);
  play(83);
  play(84);  // the smaller club number wins every tie 2-1
  ASSERT_EQ(placesOf(g->PlayoffSFTeam, 4), (std::vector<int>{1, 3, 9, 8}));
  play(85);
  EXPECT_EQ(g->PlayoffSFResult(1), 2);
  EXPECT_EQ(g->PlayoffSFResult(2), 1);
  EXPECT_EQ(g->PlayoffSFResult(3), 1);  // 9 lost at home to 8
  EXPECT_EQ(g->PlayoffSFResult(4), 2);
  // East winner 1 has 15 points, West winner 8 has 30: the West's finalist is at home.
  EXPECT_TRUE(tieIn(*g, 8, 1, 86, 2));
  EXPECT_EQ(g->MLSFinalTeam1, 8);
  EXPECT_EQ(g->MLSFinalTeam2, 1);

  driver.decide = [](int, int) { return std::pair{0, 3}; };
  play(86);
  EXPECT_EQ(g->MLSFinalScore1, 0);
  EXPECT_EQ(g->MLSFinalScore2, 3);
  EXPECT_EQ(g->MLSChampionHistory(2), 1);
}

TEST_F(Playoffs, OnEqualPointsTheEastFinalistIsAtHome) {
  g->PlayoffSFTeam(1) = 4;
  g->PlayoffSFTeam(2) = 5;
  g->PlayoffSFTeam(3) = 9;
  g->PlayoffSFTeam(4) = 10;
  g->PlayoffSFResult(1) = 0;
  g->PlayoffSFResult(2) = 1;
  g->PlayoffSFResult(3) = 3;
  g->PlayoffSFResult(4) = 1;
  points(5, 4, 2);
  points(9, 4, 2, 7);  // a better goal difference does not count here
  g->CurrentWeek = 85;
  schedulePlayoffs(*g);
  EXPECT_TRUE(tieIn(*g, 5, 9, 86, 2));
}

TEST_F(Playoffs, FourClubsPlayConferenceFinalsAndAFinal) {
  g->PlayoffTeams = 4;
  standings();
  play(82);
  EXPECT_EQ(placesOf(g->PlayoffSFTeam, 4), (std::vector<int>{5, 6, 12, 7}));
  EXPECT_EQ(placesOf(g->PlayoffQFTeam, 8), (std::vector<int>(8, 0)));
  EXPECT_EQ(test::tiesIn(*g, 83, 2) + test::tiesIn(*g, 84, 2), 0);
  EXPECT_TRUE(tieIn(*g, 5, 6, 85, 2));
  EXPECT_TRUE(tieIn(*g, 12, 7, 85, 2));

  driver.decide = [](int home, int) { return home == 5 ? std::pair{0, 1} : std::pair{4, 2}; };
  play(85);
  EXPECT_EQ(g->PlayoffEastHomeScore, 0);
  EXPECT_EQ(g->PlayoffEastAwayScore, 1);
  EXPECT_EQ(g->PlayoffWestHomeScore, 4);
  EXPECT_EQ(g->PlayoffWestAwayScore, 2);
  EXPECT_TRUE(tieIn(*g, 12, 6, 86, 2));  // 36 points against 19

  driver.decide = [](int, int) { return std::pair{1, 1}; };  // the shoot-out goes to the home side
  play(86);
  EXPECT_EQ(g->MLSFinalScore1, 2);
  EXPECT_EQ(g->MLSFinalScore2, 1);
  EXPECT_EQ(g->MLSChampionHistory(2), 12);
}

TEST_F(Playoffs, AChampionOfASeasonOutsideTheTableIsNotWritten) {
  g->CurrentSeason = 0;
  g->MLSChampionHistory(0) = 10;
  g->MLSFinalTeam1 = 3;
  g->MLSFinalTeam2 = 9;
  recordPlayoffMatch(*g, PlayedTie{3, 0, 0, 0});  // not the final's pair
  g->CurrentWeek = 86;
  recordPlayoffMatch(*g, PlayedTie{9, 3, 2, 0});
  EXPECT_EQ(g->MLSFinalScore1, 0);  // club 3's goals
  EXPECT_EQ(g->MLSFinalScore2, 2);
  EXPECT_EQ(g->MLSChampionHistory(0), 10);
  g->CurrentSeason = 101;
  recordPlayoffMatch(*g, PlayedTie{9, 3, 2, 0});
  EXPECT_EQ(g->MLSChampionHistory(100), 0);
}

TEST_F(Playoffs, AnEnglishGameHasNoMLSPlayoffs) {
  g->MyTeam = 70;
  standings();
  play(82);
  EXPECT_EQ(placesOf(g->PlayoffQFTeam, 8), (std::vector<int>(8, 0)));
  EXPECT_EQ(test::tiesIn(*g, 83, 2), 0);
}

TEST_F(Playoffs, TheALeagueTopFourAreCopiedEveryMatchday) {
  for (int c = 17; c <= 34; ++c) points(c, c % 5, 0, c % 3);
  g->CurrentWeek = 12;
  schedulePlayoffs(*g);
  // Points 12 for 19, 24, 29, 34 (4 wins); goal difference 1, 0, 2, 1.
  EXPECT_EQ(placesOf(g->ALeaguePlayoffSFTeam, 4), (std::vector<int>{29, 19, 34, 24}));
  for (int i = 1; i < 18; ++i) {
    EXPECT_FALSE(ranksAbove(*g, CInt(g->ALeagueOrder(i + 1)), CInt(g->ALeagueOrder(i)))) << i;
  }
}

}  // namespace
}  // namespace kervale
