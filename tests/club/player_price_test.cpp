#include "club/player_price.h"

#include <gtest/gtest.h>

#include "club/player_purchase.h"
#include "data/mls_module.h"

namespace kervale {
namespace {

TEST(PlayerAskingPriceTest, WeightsTheBestLineAndDoublesWhenListed) {
  replaceGame(makeEmptyGame());
  MLSModule& g = mls();
  struct Case {
    float k;
    double d, m, f;
    int price;
  };
  const Case cases[] = {
      {2, 10, 12, 8, 4474},    // midfield highest
      {1, 10, 10, 10, 3825},   // three-way tie goes to defence
      {1, 12, 12, 8, 4813},    // D = M: still the defence weights
      {15, 15, 15, 3, 5636},   // keeper not strictly best: priced as an outfielder
      {12.5f, 3, 3, 3, 1562},  // keeper price, half to even
      {1, 4, 6, 11, 1477},     // attack highest
      {12, 3, 3, 12, 996},     // keeper level with the attack: priced as an attacker
  };
  for (const Case& c : cases) {
    g.PlayerGoalkeeping(9) = c.k;
    g.PlayerDefense(9) = c.d;
    g.PlayerMidfield(9) = c.m;
    g.PlayerAttack(9) = c.f;
    g.PlayerTransferListed(9) = 0;
    EXPECT_EQ(PlayerAskingPrice(9), c.price) << c.k << " " << c.d << " " << c.m << " " << c.f;
    g.PlayerTransferListed(9) = 1;
    EXPECT_EQ(PlayerAskingPrice(9), 2 * c.price) << "listed " << c.d << " " << c.m << " " << c.f;
  }
  replaceGame(nullptr);
}

// An MLS buyer pays twenty times the wage, at most 1000 (thousands).
TEST(PurchaseWageTest, TwentyTimesTheWageUpToTheCap) {
  const std::pair<int, int> cases[] = {{0, 0}, {7, 140}, {49, 980}, {50, 1000}, {51, 1000}, {80, 1000}};
  for (const auto& [wage, figure] : cases) EXPECT_EQ(purchaseWageFigure(wage), figure) << wage;
}

}  // namespace
}  // namespace kervale
