// The knockout bookkeeping of a matchday: the US Open Cup, the English cup with
// its replays, and the MLS playoffs from the conference ranking to the champion.
#include "matchday/cups.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "data/mls_module.h"
#include "matchday/cups_support.h"
#include "matchday/fixture_check.h"
#include "matchday/standings_order.h"
#include "support/scripted_dialogs.h"

namespace kervale {
namespace {

using test::placesOf;
using test::tieIn;
using test::tiesIn;

// The driver's part in a round, without the match engine: the round's ties in
// ascending order of the home club, scores from `decide`, a level knockout tie
// settled as a shoot-out would (the home side's goals + 1), then the draws.
class Cups : public ::testing::Test {
 protected:
  void play(int round) {
    g->CurrentWeek = round;
    playRound();
  }
  void playRound() {
    counter = 1;
    const int w = CInt(g->CurrentWeek);
    for (int club = 1; club <= kLastClub; ++club) {
      const int away = g->FixtureOpponent(club, w);
      if (g->FixtureVenue(club, w) != 1 || away == 0) continue;
      const int code = g->FixtureCompetition(club, w);
      auto [hg, ag] = decide(club, away);
      g->FixtureScore(club, w) = static_cast<std::int16_t>(hg);
      g->FixtureScore(away, w) = static_cast<std::int16_t>(ag);
      if (code != 2 && code != 3) continue;
      if (code == 2 && hg == ag) ++hg;
      const PlayedTie tie{club, away, hg, ag};
      recordCupMatch(*g, RoundWinners{roundwinners, counter}, tie);
      recordPlayoffMatch(*g, tie);
    }
    drawCupRounds(*g, RoundWinners{roundwinners, counter});
    schedulePlayoffs(*g);
    runSixClubPhase(*g, ".");
  }

