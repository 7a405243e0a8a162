#include "matchday/fixture_check.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "base/random.h"
#include "data/mls_module.h"
#include "newgame/fixture_grid.h"

namespace kervale {
namespace {

using test::expectSymmetric;
using test::pair;

class FixtureCheckTest : public ::testing::Test {
 protected:
  std::unique_ptr<MLSModule> game = makeEmptyGame();
  MLSModule& g = *game;
};

TEST_F(FixtureCheckTest, TieInFreeRoundChangesOnlyItsTwoRows) {
  pair(g, 30, 31, 53, 1);
  const auto before = std::make_unique<MLSModule>(g);
  fixturecheck(g, 5, 40, 54, 0);
  EXPECT_EQ(g.FixtureCompetition(5, 54), 2);  // 0 stands for a knockout tie
  EXPECT_EQ(g.FixtureVenue(5, 54), 1);
  int changed = 0;
  for (int c = 0; c <= kLastClub; ++c) {
    for (int r = 0; r <= kLastRound; ++r) changed += g.FixtureOpponent(c, r) != before->FixtureOpponent(c, r);
  }
  EXPECT_EQ(changed, 2);
  expectSymmetric(g);
}

TEST_F(FixtureCheckTest, ByeOrSameClubPlacesNothing) {
  fixturecheck(g, 5, 0, 54, 2);
  fixturecheck(g, 0, 5, 54, 2);
  fixturecheck(g, 5, 5, 54, 2);
  for (int r = 0; r <= kLastRound; ++r) EXPECT_EQ(g.FixtureOpponent(5, r), 0);
}

// Club 5 is given a tie with club 40 in round 54; the clashing match moves whole.
struct ClashCase {
  const char* name;
  std::vector<std::array<int, 4>> matches;  // home, away, round, code
  bool fiveBusyFrom55;
  int playedWeek;
  int club, opponent;  // the moved match, seen from `club`
  int round, venue, code;
};

TEST_F(FixtureCheckTest, ClashMovesWholeToNextFreeRound) {
  const ClashCase cases[] = {
      {"home club's clash", {{5, 9, 54, 1}}, false, 0, 5, 9, 55, 1, 1},
      {"away club's clash keeps its code", {{12, 40, 54, 3}}, false, 0, 40, 12, 55, 2, 3},
      {"cup tie keeps its code", {{9, 5, 54, 2}}, false, 0, 5, 9, 55, 2, 2},
      {"clash between the two moves once", {{40, 5, 54, 1}}, false, 0, 5, 40, 55, 2, 1},
      {"skips rounds where either is busy", {{5, 9, 54, 1}, {5, 11, 55, 1}, {9, 12, 56, 1}}, false, 0, 5, 9, 57, 1, 1},
      {"passes from 104 to round 1", {{5, 9, 54, 1}, {5, 150, 1, 1}, {5, 151, 2, 1}}, true, 0, 5, 9, 3, 1, 1},
      {"never into a played round", {{5, 9, 54, 1}}, true, 10, 5, 9, 11, 1, 1},
  };
  for (const ClashCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto fresh = makeEmptyGame();
    MLSModule& f = *fresh;
    f.CurrentWeek = c.playedWeek;
    for (const auto& [home, away, round, code] : c.matches) pair(f, home, away, round, code);
    for (int r = 55; c.fiveBusyFrom55 && r <= kLastRound; ++r) pair(f, 5, 100 + (r % 50), r, 1);
    fixturecheck(f, 5, 40, 54, 2);
    EXPECT_EQ(f.FixtureOpponent(5, 54), 40);
    EXPECT_EQ(f.FixtureCompetition(5, 54), 2);
    EXPECT_EQ(f.FixtureOpponent(c.club, c.round), c.opponent);
    EXPECT_EQ(f.FixtureVenue(c.club, c.round), c.venue);
    EXPECT_EQ(f.FixtureCompetition(c.club, c.round), c.code);
    int meetings = 0;
    for (int r = 0; r <= kLastRound; ++r) meetings += r != 54 && f.FixtureOpponent(c.club, r) == c.opponent;
    EXPECT_EQ(meetings, 1);
    if (c.opponent != 5 && c.opponent != 40) {
      EXPECT_EQ(f.FixtureOpponent(c.opponent, 54), 0);
    }
    expectSymmetric(f);
  }
}

// The season runs from round 42 round the wrap to round 41: a clash of round
// `week` moves to the first round after it that is neither played this season
// nor the current one, with club 5 busy in `busyFrom`..`busyTo`.
TEST_F(FixtureCheckTest, ClashesMoveOnlyToRoundsStillToComeThisSeason) {
  struct Case {
    int current, week, busyFrom, busyTo, target;
  };
  const Case cases[] = {
      {100, 103, 104, 104, 1},  // before the wrap: next year's first rounds are still to come
      {20, 30, 31, 41, 21},     // after it: rounds 42..104 and 1..20 are over
      {41, 45, 46, 50, 0},      // the season's last round: nothing left, the clash is called off
      {43, 50, 51, 104, 1},     // early in the season, round 1 of next year before 44
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("round " + std::to_string(c.current) + ", clash in " + std::to_string(c.week));
    auto fresh = makeEmptyGame();
    MLSModule& f = *fresh;
    f.CurrentWeek = c.current;
    pair(f, 5, 9, c.week, 1);
    for (int r = c.busyFrom; r <= c.busyTo; ++r) pair(f, 5, 100 + (r % 50), r, 1);
    fixturecheck(f, 5, 40, c.week, 2);
    int moved = 0;
    for (int r = 1; r <= kLastRound; ++r) moved = f.FixtureOpponent(5, r) == 9 ? r : moved;
    EXPECT_EQ(moved, c.target);
    expectSymmetric(f);
  }
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
