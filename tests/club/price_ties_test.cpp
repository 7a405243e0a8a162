// Ties in the asking price: a keeper is priced as one only when his
// goalkeeping beats every outfield line strictly, and level lines go to
// defence first, then midfield.
#include <gtest/gtest.h>

#include <cstdint>

#include "club/player_price.h"
#include "data/mls_module.h"

namespace kervale {
namespace {

struct Ratings {
  float k;
  double d, m, f;
};

std::int32_t priceOf(const Ratings& r) {
  auto game = makeEmptyGame();
  game->PlayerGoalkeeping(9) = r.k;
  game->PlayerDefense(9) = r.d;
  game->PlayerMidfield(9) = r.m;
  game->PlayerAttack(9) = r.f;
  return PlayerAskingPrice(*game, 9);
}

TEST(KeeperPrice, LevelWithDefenceIsPricedAsADefender) {
  // 18 squared, times 12/5 + 3/8 + 3/10.
  EXPECT_EQ(priceOf({12, 12, 3, 3}), 996);
  EXPECT_EQ(priceOf({12.5F, 12, 3, 3}), 1562) << "a shade above the defence: 12.5 squared times 10";
}

TEST(KeeperPrice, LevelWithMidfieldIsPricedAsAMidfielder) {
  // 18 squared, times 3/7 + 12/5 + 3/7.
  EXPECT_EQ(priceOf({12, 3, 12, 3}), 1055);
  EXPECT_EQ(priceOf({13, 3, 12, 3}), 1690);
}

TEST(KeeperPrice, AKeeperBelowALineIsPricedByTheLines) {
  EXPECT_EQ(priceOf({11, 12, 3, 3}), 996);
  EXPECT_EQ(priceOf({0, 0, 0, 0}), 0);
  EXPECT_EQ(priceOf({1, 0, 0, 0}), 10) << "a keeper of 1 with no outfield rating";
}

TEST(LineTies, MidfieldLevelWithTheAttackIsPricedAsMidfield) {
  // 23 squared, times 3/7 + 10/5 + 10/7, not 3/10 + 10/8 + 10/5.
  EXPECT_EQ(priceOf({1, 3, 10, 10}), 2040);
  EXPECT_EQ(priceOf({1, 3, 10, 10.5}), 2102) << "the attack a shade ahead: 24 squared, times 3/10 + 10/8 + 10.5/5";
}

}  // namespace
}  // namespace kervale