  std::unique_ptr<MLSModule> g = makeEmptyGame();
  Table1<int, 64> roundwinners{"roundwinners"};
  int counter = 1;
  // Goals of (home, away); by default the club with the smaller number wins 2-1.
  std::function<std::pair<int, int>(int home, int away)> decide = [](int home, int away) {
    return home < away ? std::pair{2, 1} : std::pair{1, 2};
  };
  test::ScriptedDialogs dialogs;
};

class USOpenCup : public Cups {
 protected:
  USOpenCup() {
    g->MyTeam = 1;
    g->CurrentSeason = 1;
    for (int c = 1; c <= kLastClub; ++c) g->TeamName(c) = "Club" + std::to_string(c);
  }
  // Places clubs into round 1's bracket and its ties into round 48, then plays it.
  void playFirstRound(const std::vector<int>& clubs) {
    for (int i = 0; i < static_cast<int>(clubs.size()); ++i) g->USCupRound1Team(i + 1) = clubs[i];
    for (int i = 1; i <= 51; i += 2) {
      fixturecheck(*g, CInt(g->USCupRound1Team(i)), CInt(g->USCupRound1Team(i + 1)), 48, 2);
    }
    play(48);
  }
};

TEST_F(USOpenCup, WinnersInTheOrderPlayedThenTheByesMakeTheNextRound) {
  // Clubs left over in the list from an earlier matchday must not come back.
  roundwinners.fill(99);
  decide = [](int home, int) { return home == 3 ? std::pair{0, 1} : std::pair{2, 1}; };
  playFirstRound({11, 5, 0, 7, 9, 0, 3, 13});

  // Ties in ascending order of the home club: 3 v 13 (13 through), then 11 v 5.
  std::vector<int> next{13, 11, 7, 9};
  next.resize(32);
  EXPECT_EQ(placesOf(g->USCupRound2Team, 32), next);
  EXPECT_EQ(placesOf(g->USCupRound1Result, 8), (std::vector<int>{2, 1, 0, 0, 0, 0, 0, 1}));
  EXPECT_TRUE(g->USCupRound1Result(3).isEmpty());  // a bye has no result
  EXPECT_TRUE(tieIn(*g, 13, 11, 54, 2));
  EXPECT_TRUE(tieIn(*g, 7, 9, 54, 2));
  EXPECT_EQ(tiesIn(*g, 54, 2), 2);
}

TEST_F(USOpenCup, AShootOutWinnerIsRecordedWithItsExtraGoal) {
  decide = [](int, int) { return std::pair{1, 1}; };  // level: the driver's shoot-out gives home 2-1
  playFirstRound({4, 6});
  EXPECT_EQ(placesOf(g->USCupRound1Result, 2), (std::vector<int>{2, 1}));
  EXPECT_EQ(g->FixtureScore(4, 48), 1);  // the grid keeps the score of play
  EXPECT_EQ(g->USCupRound2Team(1), 4);
}

TEST_F(USOpenCup, TheFinalWritesTheHistoryOnlyForASeasonOfTheTable) {
  decide = [](int, int) { return std::pair{0, 2}; };
  for (double season : {0.0, -1.0, 101.0, 100.0}) {
    SCOPED_TRACE(season);
    g->CurrentSeason = season;
    g->CupWinnerHistory(0) = 7;
    g->USCupFinalTeam(1) = 3;
    g->USCupFinalTeam(2) = 8;
    g->CurrentWeek = 78;
    fixturecheck(*g, 3, 8, 78, 2);
    dialogs.answer(ui::MsgResult::OK);
    playRound();
    EXPECT_EQ(placesOf(g->USCupFinalResult, 2), (std::vector<int>{0, 2}));
    EXPECT_EQ(g->CupWinnerHistory(0), 7);  // the seed stays
    if (season == 100) {
      EXPECT_EQ(g->CupWinnerHistory(100), 8);
    }
    EXPECT_EQ(dialogs.last().text, "Club8 has won the" + Str(2002 + season) + " US Open Cup");
  }
}

TEST_F(USOpenCup, NoBracketIsDrawnWithoutTheCupOrItsTies) {
  // A game without the cup keeps no bracket.
  g->TeamCupEntry(1) = 9;
  playFirstRound({4, 6, 8, 0});
  EXPECT_TRUE(g->USCupRound1Result(1).isEmpty());
  EXPECT_EQ(placesOf(g->USCupRound2Team, 2), (std::vector<int>{0, 0}));
  EXPECT_EQ(tiesIn(*g, 54, 2), 0);

  // Last season's brackets are still there, but no tie stands in round 48.
  g = makeEmptyGame();
  for (int i = 1; i <= 8; ++i) g->USCupRound1Team(i) = i % 2 == 0 ? 0 : 20 + i;
  g->USCupRound2Team(1) = 40;
  g->CurrentWeek = 48;
  playRound();
  EXPECT_EQ(g->USCupRound2Team(1), 40);
  EXPECT_EQ(tiesIn(*g, 54, 2), 0);
}

TEST_F(USOpenCup, ACupMatchOutsideTheBracketIsNoRoundWinner) {
  fixturecheck(*g, 2, 3, 48, 2);  // some other knockout tie on the cup's round
  playFirstRound({4, 6});
  EXPECT_EQ(placesOf(g->USCupRound2Team, 3), (std::vector<int>{4, 0, 0}));
}

class EnglishCup : public Cups {
 protected:
  EnglishCup() {
    g->MyTeam = 60;
    for (int c = 53; c <= 148; ++c) g->TeamCupEntry(c) = 16;
  }
  void firstStage(const std::vector<int>& clubs) {
    for (int i = 0; i < static_cast<int>(clubs.size()); ++i) g->USCupPrelimTeam(i + 1) = clubs[i];
    for (int i = 0; i + 1 < static_cast<int>(clubs.size()); i += 2) fixturecheck(*g, clubs[i], clubs[i + 1], 72, 3);
  }
};

TEST_F(EnglishCup, ALevelFirstMatchIsReplayedAtTheOtherGround) {
  firstStage({53, 54, 55, 56, 57, 58});
  g->EnglishCupEntrant.fill(99);  // last season's entrants
  decide = [](int home, int away) {
    if (home == 53) return std::pair{1, 1};
    return home < away ? std::pair{2, 0} : std::pair{0, 1};
  };
  play(72);
  EXPECT_EQ(placesOf(g->EnglishCupEntrant, 4), (std::vector<int>{55, 57, 0, 0}));
  EXPECT_TRUE(g->USCupPrelimResult(1).isEmpty());
  EXPECT_EQ(placesOf(g->USCupPrelimResult, 4), (std::vector<int>{0, 0, 2, 0}));
  EXPECT_TRUE(tieIn(*g, 54, 53, 74, 2));  // a knockout tie: overtime and penalties decide it

  decide = [](int, int) { return std::pair{3, 1}; };  // 54 wins its home replay
  play(74);
  EXPECT_EQ(g->EnglishCupEntrant(3), 54);
  EXPECT_EQ(placesOf(g->USCupPrelimResult, 2), (std::vector<int>{1, 3}));  // each club's goals in its own place
}

TEST_F(EnglishCup, LeagueClubsOfNoFirstStageJoinAfterItsWinnersAndNeverPastTheEnd) {
  firstStage({53, 54, 55, 56});
  for (int i = 1; i <= 64; ++i) g->USCupRound1Team(i) = 200 + i;  // an old, full bracket
  play(72);
  play(74);
  // Two winners, then clubs 57, 58, ... up to the table's end.
  std::vector<int> expected = {53, 55};
  for (int c = 57; expected.size() < 64; ++c) expected.push_back(c);
  EXPECT_EQ(placesOf(g->EnglishCupEntrant, 64), expected);
  EXPECT_EQ(test::clubsOf(g->USCupRound1Team, 64), std::multiset<int>(expected.begin(), expected.end()));
  EXPECT_EQ(tiesIn(*g, 83, 3), 32);
  for (int i = 1; i <= 63; i += 2) {
    EXPECT_TRUE(tieIn(*g, CInt(g->USCupRound1Team(i)), CInt(g->USCupRound1Team(i + 1)), 83, 3));
  }
}

TEST_F(EnglishCup, NoStageIsDrawnWithoutItsTiesOrInAnAmericanGame) {
  // Last season's lists and brackets, and no tie in the grid.
  for (int i = 1; i <= 20; ++i) g->EnglishCupEntrant(i) = 52 + i;
  for (int i = 1; i <= 60; ++i) g->USCupPrelimTeam(i) = 52 + i;
  g->USCupRound1Team(1) = 80;
  for (int round : {72, 74, 83, 86}) play(round);
  EXPECT_EQ(g->USCupRound1Team(1), 80);
  EXPECT_EQ(placesOf(g->USCupRound2Team, 2), (std::vector<int>{0, 0}));
  EXPECT_EQ(tiesIn(*g, 83, 3) + tiesIn(*g, 94, 3), 0);

  g = makeEmptyGame();
  g->MyTeam = 3;
  firstStage({53, 54});
  play(72);
  EXPECT_EQ(g->EnglishCupEntrant(1), 0);
  EXPECT_TRUE(g->USCupPrelimResult(1).isEmpty());
}

// Twelve MLS clubs: East 1..6, West 7..12, stored in club order.
class Playoffs : public Cups {
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
  EXPECT_TRUE(tieIn(*g, 1, 5, 83, 2));
  EXPECT_TRUE(tieIn(*g, 5, 1, 84, 2));
}

TEST_F(Playoffs, TheSecondLegDecidesWithTheVisitorsGoalsCountedTwice) {
  standings();
  play(82);
  play(83);
  // E1 5 v E4 1 won 1-0 at home: through. E2 6 v E3 3 won 2-1: 2 > 2 fails, 3 goes through.
  // W1 12 v W4 9 lost 0-1. W2 7 v W3 8 drawn 1-1: 7 wins the shoot-out, 2-1 on the
  // record, and still 8 goes through (2 > 2 fails).
  decide = [](int home, int) {
    const std::map<int, std::pair<int, int>> scores{{5, {1, 0}}, {6, {2, 1}}, {12, {0, 1}}};
    return scores.count(home) ? scores.at(home) : std::pair{1, 1};
  };
  play(84);
  EXPECT_EQ(placesOf(g->PlayoffQFResult, 8), (std::vector<int>{1, 0, 2, 2, 0, 2, 2, 2}));
  EXPECT_EQ(placesOf(g->PlayoffSFTeam, 4), (std::vector<int>{5, 3, 9, 8}));
  EXPECT_TRUE(tieIn(*g, 5, 3, 85, 2));
  EXPECT_TRUE(tieIn(*g, 9, 8, 85, 2));
}

TEST_F(Playoffs, TheFinalIsAtTheGroundOfTheFinalistWithMorePoints) {
  standings();
  play(82);
  play(83);
  play(84);  // the smaller club number wins every tie 2-1
  ASSERT_EQ(placesOf(g->PlayoffSFTeam, 4), (std::vector<int>{1, 3, 9, 8}));
  play(85);
  EXPECT_EQ(placesOf(g->PlayoffSFResult, 4), (std::vector<int>{2, 1, 1, 2}));  // 9 lost at home to 8
  // East winner 1 has 15 points, West winner 8 has 30: the West's finalist is at home.
  EXPECT_TRUE(tieIn(*g, 8, 1, 86, 2));
  EXPECT_EQ(g->MLSFinalTeam1, 8);
  EXPECT_EQ(g->MLSFinalTeam2, 1);
}

TEST_F(Playoffs, OnEqualPointsTheEastFinalistIsAtHome) {
  const int clubs[] = {4, 5, 9, 10}, goals[] = {0, 1, 3, 1};
  for (int i = 0; i < 4; ++i) {
    g->PlayoffSFTeam(i + 1) = clubs[i];
    g->PlayoffSFResult(i + 1) = goals[i];
  }
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
  EXPECT_EQ(tiesIn(*g, 83, 2) + tiesIn(*g, 84, 2), 0);
  EXPECT_TRUE(tieIn(*g, 5, 6, 85, 2));
  EXPECT_TRUE(tieIn(*g, 12, 7, 85, 2));

  decide = [](int home, int) { return home == 5 ? std::pair{0, 1} : std::pair{4, 2}; };
  play(85);
  EXPECT_EQ(g->PlayoffEastHomeScore, 0);
  EXPECT_EQ(g->PlayoffEastAwayScore, 1);
  EXPECT_EQ(g->PlayoffWestHomeScore, 4);
  EXPECT_EQ(g->PlayoffWestAwayScore, 2);
  EXPECT_TRUE(tieIn(*g, 12, 6, 86, 2));  // 36 points against 19

  decide = [](int, int) { return std::pair{1, 1}; };  // the shoot-out goes to the home side
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
