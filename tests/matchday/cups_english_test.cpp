// The English cup: two stages with replays and the draw of the third.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

#include "data/mls_module.h"
#include "matchday/cups.h"
#include "matchday/cups_support.h"
#include "matchday/fixture_check.h"
#include "support/scripted_dialogs.h"

namespace kervale {
namespace {

using test::clubsOf;
using test::CupDriver;
using test::placesOf;
using test::tieIn;

class EnglishCup : public ::testing::Test {
 protected:
  EnglishCup() {
    g->MyTeam = 60;
    for (int c = 53; c <= 148; ++c) g->TeamCupEntry(c) = 16;
  }
  void firstStage(const std::vector<int>& clubs) {
    for (int i = 0; i < static_cast<int>(clubs.size()); ++i) g->USCupPrelimTeam(i + 1) = clubs[i];
    for (int i = 1; i < static_cast<int>(clubs.size()); i += 2) {
      fixturecheck(*g, CInt(g->USCupPrelimTeam(i)), CInt(g->USCupPrelimTeam(i + 1)), 72, 3);
    }
  }
  void play(int round) {
    g->CurrentWeek = round;
    driver.playRound(*g);
  }

  std::unique_ptr<MLSModule> g = makeEmptyGame();
  CupDriver driver;
  test::ScriptedDialogs dialogs;
};

TEST_F(EnglishCup, ALevelFirstMatchIsReplayedAtTheOtherGround) {
  firstStage({53, 54, 55, 56, 57, 58});
  g->EnglishCupEntrant.fill(99);  // last season's entrants
  driver.decide = [](int home, int away) {
    if (home == 53) return std::pair{1, 1};
    return home < away ? std::pair{2, 0} : std::pair{0, 1};
  };
  play(72);
  EXPECT_EQ(placesOf(g->EnglishCupEntrant, 4), (std::vector<int>{55, 57, 0, 0}));
  EXPECT_TRUE(g->USCupPrelimResult(1).isEmpty());
  EXPECT_EQ(g->USCupPrelimResult(3), 2);
  EXPECT_EQ(g->USCupPrelimResult(4), 0);
  EXPECT_TRUE(tieIn(*g, 54, 53, 74, 2));  // a knockout tie: overtime and penalties decide it

  driver.decide = [](int, int) { return std::pair{3, 1}; };  // 54 wins its home replay
  play(74);
  EXPECT_EQ(g->EnglishCupEntrant(3), 54);
  EXPECT_EQ(g->USCupPrelimResult(1), 1);  // each club's goals in its own place
  EXPECT_EQ(g->USCupPrelimResult(2), 3);
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
  EXPECT_EQ(clubsOf(g->USCupRound1Team, 64), std::multiset<int>(expected.begin(), expected.end()));
  EXPECT_EQ(test::tiesIn(*g, 83, 3), 32);
  for (int i = 1; i <= 63; i += 2) {
    EXPECT_TRUE(tieIn(*g, CInt(g->USCupRound1Team(i)), CInt(g->USCupRound1Team(i + 1)), 83, 3));
  }
}

TEST_F(EnglishCup, AStageNotPlayedThisSeasonDrawsNothing) {
  // Last season's lists and brackets, and no tie in the grid.
  for (int i = 1; i <= 20; ++i) g->EnglishCupEntrant(i) = 52 + i;
  for (int i = 1; i <= 60; ++i) g->USCupPrelimTeam(i) = 52 + i;
  g->USCupRound1Team(1) = 80;
  for (int round : {72, 74, 83, 86}) play(round);
  EXPECT_EQ(g->USCupRound1Team(1), 80);
  EXPECT_EQ(placesOf(g->USCupRound2Team, 2), (std::vector<int>{0, 0}));
  EXPECT_EQ(test::tiesIn(*g, 83, 3) + test::tiesIn(*g, 94, 3), 0);
}

TEST_F(EnglishCup, AnAmericanGameKeepsNoEnglishCup) {
  g->MyTeam = 3;
  firstStage({53, 54});
  play(72);
  EXPECT_EQ(g->EnglishCupEntrant(1), 0);
  EXPECT_TRUE(g->USCupPrelimResult(1).isEmpty());
}

}  // namespace
}  // namespace kervale
