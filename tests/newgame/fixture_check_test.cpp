#include "matchday/fixture_check.h"

#include <gtest/gtest.h>

#include <memory>

#include "base/random.h"
#include "data/mls_module.h"

namespace kervale {
namespace {

// A match on both rows, as the grid holds it.
void pair(MLSModule& g, int home, int away, int round, int code) {
  g.FixtureOpponent(home, round) = static_cast<std::int16_t>(away);
  g.FixtureOpponent(away, round) = static_cast<std::int16_t>(home);
  g.FixtureCompetition(home, round) = g.FixtureCompetition(away, round) = static_cast<std::int16_t>(code);
  g.FixtureVenue(home, round) = 1;
  g.FixtureVenue(away, round) = 2;
}

// Every club's opponent points back, with the same code and opposite venues.
void expectSymmetric(const MLSModule& g) {
  for (int c = 0; c <= kLastClub; ++c) {
    for (int r = 0; r <= kLastRound; ++r) {
      const int o = g.FixtureOpponent(c, r);
      if (o == 0) continue;
      ASSERT_EQ(g.FixtureOpponent(o, r), c) << "club " << c << " round " << r;
      ASSERT_EQ(g.FixtureCompetition(o, r), g.FixtureCompetition(c, r)) << "club " << c << " round " << r;
      ASSERT_EQ(g.FixtureVenue(o, r) + g.FixtureVenue(c, r), 3) << "club " << c << " round " << r;
    }
  }
}

class FixtureCheckTest : public ::testing::Test {
 protected:
  std::unique_ptr<MLSModule> game = makeEmptyGame();
  MLSModule& g = *game;
};

TEST_F(FixtureCheckTest, TieInFreeRoundChangesOnlyItsTwoRows) {
  pair(g, 30, 31, 53, 1);
  const auto before = std::make_unique<MLSModule>(g);
  fixturecheck(g, 5, 40, 54, 0);
  EXPECT_EQ(g.FixtureOpponent(5, 54), 40);
  EXPECT_EQ(g.FixtureOpponent(40, 54), 5);
  EXPECT_EQ(g.FixtureCompetition(5, 54), 2);  // 0 stands for a knockout tie
  EXPECT_EQ(g.FixtureCompetition(40, 54), 2);
  EXPECT_EQ(g.FixtureVenue(5, 54), 1);
  EXPECT_EQ(g.FixtureVenue(40, 54), 2);
  int changed = 0;
  for (int c = 0; c <= kLastClub; ++c) {
    for (int r = 0; r <= kLastRound; ++r) {
      if (g.FixtureOpponent(c, r) != before->FixtureOpponent(c, r)) ++changed;
    }
  }
  EXPECT_EQ(changed, 2);
}

TEST_F(FixtureCheckTest, CodeIsWrittenAsAsked) {
  fixturecheck(g, 5, 6, 60, 3);
  EXPECT_EQ(g.FixtureCompetition(5, 60), 3);
  fixturecheck(g, 7, 8, 60, 1);
  EXPECT_EQ(g.FixtureCompetition(8, 60), 1);
}

TEST_F(FixtureCheckTest, ByeOrSameClubPlacesNothing) {
  fixturecheck(g, 5, 0, 54, 2);
  fixturecheck(g, 0, 5, 54, 2);
  fixturecheck(g, 5, 5, 54, 2);
  for (int r = 0; r <= kLastRound; ++r) EXPECT_EQ(g.FixtureOpponent(5, r), 0);
}

TEST_F(FixtureCheckTest, ClashMovesWholeToNextFreeRoundKeepingVenues) {
  pair(g, 5, 9, 54, 1);  // 5 at home to 9
  fixturecheck(g, 5, 40, 54, 2);
  EXPECT_EQ(g.FixtureOpponent(5, 55), 9);
  EXPECT_EQ(g.FixtureOpponent(9, 55), 5);
  EXPECT_EQ(g.FixtureCompetition(5, 55), 1);
  EXPECT_EQ(g.FixtureVenue(5, 55), 1);
  EXPECT_EQ(g.FixtureVenue(9, 55), 2);
  EXPECT_EQ(g.FixtureOpponent(5, 54), 40);
  EXPECT_EQ(g.FixtureOpponent(9, 54), 0);
  EXPECT_EQ(g.FixtureCompetition(9, 54), 0);
  expectSymmetric(g);
}

TEST_F(FixtureCheckTest, MovedCupTieKeepsItsCode) {
  pair(g, 9, 5, 54, 2);  // a knockout tie on both rows
  pair(g, 12, 40, 54, 3);
  fixturecheck(g, 5, 40, 54, 1);
  EXPECT_EQ(g.FixtureOpponent(9, 55), 5);
  EXPECT_EQ(g.FixtureCompetition(9, 55), 2);
  EXPECT_EQ(g.FixtureCompetition(5, 55), 2);
  EXPECT_EQ(g.FixtureOpponent(12, 55), 40);
  EXPECT_EQ(g.FixtureCompetition(40, 55), 3);
  EXPECT_EQ(g.FixtureOpponent(9, 54), 0);  // the knockout tie left round 54 on both rows
  EXPECT_EQ(g.FixtureOpponent(12, 54), 0);
  expectSymmetric(g);
}

TEST_F(FixtureCheckTest, SearchSkipsRoundsWhereEitherClubIsBusy) {
  pair(g, 5, 9, 54, 1);
  pair(g, 5, 11, 55, 1);  // 5 busy in 55
  pair(g, 9, 12, 56, 1);  // 9 busy in 56
  fixturecheck(g, 5, 40, 54, 2);
  EXPECT_EQ(g.FixtureOpponent(5, 57), 9);
  EXPECT_EQ(g.FixtureOpponent(5, 55), 11);
  EXPECT_EQ(g.FixtureOpponent(9, 56), 12);
  expectSymmetric(g);
}

TEST_F(FixtureCheckTest, SearchPassesFrom104ToRoundOne) {
  pair(g, 5, 9, 54, 1);
  for (int r = 55; r <= kLastRound; ++r) pair(g, 5, 100 + (r % 50), r, 1);
  pair(g, 5, 150, 1, 1);
  pair(g, 5, 151, 2, 1);
  fixturecheck(g, 5, 40, 54, 2);
  EXPECT_EQ(g.FixtureOpponent(5, 3), 9);
  EXPECT_EQ(g.FixtureOpponent(9, 3), 5);
  EXPECT_EQ(g.FixtureOpponent(5, 0), 0);  // round 0 is never used
  expectSymmetric(g);
}

TEST_F(FixtureCheckTest, NeverMovesIntoAPlayedRound) {
  g.CurrentWeek = 10;  // rounds 1..10 are played
  pair(g, 5, 9, 54, 1);
  for (int r = 55; r <= kLastRound; ++r) pair(g, 5, 100 + (r % 50), r, 1);
  fixturecheck(g, 5, 40, 54, 2);
  for (int r = 1; r <= 10; ++r) EXPECT_EQ(g.FixtureOpponent(9, r), 0) << "round " << r;
  EXPECT_EQ(g.FixtureOpponent(5, 11), 9);
  expectSymmetric(g);
}

TEST_F(FixtureCheckTest, ClashWithNoFreeRoundIsDroppedAndReported) {
  g.TeamName(5) = "Harbour City";
  g.TeamName(9) = "Millbrook";
  g.MyTeam = 9;
  g.CurrentWeek = 53;
  pair(g, 9, 5, 54, 1);  // Millbrook at home
  for (int r = 55; r <= kLastRound; ++r) pair(g, 5, 100 + (r % 50), r, 1);
  for (int r = 1; r < 53; ++r) pair(g, 9, 200 + (r % 50), r, 1);
  fixturecheck(g, 5, 40, 54, 2);
  EXPECT_EQ(g.FixtureOpponent(5, 54), 40);
  EXPECT_EQ(g.FixtureOpponent(9, 54), 0);
  for (int r = 1; r <= kLastRound; ++r) EXPECT_NE(g.FixtureOpponent(9, r), 5) << "round " << r;
  ASSERT_EQ(g.HeadlineCount, 1);
  EXPECT_EQ(g.Headlines(0), "Millbrook v Harbour City could not be rescheduled and has been called off.");
  ASSERT_EQ(g.ClubNewsCount, 1);  // the user's club is one of them
  EXPECT_EQ(g.ClubNewsLine(0), g.Headlines(0));
  expectSymmetric(g);
}

TEST_F(FixtureCheckTest, ClashOfTheAwayClubMovesToo) {
  pair(g, 40, 41, 54, 1);
  fixturecheck(g, 5, 40, 54, 2);
  EXPECT_EQ(g.FixtureOpponent(40, 55), 41);
  EXPECT_EQ(g.FixtureVenue(40, 55), 1);
  EXPECT_EQ(g.FixtureOpponent(40, 54), 5);
  expectSymmetric(g);
}

TEST_F(FixtureCheckTest, ClashBetweenTheTwoClubsMovesOnce) {
  pair(g, 40, 5, 54, 1);
  fixturecheck(g, 5, 40, 54, 2);
  EXPECT_EQ(g.FixtureOpponent(5, 55), 40);
  EXPECT_EQ(g.FixtureVenue(5, 55), 2);
  EXPECT_EQ(g.FixtureCompetition(5, 55), 1);
  EXPECT_EQ(g.FixtureOpponent(5, 54), 40);
  EXPECT_EQ(g.FixtureCompetition(5, 54), 2);
  for (int r = 56; r <= kLastRound; ++r) EXPECT_EQ(g.FixtureOpponent(5, r), 0);
  expectSymmetric(g);
}

int countMatches(const MLSModule& g) {
  int matches = 0;
  for (int c = 1; c <= kLastClub; ++c) {
    for (int r = 1; r <= kLastRound; ++r) matches += c < g.FixtureOpponent(c, r) ? 1 : 0;
  }
  return matches;
}

// Many random ties into a crowded grid never leave a club pointing at an
// opponent that does not point back, and every match lost is one reported.
TEST_F(FixtureCheckTest, GridStaysSymmetricUnderManyTies) {
  Random random;
  random.seed(7);
  for (int r = 1; r <= kLastRound; ++r) {
    for (int c = 1; c <= 40; c += 2) {
      if (random.draw(3) != 0) pair(g, c, c + 1, r, 1);
    }
  }
  g.CurrentWeek = 20;
  const int before = countMatches(g);
  const int ties = 200;
  for (int n = 0; n < ties; ++n) {
    const int home = random.draw(40, 1);
    int away = random.draw(40, 1);
    if (away == home) away = home % 40 + 1;
    fixturecheck(g, home, away, random.draw(84, 21), random.draw(4));
  }
  expectSymmetric(g);
  ASSERT_LT(g.HeadlineCount, 299);
  EXPECT_GT(g.HeadlineCount, 0);  // the grid is crowded enough to lose some
  EXPECT_EQ(countMatches(g), before + ties - g.HeadlineCount);
  for (int c = 1; c <= kLastClub; ++c) {
    for (int r = 1; r <= 20; ++r) {
      if (g.FixtureOpponent(c, r) != 0) {
        EXPECT_EQ(g.FixtureCompetition(c, r), 1) << "club " << c << " round " << r;
      }
    }
  }
}

}  // namespace
}  // namespace kervale
