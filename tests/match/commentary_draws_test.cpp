// The commentary lines a foul and a penalty draw from: the lowest draw gives
// the first line of each range and the highest its last (4..6, 7..15,
// 16..19, 20..22, 37..40; for a penalty 31..33 and 35..37).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "event_fixture.h"

namespace kervale::test {
namespace {

using Lines = std::vector<std::string>;

constexpr double kTop = 0.9999;  // the highest draw of any range

class CommentaryDraws : public EventTest {
 protected:
  CommentaryDraws() {
    shown.possession = 1;  // the away side fouls
    shown.ballzone = 13;
  }
  // Referee roll 0, fouler row 3 (squad slot 4), two rolls of 15 against it,
  // and a card roll of 91: a booking.
  static void scriptBookedFoul() { rng().script({0.0, 0.25, 0.5, 0.5, (91 - 59 + 0.5) / 200}); }
};

TEST_F(CommentaryDraws, AFoulAtTheTopOfEveryRange) {
  scriptBookedFoul();
  rng().script({kTop, kTop, kTop, kTop, kTop});
  shown.foulStep();
  EXPECT_EQ(queued(), (Lines{"Line 6", "R4Line 15", "Line 19", "Line 22", "Line 23", "Line 40"}));
  EXPECT_EQ(rng().scriptedLeft(), 0u);
}

TEST_F(CommentaryDraws, AFoulAtTheBottomOfEveryRange) {
  scriptBookedFoul();
  rng().script({0.0, 0.0, 0.0, 0.0, 0.0});
  shown.foulStep();
  EXPECT_EQ(queued(), (Lines{"Line 4", "R4Line 7", "Line 16", "Line 20", "Line 23", "Line 37"}));
}

TEST_F(CommentaryDraws, APenaltyAtTheTopOfItsRanges) {
  shown.possession = 2;  // a booked home foul in zone 11: the visitors' penalty
  shown.ballzone = 11;
  scriptBookedFoul();
  rng().script({0.0, 0.0, 0.0, 0.0});
  rng().script({kTop, kTop, 0.0, 0.5, 3.5 / 12, 0.5});  // the two lines, then a kick wide of the post
  shown.foulStep();
  const Lines lines = queued();
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[5], "Line 30");
  EXPECT_EQ(lines[6], "Line 33");
  EXPECT_EQ(lines[7], "R10Line 34");
  EXPECT_EQ(lines[8], "Line 37");
  EXPECT_EQ(rng().scriptedLeft(), 0u);
}

}  // namespace
}  // namespace kervale::test
