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

TEST_F(ShotTest, TheDuelWithTheKeeper) {
  struct Case {
    const char* what;
    int side;
    double homeKeeper, awayKeeper, shooterAttack;  // ratings, < 0 leaves the fixture's
    std::vector<double> draws;
    bool goal;
  };
  const Case cases[] = {
      // Shot roll 5 against save roll 5.
      {"equal rolls, home", 1, -1, -1, -1, {0.45, 0.5, 0.0}, true},
      {"equal rolls, away", 2, -1, -1, -1, {0.45, 0.4, 7.5 / 12, 0.0}, false},
      // Save roll 1 against the away side: a shot roll of 1 fails, 2 scores.
      {"keeper rated nothing, roll 1", 2, 0, -1, -1, {0.0, 0.5, 7.5 / 12, 0.0}, false},
      {"keeper rated nothing, roll 2", 2, 0, -1, -1, {0.15, 0.5}, true},
      // Save roll 0 against the home side: everything goes in, even from a shooter rated nothing.
      {"home shooter rated nothing", 1, -1, 0, 0, {0.9, 0.9, 0.0}, true},
      {"away shooter rated nothing", 2, 0, -1, 0, {0.99, 0.0, 7.5 / 12, 0.0}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fresh();
    if (c.homeKeeper >= 0) shown.homekeeperrating = c.homeKeeper;
    if (c.awayKeeper >= 0) shown.awaykeeperrating = c.awayKeeper;
    if (c.shooterAttack >= 0) mls().PlayerAttack(shooter(c.side)) = c.shooterAttack;
    for (double d : c.draws) rng().script({d});
    shown.shotStep(c.side);
    EXPECT_EQ(shown.homegoals + shown.awaygoals, c.goal ? 1 : 0);
    EXPECT_EQ(c.side == 1 ? shown.homegoals : shown.awaygoals, c.goal ? 1 : 0);
    EXPECT_EQ(mls().PlayerShotsOnTarget(shooter(c.side)), c.goal ? 1 : 0);
    if (c.goal) {
      EXPECT_EQ(shown.ballzone, 13);
      EXPECT_EQ(shown.possession, 3 - c.side);
    }
    EXPECT_EQ(rng().scriptedLeft(), 0u);
  }
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

TEST_F(ShotTest, TheTwelveMissesTellTheirLinesAndRestart) {
  struct Outcome {
    int code;
    const char* lines;  // '|' between lines; '#' stands for the defending side's letter
    bool restartDrawn;
    bool onTargetAway, onTargetHome;
    double keeperAway, keeperHome;  // the defending keeper's rating afterwards (5, +0.5 for facing a shot)
  };
  const Outcome outcomes[] = {
      {1, "#1 makes a nice save", true, true, true, 6.1, 5.5},
      {2, "Great save by #1", true, true, true, 6.1, 5.5},
      {3, "A poor shot, nowhere near the target", true, false, false, 5.5, 5.5},
      {4, "It whistles just past the post", true, false, false, 5.5, 5.5},
      {5, "GOAL!|NO! It's been disallowed!|The linesman had his flag raised", false, false, true, 5.5, 5.5},
      {6, "The keeper coolly collects the ball.", true, true, true, 5.8, 5.5},
      {7, "It hits the crossbar!|The keeper clears it", true, false, false, 5.8, 5.5},
      {8, "It's flown right over the bar!", true, false, false, 5.5, 5.5},
      {9, "It hits #4 in the back!|Out for a corner", false, false, false, 5.5, 5.5},
      {10,
       "Just tipped away by #1!|Remarkable fingertip save!|One for the highlights reel right there|Out for a corner",
       false, false, false, 6.2, 5.8},
      {11, "#1 saves it!|#5 puts it over the line|A safe play, that one was|Out for a corner", false, false, false, 5.5,
       5.5},
      {12, "#1 saves it!|#5 puts it over the line|A safe play, that one was|Out for a corner", false, false, false, 5.5,
       5.5},
  };
  for (const Outcome& o : outcomes) {
    for (int side = 1; side <= 2; ++side) {
      SCOPED_TRACE("outcome " + std::to_string(o.code) + " side " + std::to_string(side));
      fresh();
      const int defending = 3 - side;
      Lines expected(1);
      for (const char* ch = o.lines; *ch; ++ch) {
        if (*ch == '|') {
          expected.emplace_back();
        } else {
          expected.back() += *ch == '#' ? (side == 2 ? 'H' : 'R') : *ch;
        }
      }
      // A wide home shot gives the away keeper a goal kick.
      if (side == 1 && (o.code == 3 || o.code == 4)) expected.push_back("R1 takes the goal kick");
      // Shot roll 1 against a save roll of 5 or 6; the outcome; defender 3; restart code 3 when drawn.
      if (o.code >= 9) {
        rng().script({0.0, 0.5, (o.code - 0.5) / 12, 2.5 / 6, 0.7});
      } else {
        rng().script({0.0, 0.5, (o.code - 0.5) / 12, 0.7});
      }
      shown.shotStep(side);
      EXPECT_EQ(queued(), expected);
      EXPECT_EQ(shown.ballzone, o.restartDrawn ? 18 : 13);
      EXPECT_EQ(shown.possession, defending);
      EXPECT_EQ(rng().scriptedLeft(), o.restartDrawn ? 0u : 1u);
      EXPECT_EQ(mls().PlayerShotsOnTarget(shooter(side)), (side == 2 ? o.onTargetAway : o.onTargetHome) ? 1 : 0);
      EXPECT_NEAR(rating(1, defending), side == 2 ? o.keeperAway : o.keeperHome, 1e-9);
      if (o.code >= 11) {
        EXPECT_NEAR(rating(5, defending), 5.35, 1e-9);
      }
      EXPECT_EQ(shown.homegoals + shown.awaygoals, 0);
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
