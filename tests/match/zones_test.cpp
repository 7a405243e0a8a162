// The zone model: contests, reruns, attack hand-over, moves and their narration.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "event_fixture.h"

namespace kervale::test {
namespace {

using Lines = std::vector<std::string>;

class ZonesTest : public EventTest {
 protected:
  ZonesTest() {
    shown.minute = 12;
    setSums(10, 10, 10, 10, 10, 10);
  }
  void setSums(double d1, double m1, double a1, double d2, double m2, double a2) {
    shown.homedefsum = d1;
    shown.homemidsum = m1;
    shown.homeattsum = a1;
    shown.awaydefsum = d2;
    shown.awaymidsum = m2;
    shown.awayattsum = a2;
  }
  void ballAt(int zone, int side, int carrier, int lastSide) {
    shown.ballzone = zone;
    shown.possession = side;
    shown.ballcarrier = carrier;
    shown.lastcarrier = carrier;
    shown.lastside = lastSide;
  }
};

TEST_F(ZonesTest, OpenPlayRollEqualToTheHomeShareGoesAway) {
  // Total 48, home share 24: a roll of 0.5 lands exactly on the share.
  ballAt(13, 1, 3, 1);
  rng().script({0.5, 0.0, 0.0, 0.0, 0.35});
  shown.possessionStep();
  EXPECT_EQ(shown.contestroll, 24);
  EXPECT_EQ(shown.contestwinner, 0);
  EXPECT_EQ(shown.possession, 2);
  EXPECT_EQ(shown.ballzone, 12);  // the away flow carries it one column left
  EXPECT_EQ(shown.possessiontotal, 1);
  EXPECT_EQ(shown.homepossession, 1);
  // The away player with the home carrier's row is named and credited.
  EXPECT_EQ(queued(), (Lines{"Oh dear, he gives it away!", "Horrible pass there by H4", "Nice play by R4"}));
  EXPECT_DOUBLE_EQ(rating(4, 2), 5.2);
  EXPECT_DOUBLE_EQ(rating(4, 1), 5);
  EXPECT_EQ(shown.lastside, 2);
  EXPECT_EQ(shown.lastcarrier, 3);
  EXPECT_EQ(shown.ballcarrier, 4);
  EXPECT_EQ(rng().scriptedLeft(), 0u);
}

TEST_F(ZonesTest, TheContestRollRoundsHalvesToEven) {
  // Midfield alone: total 64, home share 32.
  setSums(0, 32, 0, 0, 32, 0);
  for (auto [at, roll, winner] : {std::tuple{23.5, 24, 1}, {24.5, 24, 1}, {31.5, 32, 0}, {32.5, 32, 0}, {0.5, 0, 1}}) {
    ballAt(13, 1, 3, 1);
    rng().script({at / 64});
    shown.possessionStep();
    rng().clearScript();
    EXPECT_EQ(shown.contestroll, roll) << at;
    EXPECT_EQ(shown.contestwinner, winner) << at;
  }
}

TEST_F(ZonesTest, OpenPlayRollBelowTheShareGoesHome) {
  // The home side takes it from the away side: three lines and the loser pays.
  ballAt(13, 2, 5, 2);
  rng().script({0.48, 0.99, 0.0, 0.7, 0.9});
  shown.possessionStep();
  EXPECT_EQ(shown.contestroll, 23);
  EXPECT_EQ(shown.contestwinner, 1);
  EXPECT_EQ(shown.possession, 1);
  EXPECT_EQ(shown.ballzone, 14);
  EXPECT_EQ(shown.awaypossession, 1);
  EXPECT_EQ(queued(),
            (Lines{"Harbour now have the ball!", "R6 passed it right to them.", "Horrible pass there by R6"}));
  EXPECT_DOUBLE_EQ(rating(6, 2), 5 - 0.22);
  // The newly drawn carrier gets the credit, whichever closing line is drawn.
  EXPECT_EQ(shown.ballcarrier, 8);
  EXPECT_DOUBLE_EQ(rating(9, 1), 5.2);
  EXPECT_EQ(rng().scriptedLeft(), 0u);
}

TEST_F(ZonesTest, EndColumnsDrawASecondRollThatDecides) {
  // Left end: total 39, home share 20. The first draw (0.99) would give the away side the ball.
  ballAt(11, 1, 2, 1);
  rng().script({0.99, 0.0, 0.15});
  shown.possessionStep();
  EXPECT_EQ(shown.contestwinner, 1);
  EXPECT_EQ(shown.ballzone, 12);
  // Kept the ball and the redraw found the same carrier: no pass line, no credit.
  EXPECT_EQ(shown.ballcarrier, 2);
  EXPECT_TRUE(queued().empty());
  EXPECT_DOUBLE_EQ(rating(3, 1), 5);
}

TEST_F(ZonesTest, HomePassBetweenTwoCarriersCreditsBoth) {
  ballAt(13, 1, 2, 1);
  rng().script({0.0, 0.55, 0.3});
  shown.possessionStep();
  EXPECT_EQ(shown.lastcarrier, 2);
  EXPECT_EQ(shown.ballcarrier, 6);
  EXPECT_EQ(queued(), (Lines{"H3 made a nice pass"}));
  EXPECT_DOUBLE_EQ(rating(3, 1), 5.2);
  EXPECT_DOUBLE_EQ(rating(7, 1), 5.2);
}

// Every way a ball is won, in a match nobody watches and in a watched one:
// the same draws, the same credits; only the watched one has words.
TEST_F(ZonesTest, AWonBallCreditsTheSameWatchedOrNot) {
  struct Case {
    int side, lastSide;
    std::vector<double> draws;     // after the contest's
    std::vector<double> credited;  // rating changes of rows 1..10 of `side`, then of the other side's row 3
  };
  auto way = [](int w, int of) { return (w - 0.5) / of; };
  const double row6 = 0.55;  // the new carrier
  auto play = [&](MatchEngine& m, const Case& c) {
    MLSModule& g = mls();
    for (int slot = 1; slot <= 11; ++slot) g.MatchRating(slot, 1) = g.MatchRating(slot, 2) = 5;
    m.ballzone = 13;
    m.possession = 3 - c.side;
    m.ballcarrier = 3;
    m.lastcarrier = 8;
    m.lastside = c.lastSide;
    m.homedefsum = m.homemidsum = m.homeattsum = m.awaydefsum = m.awaymidsum = m.awayattsum = 10;
    rng().script({c.side == 1 ? 0.1 : 0.9});  // the contest: home below the middle
    for (double d : c.draws) rng().script({d});
    m.possessionStep();
    std::vector<double> changes;
    for (int row = 1; row <= 10; ++row) changes.push_back(g.MatchRating(row + 1, c.side) - 5);
    changes.push_back(g.MatchRating(4, 3 - c.side) - 5);
    EXPECT_EQ(m.ballcarrier, 6);
    const std::size_t left = rng().scriptedLeft();
    rng().clearScript();
    return std::tuple{changes, left, m.commsel};
  };
  const double b = 0.2;
  const std::vector<Case> cases = {
      // The away side passes on: the passer (row 8) shares the credit unless the pass went through.
      {2, 2, {way(1, 3), row6}, {0, 0, b, 0, 0, 0, 0, 0, 0, 0, 0}},
      {2, 2, {way(2, 3), row6}, {0, 0, b, 0, 0, 0, 0, b, 0, 0, 0}},
      {2, 2, {way(3, 3), row6}, {0, 0, b, 0, 0, 0, 0, b, 0, 0, 0}},
      // The away side takes it: its player of the carrier's row is credited.
      {2, 1, {way(4, 4), way(1, 3), way(2, 3), row6}, {0, 0, b, 0, 0, 0, 0, 0, 0, 0, 0}},
      // The home side passes on from row 3 to row 6, four ways.
      {1, 1, {row6, way(1, 4)}, {0, 0, 0, 0, 0, b, 0, 0, 0, 0, 0}},
      {1, 1, {row6, way(3, 4)}, {0, 0, b, 0, 0, b, 0, 0, 0, 0, 0}},
      {1, 1, {row6, way(4, 4)}, {0, 0, b, 0, 0, b, 0, 0, 0, 0, 0}},
      // The home side takes it: the away player who lost it pays, the new carrier is credited.
      {1, 2, {way(1, 3), row6, way(2, 3)}, {0, 0, 0, 0, 0, b, 0, 0, 0, 0, -0.22}},
      {1, 2, {way(3, 3), way(2, 2), row6, way(1, 3)}, {0, 0, 0, 0, 0, b, 0, 0, 0, 0, -0.22}},
  };
  MatchEngine hidden;
  hidden.hometeam = kHome;
  hidden.awayteam = kAway;
  rng().script({0, 0, 0, 0});
  ASSERT_TRUE(hidden.setupMatch());
  ASSERT_FALSE(hidden.watched());
  for (std::size_t k = 0; k < cases.size(); ++k) {
    const Case& c = cases[k];
    const auto [changes, left, selector] = play(hidden, c);
    const auto [shownChanges, shownLeft, shownSelector] = play(shown, c);
    ASSERT_EQ(changes.size(), c.credited.size());
    for (std::size_t i = 0; i < changes.size(); ++i) {
      EXPECT_NEAR(changes[i], c.credited[i], 1e-12) << "case " << k << " row " << i + 1;
      EXPECT_EQ(changes[i], shownChanges[i]) << "case " << k << " row " << i + 1;
    }
    EXPECT_EQ(left, 0u) << "case " << k;
    EXPECT_EQ(shownLeft, 0u) << "case " << k;
    EXPECT_EQ(selector, shownSelector) << "case " << k;
    EXPECT_EQ(hidden.commcount, 0);
    EXPECT_GT(shown.commcount, 0) << "case " << k;
    shown.commcount = 0;
  }
}

TEST_F(ZonesTest, AwayWinningAtItsAttackingEndFromTheHomeSideIsPlayedAgain) {
  // Zone 11, home ball: the away win there does not count; the rerun goes home.
  ballAt(11, 1, 2, 1);
  rng().script({0.5, 0.99, 0.5, 0.0, 0.15});
  shown.possessionStep();
  EXPECT_EQ(shown.possessiontotal, 2);
  EXPECT_EQ(shown.homepossession, 2);
  EXPECT_EQ(shown.possession, 1);
  EXPECT_EQ(shown.ballzone, 12);
  EXPECT_EQ(rng().scriptedLeft(), 0u);
}

TEST_F(ZonesTest, HomeWinningAtItsAttackingEndStartsTheAttack) {
  // Right end: total 39, home share 19; the home side already holds the ball in zone 15.
  // The attack follows at once: row 1 carries it, the pass is cleared to the centre.
  ballAt(15, 1, 9, 1);
  rng().script({0.5, 0.0, 0.0, 0.6, 0.7, 0.0});
  shown.possessionStep();
  EXPECT_EQ(shown.contestwinner, 1);
  EXPECT_EQ(shown.possessiontotal, 1);
  EXPECT_EQ(shown.attacker, 1);
  EXPECT_EQ(queued(), (Lines{"Nice run here by H10", "The pass to H2...", "Cleared out of danger by the defence"}));
  EXPECT_EQ(shown.ballzone, 13);
  EXPECT_EQ(shown.possession, 2);
  EXPECT_EQ(rng().scriptedLeft(), 0u);
}

TEST_F(ZonesTest, AwayWinningAtItsAttackingEndWhileHoldingStartsItsAttack) {
  // The away side's attack, carried by the player on the ball himself, ends in a shot.
  ballAt(11, 2, 1, 2);
  const int before = shown.awayshots;
  rng().script({0.5, 0.99, 0.0});
  shown.possessionStep();
  EXPECT_EQ(shown.contestwinner, 0);
  EXPECT_EQ(shown.attacker, 1);
  EXPECT_EQ(shown.buildupkind, 2);
  EXPECT_EQ(shown.awayshots, before + 1);
  ASSERT_FALSE(queued().empty());
  EXPECT_EQ(queued().front(), "R2 finds an opening in the defence");
}

TEST_F(ZonesTest, ASideWithNoShareCannotHoldTheContestForEver) {
  // The home side has nothing: every rerun at zone 11 goes away again.
  setSums(0, 0, 0, 10, 10, 10);
  ballAt(11, 1, 2, 1);
  shown.possessionStep();
  EXPECT_EQ(shown.possessiontotal, 101);
  EXPECT_EQ(shown.ballzone, 11);
  EXPECT_EQ(shown.possession, 1);
}

TEST_F(ZonesTest, AHugeTotalDoesNotOverflowTheRoll) {
  setSums(1e6, 1e6, 1e6, 1e6, 1e6, 1e6);
  ballAt(13, 1, 2, 1);
  rng().script({0.9, 0.0, 0.0, 0.0, 0.0});
  shown.possessionStep();
  EXPECT_EQ(shown.contestroll, 4320000);
  EXPECT_EQ(shown.possession, 2);
}

TEST_F(ZonesTest, ZoneSumsWeighEachLineByTheFlowOfItsSide) {
  MLSModule& g = mls();
  for (int j = 1; j <= 10; ++j) {
    shown.homedefvalue(j) = 1;
    shown.homemidvalue(j) = 2;
    shown.homeattvalue(j) = 3;
    shown.awaydefvalue(j) = 4;
    shown.awaymidvalue(j) = 5;
    shown.awayattvalue(j) = 6;
  }
  shown.ballzone = 8;
  g.FlowTable2(8, 1, 1) = 0.5;
  g.FlowTable4(8, 1, 2) = 2;
  shown.zoneSums();
  EXPECT_DOUBLE_EQ(shown.homedefsum, 5);
  EXPECT_DOUBLE_EQ(shown.homemidsum, 20);
  EXPECT_DOUBLE_EQ(shown.homeattsum, 30);
  EXPECT_DOUBLE_EQ(shown.awaydefsum, 40);
  EXPECT_DOUBLE_EQ(shown.awaymidsum, 50);
  EXPECT_DOUBLE_EQ(shown.awayattsum, 120);
}

TEST_F(ZonesTest, MarkerShowsWhereTheLastMinuteLeftTheBall) {
  MLSModule& g = mls();
  g.TeamColour1(kAway) = g.TeamColour1(kHome);
  g.TeamColour2(kAway) = "&H80FF";
  rng().script({0, 0, 0, 0});
  ASSERT_TRUE(shown.setupMatch());
  shown.minute = 30;
  shown.ballzone = 7;
  shown.possession = 2;
  shown.startOfMinute();
  for (int k = 1; k <= 25; ++k) EXPECT_EQ(shown.thepitch(k).visible(), k == 7) << k;
  // Same first colours: the away side's marker is in its second colour.
  EXPECT_EQ(shown.thepitch(7).backColor(), 0x80FFu);
  shown.ballzone = 19;
  shown.possession = 1;
  shown.minute = 31;
  shown.startOfMinute();
  EXPECT_FALSE(shown.thepitch(7).visible());
  EXPECT_TRUE(shown.thepitch(19).visible());
  EXPECT_EQ(shown.thepitch(19).backColor(), 0xFFu);
  // The last zone of the grid has its marker too.
  shown.ballzone = 25;
  shown.minute = 32;
  shown.startOfMinute();
  EXPECT_FALSE(shown.thepitch(19).visible());
  EXPECT_TRUE(shown.thepitch(25).visible());
}

// A won ball moves to any zone of the grid, its corners included; an entry
// off the grid leaves it where it was.
TEST_F(ZonesTest, FlowTableEntriesReachTheGridsCorners) {
  for (auto [entry, zone] : {std::pair{1.0, 1}, {25.0, 25}, {24.6, 25}, {0.9, 13}, {25.1, 13}}) {
    mls().FlowTable1(13, 1, 2) = entry;
    ballAt(13, 2, 3, 2);
    rng().script({0.9, 0.0, 0.0});
    shown.possessionStep();
    EXPECT_EQ(shown.ballzone, zone) << entry;
    EXPECT_EQ(rng().scriptedLeft(), 0u);
  }
}

TEST_F(ZonesTest, BadFlowTableEntryLeavesTheBallOnThePitch) {
  mls().FlowTable1(13, 1, 2) = 0;
  ballAt(13, 2, 3, 2);
  rng().script({0.9, 0.0, 0.0});
  shown.possessionStep();
  EXPECT_EQ(shown.possession, 2);
  EXPECT_EQ(shown.ballzone, 13);
  EXPECT_EQ(queued(), (Lines{"The pass to R4 goes through nicely"}));
}

}  // namespace
}  // namespace kervale::test
