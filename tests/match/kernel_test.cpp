// The match kernel: the places set-up resolves, and how a minute learns that
// an input of the strengths or a rating has changed.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "event_fixture.h"

namespace kervale::test {
namespace {

using Lines = std::vector<std::string>;

class KernelTest : public EventTest {
 protected:
  // The away side, without the ball, commits a foul with row 3 (squad slot 4); its card roll follows.
  void awayFoul(double card, int selectors) {
    shown.possession = 1;
    shown.ballzone = 13;
    rng().script({0.0, 0.25, 0.5, 0.5, card});
    for (int i = 0; i <= selectors; ++i) rng().script({0.0});
    shown.foulStep();
  }
};

TEST_F(KernelTest, SetUpRefusesASquadCellOutsideThePlayerTable) {
  for (double bad : {-1.0, kLastPlayer + 1.0, 1e12}) {
    mls().TeamSquad(6, kAway) = bad;
    rng().script({0, 0, 0, 0});
    EXPECT_THROW(shown.setupMatch(), std::out_of_range) << bad;
    rng().clearScript();
  }
}

TEST_F(KernelTest, ASquadCellHoldingAFractionNamesThePlayerItRoundsTo) {
  mls().TeamSquad(4, kAway) = 104.6;  // squad slot 4 is row 3: player 105, "R5"
  setUpMatch();
  awayFoul((91 - 59 + 0.5) / 200, 4);
  EXPECT_EQ(info(2), (Lines{"R5 booked ( 30 )"}));
  EXPECT_EQ(mls().PlayerBookings(105), 1);
  EXPECT_EQ(mls().PlayerBookings(104), 0);
}

TEST_F(KernelTest, APlayerSentOffAddsNothingFromTheNextMinute) {
  shown.rebuildStrengths();
  ASSERT_GT(shown.awaydefvalue(3), 0);
  shown.minute = 61;
  awayFoul(0.0125, 4);  // a card roll of 2: a straight red
  ASSERT_EQ(shown.slotyellows(4, 2), 2);
  shown.rebuildStrengths();
  EXPECT_EQ(shown.awaydefvalue(3), 0);
  EXPECT_EQ(shown.awaymidvalue(3), 0);
  EXPECT_EQ(shown.awayattvalue(3), 0);
  EXPECT_GT(shown.awaydefvalue(2), 0);
  EXPECT_GT(shown.awaydefvalue(4), 0);
}

TEST_F(KernelTest, StrengthsComeFromTheGameOfTheMatch) {
  shown.rebuildStrengths();
  const double before = shown.homedefvalue(1);
  // A new game whose squads are the same but whose defenders count double.
  replaceGame(nullptr);
  buildMatchGame();
  for (int flow = 1; flow <= 2; ++flow) mls().PositionFactor(1, flow, 1) = 2;
  setUpMatch();
  shown.rebuildStrengths();
  EXPECT_NEAR(shown.homedefvalue(1), 2 * before, 1e-12);
}

TEST_F(KernelTest, AHomeMidfieldPastSixteenBitsIsClampedAndTheRestKeepTheirValues) {
  MLSModule& g = mls();
  g.TeamMorale(kHome) = 1.5;
  shown.homemidskill(5) = 30000;   // a midfielder: x 1, then x 0.9965 x 1.5 is past 32767
  shown.homemidskill(1) = -30000;  // a defender: x 0.4, x 0.9965 x 1.5 is well inside
  shown.rebuildStrengths();
  EXPECT_EQ(shown.homemidvalue(5), 32767);
  EXPECT_EQ(shown.homemidvalue(1), -17937);  // -12000 x 0.9965 = -11958, x 1.5
  EXPECT_EQ(shown.homemidvalue(6), 15);      // 9.965 -> 10, x 1.5
  shown.homemidskill(5) = -30000;
  shown.rebuildStrengths();
  EXPECT_EQ(shown.homemidvalue(5), -32768);
}

// Rows 1 and 2 are worked on together; each keeps its own sign and rounding.
TEST_F(KernelTest, TwoHomeMidfieldValuesWorkedOnTogetherKeepTheirOwnSignAndRounding) {
  mls().TeamMorale(kHome) = 1.5;
  shown.homemidskill(1) = -30000;  // x 0.4, x 0.9965 = -11958, x 1.5
  shown.homemidskill(2) = 1001;    // x 0.4 = 400, x 0.9965 = 399, x 1.5 = 598.5: half to even
  shown.rebuildStrengths();
  EXPECT_EQ(shown.homemidvalue(1), -17937);
  EXPECT_EQ(shown.homemidvalue(2), 598);
  EXPECT_EQ(shown.lineSums()[1].mid, -17937 + 598 + 6 + 6 + 15 + 15 + 15 + 15 + 6 + 6);
}

TEST_F(KernelTest, ARatingPlayedOutOfBoundsComesBackAtTheNextMinute) {
  MLSModule& g = mls();
  g.MatchRating(4, 2) = 0.55;
  g.MatchRating(7, 1) = 9.95;
  awayFoul((70 - 59 + 0.5) / 200, 3);  // no card: the fouler loses 0.1
  EXPECT_DOUBLE_EQ(g.MatchRating(4, 2), 0.45);
  shown.startOfMinute();
  EXPECT_EQ(g.MatchRating(4, 2), 0.5);
  EXPECT_EQ(g.MatchRating(7, 1), 9.95);
  // A rating raised past 10 by play is brought back to 10.
  shown.ballcarrier = 6;
  shown.lastcarrier = 6;
  shown.lastside = 1;
  shown.ballzone = 13;
  shown.possession = 1;
  g.MatchRating(4, 1) = 9.95;
  shown.homedefsum = shown.homemidsum = shown.homeattsum = 10;
  shown.awaydefsum = shown.awaymidsum = shown.awayattsum = 10;
  // The home side keeps the ball (roll 0) and passes to row 3, who is credited.
  rng().script({0.0, 0.25, 0.0});
  shown.possessionStep();
  ASSERT_EQ(shown.ballcarrier, 3);
  EXPECT_DOUBLE_EQ(g.MatchRating(4, 1), 10.15);
  shown.startOfMinute();
  EXPECT_EQ(g.MatchRating(4, 1), 10);
}

// A credit not given is no change: a rating left outside its bounds by
// something else stays as it is until play changes it.
TEST_F(KernelTest, ACreditNotGivenLeavesARatingAsItWas) {
  MLSModule& g = mls();
  g.MatchRating(9, 2) = 12;  // the away passer, row 8
  shown.ballzone = 13;
  shown.possession = 2;
  shown.ballcarrier = 3;
  shown.lastcarrier = 8;
  shown.lastside = 2;
  shown.homedefsum = shown.homemidsum = shown.homeattsum = 10;
  shown.awaydefsum = shown.awaymidsum = shown.awayattsum = 10;
  // The away side keeps the ball; its pass goes straight through: only the receiver is credited.
  rng().script({0.9, 0.1, 0.55});
  shown.possessionStep();
  ASSERT_EQ(shown.commsel, 1);
  EXPECT_DOUBLE_EQ(g.MatchRating(4, 2), 5.2);
  shown.startOfMinute();
  EXPECT_EQ(g.MatchRating(9, 2), 12);
}

}  // namespace
}  // namespace kervale::test
