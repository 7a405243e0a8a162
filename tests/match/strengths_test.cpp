// Per-minute strengths, condition, morale drift and the rating bounds.
#include <gtest/gtest.h>

#include <utility>

#include "match_fixture.h"

namespace kervale::test {
namespace {

class StrengthsTest : public MatchTest {
 protected:
  StrengthsTest() {
    rng().script({0, 0, 0, 0});
    EXPECT_TRUE(match.setupMatch());
  }
  // Condition that is exactly 1 after this minute's loss.
  void freshAfterLoss(int row) {
    match.homecondition(row) = 1.0035;
    match.awaycondition(row) = 1.0035;
  }
};

TEST_F(StrengthsTest, ConditionFallsTheSameForEveryone) {
  MLSModule& g = mls();
  g.TeamTactic(kAway) = 2;
  g.TeamPosition(3, kHome) = 3;
  for (int m = 1; m <= 90; ++m) match.rebuildStrengths();
  for (int row = 1; row <= 10; ++row) {
    EXPECT_NEAR(match.homecondition(row), 0.685, 1e-12) << row;
    EXPECT_NEAR(match.awaycondition(row), 0.685, 1e-12) << row;
  }
  for (int m = 91; m <= 120; ++m) match.rebuildStrengths();
  EXPECT_NEAR(match.homecondition(1), 0.58, 1e-12);
  // The keeper's row and the bench are no part of it.
  EXPECT_EQ(match.homecondition(0), 0);
}

TEST_F(StrengthsTest, MoraleDriftsBackTowardsOne) {
  MLSModule& g = mls();
  for (auto [before, after] : {std::pair{0.95, 0.96}, {1.03, 1.02}, {1.0, 1.0}, {0.995, 0.995}, {1.005, 0.995}}) {
    g.TeamMorale(kHome) = before;
    g.TeamMorale(kAway) = before;
    match.rebuildStrengths();
    EXPECT_NEAR(g.TeamMorale(kHome), after, 1e-12) << before;
    EXPECT_NEAR(g.TeamMorale(kAway), after, 1e-12) << before;
  }
}

TEST_F(StrengthsTest, HomeMidfieldIsWholeAtEveryStepTheAwayOneIsNot) {
  MLSModule& g = mls();
  match.homemidskill(5) = 7;
  match.awaymidskill(5) = 7;
  g.PositionFactor(2, 1, 2) = 0.8;
  freshAfterLoss(5);
  match.rebuildStrengths();
  EXPECT_EQ(match.homemidvalue(5), 6);  // 5.6 held as 6
  EXPECT_DOUBLE_EQ(match.awaymidvalue(5), 5.6);

  // Halves go to the even neighbour.
  g.PositionFactor(2, 1, 2) = 0.5;
  match.homemidskill(5) = 5;
  match.homemidskill(6) = 7;
  freshAfterLoss(5);
  freshAfterLoss(6);
  match.rebuildStrengths();
  EXPECT_EQ(match.homemidvalue(5), 2);
  EXPECT_EQ(match.homemidvalue(6), 4);

  // A fractional skill is already rounded when copied: 2.5 -> 2 -> 2 x 3 = 6, not 7.5 -> 8.
  g.PositionFactor(2, 1, 2) = 3;
  match.homemidskill(5) = 2.5;
  freshAfterLoss(5);
  match.rebuildStrengths();
  EXPECT_EQ(match.homemidvalue(5), 6);
}

TEST_F(StrengthsTest, EveryValueRunsThroughPositionTacticConditionAndMorale) {
  MLSModule& g = mls();
  g.TeamTactic(kHome) = 2;  // 0.9, 1, 1.2
  g.TeamMorale(kHome) = 1.5;
  g.TeamMorale(kAway) = 0.5;
  match.homecondition(9) = 0.8035;
  match.awaycondition(2) = 0.5035;
  match.rebuildStrengths();
  // Row 9 is a forward (0.1, 0.4, 1), row 2 a defender (1, 0.4, 0.1).
  EXPECT_NEAR(match.homedefvalue(9), 10 * 0.1 * 0.9 * 0.8 * 1.5, 1e-12);
  EXPECT_NEAR(match.homeattvalue(9), 10 * 1 * 1.2 * 0.8 * 1.5, 1e-12);
  EXPECT_EQ(match.homemidvalue(9), 4);  // 10 x 0.4 = 4, x 1 = 4, x 0.8 = 3.2 -> 3, x 1.5 = 4.5 -> 4
  EXPECT_NEAR(match.awaydefvalue(2), 10 * 1 * 1 * 0.5 * 0.5, 1e-12);
  EXPECT_NEAR(match.awaymidvalue(2), 10 * 0.4 * 0.5 * 0.5, 1e-12);
}

TEST_F(StrengthsTest, SettingsChangedDuringTheMatchCountFromTheNextMinute) {
  MLSModule& g = mls();
  match.rebuildStrengths();
  const double before = match.homeattvalue(1);
  g.TeamPosition(1, kHome) = 3;  // the defender moves up front
  match.rebuildStrengths();
  EXPECT_GT(match.homeattvalue(1), before * 5);
  // No such flow or tactic: the first one is played.
  for (auto [flow, tactic] : {std::pair{0, 0}, {3, -1}, {1, 31}}) {
    g.TeamFlow(kAway) = flow;
    g.TeamTactic(kAway) = tactic;
    EXPECT_EQ(MatchEngine::flowOf(kAway), 1);
    EXPECT_EQ(MatchEngine::tacticOf(kAway), 1);
    match.rebuildStrengths();
    EXPECT_GT(match.awaydefvalue(1), 0);
  }
  g.TeamFlow(kAway) = 2;
  g.TeamTactic(kAway) = 2;
  EXPECT_EQ(MatchEngine::flowOf(kAway), 2);
  EXPECT_EQ(MatchEngine::tacticOf(kAway), 2);
}

// The sums the rebuild makes along the way are those of its tables, added up in row order.
void expectSumsOfTables(const MatchEngine& m) {
  LineSums home, away;
  for (int j = 1; j <= 10; ++j) {
    home.def += m.homedefvalue(j);
    home.mid += m.homemidvalue(j);
    home.att += m.homeattvalue(j);
    away.def += m.awaydefvalue(j);
    away.mid += m.awaymidvalue(j);
    away.att += m.awayattvalue(j);
  }
  const auto& lines = m.lineSums();
  EXPECT_EQ(lines[1].def, home.def);
  EXPECT_EQ(lines[1].mid, home.mid);
  EXPECT_EQ(lines[1].att, home.att);
  EXPECT_EQ(lines[2].def, away.def);
  EXPECT_EQ(lines[2].mid, away.mid);
  EXPECT_EQ(lines[2].att, away.att);
}

TEST_F(StrengthsTest, LineSumsAreThoseOfTheWorkingValues) {
  MLSModule& g = mls();
  g.TeamMorale(kHome) = 1.37;
  g.TeamMorale(kAway) = 0.83;
  // Skills that leave fractions at every step, in every row.
  for (int row = 1; row <= 10; ++row) {
    match.homedefskill(row) = 10.3 + row * 1.1;
    match.homemidskill(row) = 7.7 + row * 2.3;
    match.homeattskill(row) = 3.1 + row * 0.7;
    match.awaydefskill(row) = 9 + row;
    match.awaymidskill(row) = 11 + row;
    match.awayattskill(row) = 5.9 + row * 0.3;
  }
  for (int minute = 1; minute <= 3; ++minute) {
    match.rebuildStrengths();
    expectSumsOfTables(match);
  }
  EXPECT_GT(match.lineSums()[1].mid, 0);
  // A home midfield past 16 bits takes the general rule: clamped, and summed clamped.
  match.homemidskill(6) = 30000;
  g.TeamMorale(kHome) = 1.5;
  match.rebuildStrengths();
  EXPECT_EQ(match.homemidvalue(6), 32767);
  expectSumsOfTables(match);
}

TEST_F(StrengthsTest, RatingsAreKeptWithinBoundsAtTheStartOfAMinute) {
  MLSModule& g = mls();
  g.MatchRating(2, 1) = 0.3;
  g.MatchRating(11, 2) = 10.4;
  g.MatchRating(1, 2) = 0.5;
  g.MatchRating(12, 1) = 0;  // the bench is not clamped
  match.clampRatings();
  EXPECT_EQ(g.MatchRating(2, 1), 0.5);
  EXPECT_EQ(g.MatchRating(11, 2), 10);
  EXPECT_EQ(g.MatchRating(1, 2), 0.5);
  EXPECT_EQ(g.MatchRating(12, 1), 0);
}

}  // namespace
}  // namespace kervale::test
