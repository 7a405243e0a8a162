// After a match: player statistics and form, club records, headlines, the
// managers' approval, form letters, league counters and fan demand.
#include <gtest/gtest.h>

#include <string>

#include "data/mls_module.h"
#include "match/match_engine.h"

namespace kervale::test {
namespace {

constexpr int H = 3;
constexpr int A = 5;
constexpr int kWeek = 12;

int playerOf(int club, int slot) { return (club == H ? 0 : 20) + slot; }

class AfterMatch : public ::testing::Test {
 protected:
  AfterMatch() {
    replaceGame(makeEmptyGame());
    MLSModule& g = mls();
    g.CurrentWeek = kWeek;
    g.CurrentSeason = 1;
    g.TeamName(H) = "Harbour";
    g.TeamName(A) = "Ridge";
    for (int club : {H, A}) {
      g.TeamReputation(club) = 50;
      g.ManagerApproval(club) = 0.5;
      g.TeamFanDemand(club) = 0.6;
      g.FixtureOpponent(club, kWeek) = club == H ? A : H;
      g.FixtureVenue(club, kWeek) = club == H ? 1 : 2;
      g.FixtureCompetition(club, kWeek) = 1;
      for (int slot = 1; slot <= 20; ++slot) {
        const int p = playerOf(club, slot);
        g.TeamSquad(slot, club) = p;
        g.PlayerForm(p) = 50;
        // The eleven played; one substitute came on.
        g.MatchRating(slot, club == H ? 1 : 2) = slot <= 11 ? 6.5 : (slot == 14 ? 5 : 0);
      }
    }
    match.hometeam = H;
    match.awayteam = A;
    match.fixtureloop = H;
  }
  ~AfterMatch() override { replaceGame(nullptr); }

  void play(int home, int away) {
    match.homegoals = home;
    match.awaygoals = away;
    match.matchratingsupdate();
    match.updateteams();
  }
  static MLSModule& g() { return mls(); }

