// Shots: the tallies, the duel with the keeper, and the twelve outcomes that are no goal.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "event_fixture.h"

namespace kervale::test {
namespace {

using Lines = std::vector<std::string>;

class ShotTest : public EventTest {
 protected:
  ShotTest() { fresh(); }

  // A new game and match, the attack of row 9 (squad slot 10) carried by row 4.
  void fresh() {
    buildMatchGame();
    rng().script({0, 0, 0, 0});
    ASSERT_TRUE(shown.setupMatch());
    shown.minute = 30;
    shown.homeshots = shown.awayshots = 0;
    shown.commcount = 0;
    shown.attacker = 9;
    shown.ballcarrier = 4;
    shown.restartcode = 0;
    shown.chanceflag = 0;
  }
  int shooter(int side) const { return player(side == 1 ? kHome : kAway, 10); }
};

TEST_F(ShotTest, EqualRollsScoreForTheHomeSideOnly) {
  MLSModule& g = mls();
  // Shot roll 5 against save roll 5.
  rng().script({0.45, 0.5, 0.0});
  shown.shotStep(1);
  EXPECT_EQ(shown.homegoals, 1);
  EXPECT_EQ(g.PlayerShotsOnTarget(shooter(1)), 1);
  EXPECT_EQ(shown.ballzone, 13);
  EXPECT_EQ(shown.possession, 2);

  rng().script({0.45, 0.4, 7.5 / 12, 0.0});
  shown.shotStep(2);
  EXPECT_EQ(shown.awaygoals, 0);
  EXPECT_EQ(g.PlayerShotsOnTarget(shooter(2)), 0);
  EXPECT_EQ(rng().scriptedLeft(), 0u);
}

TEST_F(ShotTest, EveryShotCountsForTheSeasonOnBothSides) {
  MLSModule& g = mls();
  // Two misses, one each way.
  rng().script({0.0, 0.5, 7.5 / 12, 0.0, 0.0, 0.5, 7.5 / 12, 0.0});
  shown.shotStep(1);
  shown.shotStep(2);
  EXPECT_EQ(shown.homeshots, 1);
  EXPECT_EQ(shown.awayshots, 1);
  EXPECT_EQ(g.TeamShotsOnTarget(kHome), 1);
  EXPECT_EQ(g.TeamShotsAgainst(kAway), 1);
  EXPECT_EQ(g.TeamShotsOnTarget(kAway), 1);
  EXPECT_EQ(g.TeamShotsAgainst(kHome), 1);
  EXPECT_EQ(g.PlayerShotsSeason(shooter(1)), 1);
  EXPECT_EQ(g.PlayerShotsSeason(shooter(2)), 1);
  EXPECT_DOUBLE_EQ(g.TeamMorale(kHome), 1.015);
  EXPECT_DOUBLE_EQ(g.TeamMorale(kAway), 1.05);
  EXPECT_DOUBLE_EQ(rating(10, 1), 5.2);
  EXPECT_DOUBLE_EQ(rating(1, 2), 5.5);
}

TEST_F(ShotTest, AKeeperRatedNothing) {
  MLSModule& g = mls();
  // Save roll 1 against the away side: a shot roll of 1 fails, 2 scores.
  shown.homekeeperrating = 0;
  rng().script({0.0, 0.5, 7.5 / 12, 0.0});
  shown.shotStep(2);
  EXPECT_EQ(shown.awaygoals, 0);
  rng().script({0.15, 0.5});
  shown.shotStep(2);
  EXPECT_EQ(shown.awaygoals, 1);
  // Save roll 0 against the home side: everything goes in, even from a shooter rated nothing.
  shown.awaykeeperrating = 0;
  g.PlayerAttack(shooter(1)) = 0;
  rng().script({0.9, 0.9, 0.0});
  shown.shotStep(1);
  EXPECT_EQ(shown.homegoals, 1);
}

TEST_F(ShotTest, AnAwayShooterRatedNothingNeverScores) {
  mls().PlayerAttack(shooter(2)) = 0;
  shown.homekeeperrating = 0;
  rng().script({0.99, 0.0, 7.5 / 12, 0.0});
  shown.shotStep(2);
  EXPECT_EQ(shown.awaygoals, 0);
}

struct Outcome {
  int code;
  Lines away;  // lines when the away side shoots
  Lines home;  // ... and when the home side does
  bool restartDrawn;
  bool onTargetAway, onTargetHome;
  double keeperAway, keeperHome;  // the defending keeper's rating afterwards (5, +0.5 for facing a shot)
};

TEST_F(ShotTest, TheTwelveMissesTellTheirLinesAndRestart) {
  const Outcome outcomes[] = {
      {1, {"H1 makes a nice save"}, {"R1 makes a nice save"}, true, true, true, 6.1, 5.5},
      {2, {"Great save by H1"}, {"Great save by R1"}, true, true, true, 6.1, 5.5},
      {3,
       {"A poor shot, nowhere near the target"},
       {"A poor shot, nowhere near the target", "R1 takes the goal kick"},
       true,
       false,
       false,
       5.5,
       5.5},
      {4,
       {"It whistles just past the post"},
       {"It whistles just past the post", "R1 takes the goal kick"},
       true,
       false,
       false,
       5.5,
       5.5},
      {5,
       {"GOAL!", "NO! It's been disallowed!", "The linesman had his flag raised"},
       {"GOAL!", "NO! It's been disallowed!", "The linesman had his flag raised"},
       false,
       false,
       true,
       5.5,
       5.5},
      {6,
       {"The keeper coolly collects the ball."},
       {"The keeper coolly collects the ball."},
       true,
       true,
       true,
       5.8,
       5.5},
      {7,
       {"It hits the crossbar!", "The keeper clears it"},
       {"It hits the crossbar!", "The keeper clears it"},
       true,
       false,
       false,
       5.8,
       5.5},
      {8, {"It's flown right over the bar!"}, {"It's flown right over the bar!"}, true, false, false, 5.5, 5.5},
      {9,
       {"It hits H4 in the back!", "Out for a corner"},
       {"It hits R4 in the back!", "Out for a corner"},
       false,
       false,
       false,
       5.5,
       5.5},
      {10,
       {"Just tipped away by H1!", "Remarkable fingertip save!", "One for the highlights reel right there",
        "Out for a corner"},
       {"Just tipped away by R1!", "Remarkable fingertip save!", "One for the highlights reel right there",
        "Out for a corner"},
       false,
       false,
       false,
       6.2,
       5.8},
      {11,
       {"H1 saves it!", "H5 puts it over the line", "A safe play, that one was", "Out for a corner"},
       {"R1 saves it!", "R5 puts it over the line", "A safe play, that one was", "Out for a corner"},
       false,
       false,
       false,
       5.5,
       5.5},
      {12,
       {"H1 saves it!", "H5 puts it over the line", "A safe play, that one was", "Out for a corner"},
       {"R1 saves it!", "R5 puts it over the line", "A safe play, that one was", "Out for a corner"},
       false,
       false,
       false,
       5.5,
       5.5},
  };
  for (const Outcome& o : outcomes) {
    for (int side = 1; side <= 2; ++side) {
      fresh();
      const int defending = 3 - side;
      // Shot roll 1 against a save roll of 5 or 6; the outcome; defender 3; restart code 3 when drawn.
      if (o.code >= 9) {
        rng().script({0.0, 0.5, (o.code - 0.5) / 12, 2.5 / 6, 0.7});
      } else {
        rng().script({0.0, 0.5, (o.code - 0.5) / 12, 0.7});
      }
      shown.shotStep(side);
      const std::string where = "outcome " + std::to_string(o.code) + " side " + std::to_string(side);
      EXPECT_EQ(queued(), side == 2 ? o.away : o.home) << where;
      EXPECT_EQ(shown.ballzone, o.restartDrawn ? 18 : 13) << where;
      EXPECT_EQ(shown.possession, defending) << where;
      EXPECT_EQ(rng().scriptedLeft(), o.restartDrawn ? 0u : 1u) << where;
      EXPECT_EQ(mls().PlayerShotsOnTarget(shooter(side)), (side == 2 ? o.onTargetAway : o.onTargetHome) ? 1 : 0)
          << where;
      EXPECT_NEAR(rating(1, defending), side == 2 ? o.keeperAway : o.keeperHome, 1e-9) << where;
      if (o.code >= 11) {
        EXPECT_NEAR(rating(5, defending), 5.35, 1e-9) << where;
      }
      EXPECT_EQ(shown.homegoals + shown.awaygoals, 0) << where;
      rng().clearScript();
    }
  }
}

TEST_F(ShotTest, ADisallowedAwayGoalGoesIntoTheAwayReport) {
  shown.minute = 7;
  rng().script({0.0, 0.5, 4.5 / 12});
  shown.shotStep(2);
  EXPECT_EQ(shown.matchreport,
            "We should have had one more around minute 7. R10 scored but the play was called back for offside.");
  EXPECT_EQ(shown.homereport, "");
}

TEST_F(ShotTest, AMissedAwayPenaltyIsSavedOrWide) {
  shown.chanceflag = 1;
  // Outcomes 12 and 9 are drawn again; 3 stands.
  rng().script({0.0, 0.5, 0.95, 0.7, 0.2, 0.0});
  shown.shotStep(2);
  EXPECT_EQ(queued(), (Lines{"A poor shot, nowhere near the target"}));
  EXPECT_EQ(rng().scriptedLeft(), 0u);
}

TEST_F(ShotTest, AMissedHomePenaltyTakesTheFirstDraw) {
  shown.chanceflag = 1;
  rng().script({0.0, 0.5, 0.95, 0.0});
  shown.shotStep(1);
  EXPECT_EQ(queued().front(), "R1 saves it!");
  EXPECT_EQ(shown.ballzone, 13);
}

}  // namespace
}  // namespace kervale::test
