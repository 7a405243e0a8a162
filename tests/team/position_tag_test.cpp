#include "team/position_tag.h"

#include <gtest/gtest.h>

#include <string>

#include "data/mls_module.h"

namespace kervale {
namespace {

class PositionTagTest : public ::testing::Test {
 protected:
  PositionTagTest() {
    replaceGame(makeEmptyGame());
    for (int i = 0; i <= 20; ++i) {
      mls().RatingWord(i) = "r" + std::to_string(i);
      mls().AggressionWord(i) = "a" + std::to_string(i);
    }
  }
  static std::string tag(float k, double d, double m, double f) {
    MLSModule& g = mls();
    g.PlayerGoalkeeping(7) = k;
    g.PlayerDefense(7) = d;
    g.PlayerMidfield(7) = m;
    g.PlayerAttack(7) = f;
    return PositionTag(7);
  }
};

TEST_F(PositionTagTest, LastHoldingTestDecides) {
  struct Case {
    float k;
    double d, m, f;
    const char* tag;
  };
  const Case cases[] = {
      {3, 12, 12, 9, "DM "}, {3, 12.04, 12, 9, "D "},     {4, 10, 10, 10, "DMF "}, {10, 10, 10, 10, "G "},
      {1, 5, 8, 8, "MF "},   {1, 8, 5, 8, "DF "},         {14, 3, 6, 14, "G "},    {1, 3, 9, 4, "M "},
      {1, 3, 4, 9, "F "},    {12.04f, 12.04, 1, 1, "D "},  // the single-precision keeper is the smaller value
  };
  for (const Case& c : cases) {
    EXPECT_EQ(tag(c.k, c.d, c.m, c.f), c.tag) << c.k << " " << c.d << " " << c.m << " " << c.f;
  }
}

TEST_F(PositionTagTest, WordsRoundHalfToEvenAndAreEmptyOutsideTheTable) {
  struct Case {
    double value;
    const char* rating;
  };
  const Case ratings[] = {{12.5, "r12"}, {13.5, "r14"}, {20.4, "r20"}, {20.6, ""},
                          {-0.6, ""},    {-0.4, "r0"},  {50.6, ""},    {51, ""}};
  for (const Case& c : ratings) EXPECT_EQ(RatingGradeWord(c.value), c.rating) << c.value;

  const Case aggressions[] = {{40, "a14"}, {38, "a14"}, {37, "a13"}, {41, "a15"}, {10, "a4"},
                              {-4, "a0"},  {-5, ""},    {148, ""},   {149, ""},   {58, "a20"}};
  for (const Case& c : aggressions) EXPECT_EQ(AggressionGradeWord(c.value), c.rating) << c.value;
}

}  // namespace
}  // namespace kervale