  MatchEngine match;
};

TEST_F(AfterMatch, HomeWinInTheLeague) {
  play(3, 1);
  EXPECT_EQ(g().TeamGames(H), 1);
  EXPECT_EQ(g().TeamGames(A), 1);
  EXPECT_EQ(g().TeamWins(H), 1);
  EXPECT_EQ(g().TeamLosses(A), 1);
  EXPECT_EQ(g().TeamDraws(H) + g().TeamLosses(H) + g().TeamWins(A) + g().TeamDraws(A), 0);
  EXPECT_EQ(g().TeamGoalsFor(H), 3);
  EXPECT_EQ(g().TeamGoalsAgainst(H), 1);
  EXPECT_EQ(g().TeamGoalsFor(A), 1);
  EXPECT_EQ(g().TeamGoalsAgainst(A), 3);
  EXPECT_DOUBLE_EQ(g().TeamFanDemand(H), 0.64);
  EXPECT_DOUBLE_EQ(g().TeamFanDemand(A), 0.58);
  EXPECT_DOUBLE_EQ(g().ManagerApproval(H), 0.52);
  EXPECT_DOUBLE_EQ(g().ManagerApproval(A), 0.48);
  EXPECT_EQ(g().TeamForm(H), "W");
  EXPECT_EQ(g().TeamForm(A), "L");

  // Records, each from the club's own side: blank, 3, blank, minus, blank, 1.
  EXPECT_EQ(g().TeamMostGoalsInGame(H), 4);
  EXPECT_EQ(g().TeamMostGoalsText(H), " 3 - 1 vs Ridge, Week 32, 2003");
  EXPECT_EQ(g().TeamMostGoalsText(A), " 1 - 3 at Harbour, Week 32, 2003");
  EXPECT_EQ(g().TeamBiggestWinMargin(H), 2);
  EXPECT_EQ(g().TeamBiggestWinText(H), " 3 - 1 vs Ridge, Week 32, 2003");
  EXPECT_EQ(g().TeamBiggestLossMargin(A), 2);
  EXPECT_EQ(g().TeamBiggestLossText(A), " 1 - 3 at Harbour, Week 32, 2003");
  EXPECT_EQ(g().TeamBiggestLossText(H), "");
  EXPECT_EQ(g().HeadlineCount, 0) << "neither an upset nor a blow-out";

  // Players: the result for every slot, then +0.2 and a game for those who played, -0.5 for the others.
  EXPECT_DOUBLE_EQ(g().PlayerForm(playerOf(H, 2)), 50.7);
  EXPECT_DOUBLE_EQ(g().PlayerForm(playerOf(H, 14)), 50.7);
  EXPECT_DOUBLE_EQ(g().PlayerForm(playerOf(H, 15)), 50.0);
  EXPECT_DOUBLE_EQ(g().PlayerForm(playerOf(A, 2)), 49.8);
  EXPECT_DOUBLE_EQ(g().PlayerForm(playerOf(A, 15)), 49.1);
  EXPECT_EQ(g().PlayerGamesSeason(playerOf(H, 14)), 1);
  EXPECT_EQ(g().PlayerGamesCareer(playerOf(H, 14)), 1);
  EXPECT_EQ(g().PlayerGamesSeason(playerOf(H, 15)), 0) << "an unused substitute plays no game";
  EXPECT_EQ(g().PlayerGamesCareer(playerOf(A, 20)), 0);
  EXPECT_DOUBLE_EQ(g().PlayerRatingSumCareer(playerOf(A, 14)), 5);
  EXPECT_DOUBLE_EQ(g().PlayerRatingSumSeason(playerOf(H, 1)), 6.5);
  EXPECT_DOUBLE_EQ(g().PlayerRatingSumWeek(playerOf(H, 1)), 6.5);
}

TEST_F(AfterMatch, AwayWinInTheLeague) {
  g().TeamForm(H) = "WWWWWWWW";  // the eight newest letters are kept
  g().TeamForm(A) = "DDDDDDDL";
  play(0, 2);
  EXPECT_EQ(g().TeamWins(A), 1);
  EXPECT_EQ(g().TeamLosses(H), 1);
  EXPECT_EQ(g().TeamGoalsFor(A), 2);
  EXPECT_EQ(g().TeamGoalsAgainst(H), 2);
  EXPECT_DOUBLE_EQ(g().TeamFanDemand(H), 0.56);
  EXPECT_DOUBLE_EQ(g().TeamFanDemand(A), 0.62);
  EXPECT_DOUBLE_EQ(g().ManagerApproval(H), 0.46);
  EXPECT_DOUBLE_EQ(g().ManagerApproval(A), 0.53);
  EXPECT_EQ(g().TeamForm(H), "LWWWWWWW");
  EXPECT_EQ(g().TeamForm(A), "WDDDDDDD");
  EXPECT_EQ(g().TeamBiggestWinText(A), " 2 - 0 at Harbour, Week 32, 2003");
  EXPECT_EQ(g().TeamBiggestLossText(H), " 0 - 2 vs Ridge, Week 32, 2003");
  EXPECT_DOUBLE_EQ(g().PlayerForm(playerOf(H, 5)), 49.2);
  EXPECT_DOUBLE_EQ(g().PlayerForm(playerOf(A, 5)), 50.9);
  EXPECT_DOUBLE_EQ(g().PlayerForm(playerOf(A, 16)), 50.2);
}

TEST_F(AfterMatch, GoallessDrawInTheLeague) {
  play(0, 0);
  EXPECT_EQ(g().TeamDraws(H), 1);
  EXPECT_EQ(g().TeamDraws(A), 1);
  EXPECT_EQ(g().TeamGames(H), 1);
  EXPECT_EQ(g().TeamGames(A), 1);
  EXPECT_DOUBLE_EQ(g().TeamFanDemand(H), 0.59);
  EXPECT_DOUBLE_EQ(g().TeamFanDemand(A), 0.61);
  EXPECT_DOUBLE_EQ(g().ManagerApproval(H), 0.49);
  EXPECT_DOUBLE_EQ(g().ManagerApproval(A), 0.5) << "the visitors' manager is not blamed";
  EXPECT_EQ(g().TeamForm(H), "D");
  EXPECT_EQ(g().TeamForm(A), "D");
  EXPECT_EQ(g().TeamMostGoalsInGame(H), 0);
  EXPECT_EQ(g().TeamMostGoalsText(H), "");
  EXPECT_DOUBLE_EQ(g().PlayerForm(playerOf(H, 3)), 50.1);
  EXPECT_DOUBLE_EQ(g().PlayerForm(playerOf(A, 3)), 50.3);
}

TEST_F(AfterMatch, BlowOutsAndUpsetsMakeHeadlines) {
  play(5, 1);
  EXPECT_EQ(g().HeadlineCount, 0) << "a margin of four is no blow-out";
  play(6, 1);
  ASSERT_EQ(g().HeadlineCount, 1);
  EXPECT_EQ(g().Headlines(0), "Harbour blow out Ridge 6 - 1");
  play(1, 7);
  ASSERT_EQ(g().HeadlineCount, 2);
  EXPECT_EQ(g().Headlines(1), "Ridge blow out Harbour 7 - 1");

  g().TeamReputation(A) = 75;  // 25 above: no upset yet
  play(1, 0);
  EXPECT_EQ(g().HeadlineCount, 2);
  g().TeamReputation(A) = 76;
  play(2, 0);
  ASSERT_EQ(g().HeadlineCount, 3);
  EXPECT_EQ(g().Headlines(2), "Harbour have upset Ridge 2 - 0!");
  g().TeamReputation(A) = 20;
  g().TeamReputation(H) = 46;
  play(0, 1);
  ASSERT_EQ(g().HeadlineCount, 4);
  EXPECT_EQ(g().Headlines(3), "Ridge have upset Harbour 1 - 0!");
}

TEST_F(AfterMatch, HeadlinesStayWithinTheirTable) {
  for (int i = 0; i < 310; ++i) play(6, 0);
  EXPECT_EQ(g().HeadlineCount, 300);
  EXPECT_NE(g().Headlines(300), "");  // the last line is held, the ones after it dropped
}

TEST_F(AfterMatch, EqualMarginsAddToTheRecordBiggerOnesReplaceIt) {
  play(2, 0);
  g().CurrentWeek = 14;
  play(3, 1);
  EXPECT_EQ(g().TeamBiggestWinMargin(H), 2);
  EXPECT_EQ(g().TeamBiggestWinText(H), " 2 - 0 vs Ridge, Week 32, 2003, 3 - 1 vs Ridge, Week 34, 2003");
  EXPECT_EQ(g().TeamBiggestLossText(A), " 0 - 2 at Harbour, Week 32, 2003, 1 - 3 at Harbour, Week 34, 2003");
  play(4, 0);
  EXPECT_EQ(g().TeamBiggestWinMargin(H), 4);
  EXPECT_EQ(g().TeamBiggestWinText(H), " 4 - 0 vs Ridge, Week 34, 2003");
  EXPECT_EQ(g().TeamMostGoalsText(H), " 3 - 1 vs Ridge, Week 34, 2003") << "4 goals, not more than before";
}

TEST_F(AfterMatch, ApprovalBelowZeroComesBackToATenth) {
  g().ManagerApproval(H) = 0.01;
  g().ManagerApproval(A) = 0.01;
  play(0, 1);
  EXPECT_DOUBLE_EQ(g().ManagerApproval(H), 0.1);
  EXPECT_DOUBLE_EQ(g().ManagerApproval(A), 0.04);
  g().ManagerApproval(A) = 0.01;
  play(1, 0);
  EXPECT_DOUBLE_EQ(g().ManagerApproval(A), 0.1);
}

TEST_F(AfterMatch, CupMatchesLeaveTheTableAlone) {
  for (int code : {2, 3}) {
    g().FixtureCompetition(H, kWeek) = static_cast<std::int16_t>(code);
    g().FixtureCompetition(A, kWeek) = static_cast<std::int16_t>(code);
    g().TeamFanDemand(H) = 0.05;
    g().TeamFanDemand(A) = 0.05;
    play(2, 1);
    EXPECT_EQ(g().TeamGames(H) + g().TeamGames(A) + g().TeamWins(H) + g().TeamLosses(A), 0);
    EXPECT_EQ(g().TeamGoalsFor(H), 0);
    EXPECT_DOUBLE_EQ(g().TeamFanDemand(H), 0.1) << "the home club's demand has a floor";
    EXPECT_DOUBLE_EQ(g().TeamFanDemand(A), 0.05);
  }
  // The rest of the updates run all the same.
  EXPECT_EQ(g().TeamForm(H), "WW");
  EXPECT_EQ(g().PlayerGamesSeason(playerOf(A, 1)), 2);
}

TEST_F(AfterMatch, FormHasACeilingButNoFloor) {
  g().PlayerForm(playerOf(H, 4)) = 99.9;
  g().PlayerForm(playerOf(H, 16)) = 0.2;
  play(1, 0);
  EXPECT_DOUBLE_EQ(g().PlayerForm(playerOf(H, 4)), 100);
  play(0, 1);
  EXPECT_DOUBLE_EQ(g().PlayerForm(playerOf(H, 16)), 0.2 + 0.5 - 0.5 - 1 - 0.5);
}

}  // namespace
}  // namespace kervale::test
