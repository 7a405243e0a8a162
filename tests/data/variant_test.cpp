#include "data/variant.h"

#include <gtest/gtest.h>

namespace kervale {
namespace {

TEST(VariantTest, EmptyReadsAsZeroAndEmptyText) {
  const Variant empty;
  EXPECT_TRUE(empty.isEmpty());
  EXPECT_EQ(empty.number(), 0);
  EXPECT_EQ(empty.text(), "");
  EXPECT_EQ(empty, Variant(0));
  EXPECT_EQ(empty, Variant(""));
  EXPECT_EQ((empty + Variant(3)).number(), 3);
  EXPECT_TRUE((empty + Variant(3)).isNumber());
  EXPECT_EQ(Variant(0).text(), "0");  // unlike empty
  EXPECT_EQ(Variant(2.5).text(), "2.5");
}

TEST(VariantTest, PlusJoinsTextsAndAddsNumbers) {
  EXPECT_EQ((Variant("2 -") + Variant(" 1")).text(), "2 - 1");
  EXPECT_EQ((Variant("") + Variant()).kind(), Variant::Kind::Text);
  EXPECT_EQ((Variant(2) + Variant(3)).number(), 5);
  EXPECT_EQ((Variant("4") + Variant(3)).number(), 7);
  Variant v = 1;
  v += 2;
  v -= 0.5;
  EXPECT_EQ(v.number(), 2.5);
  EXPECT_EQ(Variant(9) / Variant(2), 4.5);
  EXPECT_EQ(Variant(3) * Variant("2"), 6);
}

TEST(VariantTest, ComparisonsFollowTheKinds) {
  EXPECT_LT(Variant(2), Variant(10));
  EXPECT_LT(Variant("10"), Variant("2"));  // texts compare as texts
  EXPECT_LT(Variant(100), Variant("1"));   // a number is below any text
  EXPECT_EQ(Variant(3), 3);
  EXPECT_NE(Variant(3), Variant("3"));
  EXPECT_GT(Variant(1), Variant());
}

TEST(VariantTest, ToIntRoundsHalfToEven) {
  EXPECT_EQ(Variant(2.5).toInt(), 2);
  EXPECT_EQ(Variant(3.5).toInt(), 4);
  EXPECT_EQ(Variant(" 7").toInt(), 7);
}

}  // namespace
}  // namespace kervale
