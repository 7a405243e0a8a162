// Attacks: the attacker draw, the five build-up moves, the header duel and the clearance.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "event_fixture.h"

namespace kervale::test {
namespace {

using Lines = std::vector<std::string>;

// Home rows 1..4 weigh 1, rows 5..8 weigh 2, rows 9..10 weigh 3: 18 in all;
// running sums 1 2 3 4 6 8 10 12 15 18.
TEST_F(EventTest, AttackerDraw) {
  struct Case {
    const char* what;
    int side;
    double pushUp;
    int weightless;  // positions 0..weightless weigh nothing
    std::vector<double> draws;
    int attacker;
  };
  const Case cases[] = {
      {"home takes the first row past target 14", 1, 0, -1, {0.8}, 9},
      {"home takes the first row past target 4", 1, 0, -1, {4.5 / 18}, 5},
      {"away takes the first row that reaches target 4", 2, 0, -1, {4.5 / 18}, 4},
      {"target zero gives away row one even without weight", 2, 0, 1, {0.0}, 1},
      {"target zero gives home the first weighted row", 1, 0, 1, {0.0}, 5},
      {"weights of nothing fall back to the first row", 1, 0, 3, {0.7}, 1},
      {"push-up flattens the draw", 1, 3, -1, {0.0}, 1},
      // Weights 4 4 4 4 5 5 5 5 6 6, 48 in all: target 24 is passed at row 6.
      {"push-up counts in the total", 1, 3, -1, {0.5}, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    buildMatchGame();
    setUpMatch();
    for (int p = 0; p <= c.weightless; ++p) mls().PositionPickWeight(p) = 0;
    mls().TeamPushUp(kHome) = c.pushUp;
    for (double d : c.draws) rng().script({d});
    shown.pickAttacker(c.side);
    EXPECT_EQ(shown.attacker, c.attacker);
    if (c.weightless < 0) {
      EXPECT_EQ(shown.pickweight(1), 1 + c.pushUp);
      EXPECT_EQ(shown.pickweight(9), 3 + c.pushUp);
    }
    EXPECT_EQ(rng().scriptedLeft(), 0u);
  }
  // A player off the pitch is drawn again.
  buildMatchGame();
  setUpMatch();
  shown.onpitchname(9, 1).clear();
  rng().script({0.8, 0.0});
  shown.pickAttacker(1);
  EXPECT_EQ(shown.attacker, 1);
  EXPECT_EQ(rng().scriptedLeft(), 0u);
}

class BuildUpTest : public EventTest {
 protected:
  // The attacking side holds the ball at its end with the carrier given.
  void attackFrom(int side, int carrier) {
    shown.ballzone = side == 1 ? 15 : 11;
    shown.possession = side;
    shown.ballcarrier = carrier;
  }
};

// Shot draws that miss and restart at the zone of the given code: shot roll 1,
// a save roll that beats it, outcome 8 (over the bar), then the restart code.
constexpr double kMissOverTheBar[] = {0.0, 0.5, 7.5 / 12};

TEST_F(BuildUpTest, BreakingThroughAloneEndsInAShot) {
  attackFrom(2, 9);
  // Target 14 for the away side: row 9 reaches it, the carrier himself.
  rng().script({14.5 / 18, kMissOverTheBar[0], kMissOverTheBar[1], kMissOverTheBar[2], 0.9});
  shown.awayAttack();
  EXPECT_EQ(shown.attacker, 9);
  EXPECT_EQ(shown.buildupkind, 2);
  const Lines lines = queued();
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(Lines(lines.begin(), lines.begin() + 4),
            (Lines{"R10 finds an opening in the defence", "He sprints through!", "He must score!",
                   "It's flown right over the bar!"}));
  EXPECT_EQ(shown.awayshots, 1);
  // Restart code 4: zone 23, the home side's ball.
  EXPECT_EQ(shown.restartcode, 4);
  EXPECT_EQ(shown.ballzone, 23);
  EXPECT_EQ(shown.possession, 1);
  EXPECT_EQ(rng().scriptedLeft(), 0u);
}

TEST_F(BuildUpTest, ManOpenDownfieldBeatsAHomeMarker) {
  attackFrom(2, 5);
  // Attacker row 10, move 1, the marker draw 0.99 gives home slot 5; then a miss.
  rng().script({0.99, 0.0, 0.99, kMissOverTheBar[0], kMissOverTheBar[1], kMissOverTheBar[2], 0.0});
  shown.awayAttack();
  EXPECT_EQ(shown.buildupkind, 1);
  const Lines lines = queued();
  EXPECT_EQ(Lines(lines.begin(), lines.begin() + 3),
            (Lines{"R6 sees a man open downfield", "R11 recieves a great pass!", "R11 beats his marker!"}));
  EXPECT_DOUBLE_EQ(rating(5, 1), 4.75);
  EXPECT_DOUBLE_EQ(rating(6, 2), 5.3);   // the carrier
  EXPECT_DOUBLE_EQ(rating(11, 2), 5.2);  // the shooter
  EXPECT_DOUBLE_EQ(rating(1, 1), 5.5);   // the keeper facing a shot
}

TEST_F(BuildUpTest, TheHomeSidesBeatenMarkerIsAnAwaySlotFromOne) {
  attackFrom(1, 5);
  rng().script({0.99, 0.0, 0.0, kMissOverTheBar[0], kMissOverTheBar[1], kMissOverTheBar[2], 0.0});
  shown.homeAttack();
  EXPECT_DOUBLE_EQ(rating(1, 2), 4.75 + 0.5);  // the away keeper, beaten as marker, then facing the shot
  EXPECT_DOUBLE_EQ(rating(6, 1), 5.3);
}

TEST_F(BuildUpTest, CrossAndPassForwardCreditTheCarrierOnlyForTheAwaySide) {
  attackFrom(2, 5);
  rng().script({0.99, 0.3, kMissOverTheBar[0], kMissOverTheBar[1], kMissOverTheBar[2], 0.0});
  shown.awayAttack();
  EXPECT_EQ(shown.buildupkind, 2);
  EXPECT_EQ(queued().front(), "R6 crosses it into the box!");
  EXPECT_EQ(queued()[1], "R11 gets the header!");
  EXPECT_DOUBLE_EQ(rating(6, 2), 5.3);

  shown.commcount = 0;
  attackFrom(1, 5);
  rng().script({0.99, 0.5, kMissOverTheBar[0], kMissOverTheBar[1], kMissOverTheBar[2], 0.0});
  shown.homeAttack();
  EXPECT_EQ(queued().front(), "H6 passes forward");
  EXPECT_EQ(queued()[1], "H11 is in the clear!");
  EXPECT_DOUBLE_EQ(rating(6, 1), 5);
  EXPECT_EQ(shown.buildupkind, 2);  // the home side's attack leaves it alone
}

TEST_F(BuildUpTest, NiceRunPassOutcomes) {
  struct Case {
    double draw;
    Lines lines;
    bool shot;
  };
  const Case cases[] = {
      {0.1, {"Nice run here by R6", "The pass to R11...", "...played absolutely perfectly!", "He shoots!"}, true},
      {0.3, {"Nice run here by R6", "The pass to R11...", "...goes through nicely!", "R11 through on goal!"}, true},
      {0.5, {"Nice run here by R6", "The pass to R11...", "...is timed perfectly!", "He shoots!"}, true},
      {0.7, {"Nice run here by R6", "The pass to R11...", "Cleared out of danger by the defence"}, false},
      {0.9, {"Nice run here by R6", "The pass to R11...", "Cleared out of danger by the defence"}, false},
  };
  for (const Case& c : cases) {
    buildMatchGame();
    rng().script({0, 0, 0, 0});
    ASSERT_TRUE(shown.setupMatch());
    shown.awayshots = 0;
    shown.commcount = 0;
    attackFrom(2, 5);
    // Attacker row 10, move 4, the pass, then a miss or a clearance, either restarting with code 2.
    if (c.shot) {
      rng().script({0.99, 0.7, c.draw, kMissOverTheBar[0], kMissOverTheBar[1], kMissOverTheBar[2], 0.5});
    } else {
      rng().script({0.99, 0.7, c.draw, 0.5});
    }
    shown.awayAttack();
    const Lines lines = queued();
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + static_cast<long>(c.lines.size())), c.lines) << c.draw;
    EXPECT_EQ(shown.awayshots, c.shot ? 1 : 0) << c.draw;
    EXPECT_DOUBLE_EQ(rating(6, 2), c.shot ? 5.3 : 5) << c.draw;
    EXPECT_EQ(shown.ballzone, 8) << c.draw;
    EXPECT_EQ(shown.possession, 1) << c.draw;
    EXPECT_EQ(rng().scriptedLeft(), 0u) << c.draw;
  }
}

TEST_F(BuildUpTest, HeaderDuelWonOnlyAboveTheDefendersHeading) {
  // Both headings 10: a roll of 11 (0.55 x 20) wins, a roll of 10 does not.
  attackFrom(1, 5);
  rng().script({0.99, 0.9, 0.3, 0.55, kMissOverTheBar[0], kMissOverTheBar[1], kMissOverTheBar[2], 0.0});
  shown.homeAttack();
  EXPECT_EQ(queued(), (Lines{"H11 is unmarked in the penalty area!", "H6 with a wicked cross!", "Perfectly placed!",
                             "R3 goes up for the header", "But H11 is going up with him!", "H11 wins the challenge!",
                             "H11 heads it towards goal!", "It's flown right over the bar!"}));
  EXPECT_EQ(shown.homeshots, 1);
  EXPECT_DOUBLE_EQ(rating(6, 1), 5.3);

  shown.commcount = 0;
  attackFrom(1, 5);
  rng().script({0.99, 0.9, 0.3, 0.5, 0.99});
  shown.homeAttack();
  EXPECT_EQ(queued().back(), "R3 heads it out of danger");
  EXPECT_EQ(shown.homeshots, 1);
  EXPECT_EQ(shown.restartcode, 4);
  EXPECT_EQ(shown.ballzone, 23);
  EXPECT_EQ(shown.possession, 2);
}

TEST_F(BuildUpTest, ClearancesRestartInTheMiddleColumn) {
  const int zones[] = {13, 3, 8, 18, 23};
  for (int code = 0; code <= 4; ++code) {
    attackFrom(2, 5);
    rng().script({(code + 0.5) / 5});
    shown.clearance(2);
    EXPECT_EQ(shown.ballzone, zones[code]);
    EXPECT_EQ(shown.possession, 1);
  }
}

}  // namespace
}  // namespace kervale::test
