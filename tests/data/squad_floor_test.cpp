#include "data/squad_floor.h"

#include <gtest/gtest.h>

#include <memory>

namespace kervale {
namespace {

constexpr int kClub = 60;

// Club 60 holds `players` outfielders in slots 1.., then `keepers` keepers;
// it began the game with `start`.
std::unique_ptr<MLSModule> squadOf(int players, int keepers, int start) {
  auto g = makeEmptyGame();
  for (int s = 1; s <= players + keepers; ++s) {
    const int p = 100 + s;
    g->TeamSquad(s, kClub) = p;
    g->PlayerTeam(p) = kClub;
    g->PlayerName(p) = "P";
    g->PlayerDefense(p) = 5;
    g->PlayerGoalkeeping(p) = s > players ? 9.0F : 1.0F;
  }
  g->StartingSquad.assign(kLastClub + 1, 18);
  g->StartingSquad[kClub] = start;
  return g;
}

TEST(SquadFloor, SixteenOrTheNumberTheClubBeganWithWhenFewer) {
  EXPECT_EQ(squadFloor(*squadOf(14, 2, 18), kClub), kSquadFloor);
  EXPECT_EQ(squadFloor(*squadOf(14, 2, 16), kClub), 16);
  EXPECT_EQ(squadFloor(*squadOf(10, 2, 12), kClub), 12);
  EXPECT_EQ(squadFloor(*squadOf(10, 2, 1), kClub), 1);
  EXPECT_EQ(squadFloor(*squadOf(10, 2, 0), kClub), kSquadFloor) << "a club that began with nobody";
  auto unstarted = squadOf(14, 2, 18);
  unstarted->StartingSquad.clear();
  EXPECT_EQ(squadFloor(*unstarted, kClub), 0) << "a game not begun from the data files keeps no floor";
}

TEST(SquadFloor, ASaleMustLeaveTheFloorAndTwoKeepers) {
  const auto seventeen = squadOf(14, 3, 18);
  EXPECT_TRUE(saleKeepsFloor(*seventeen, kClub, 101)) << "17 own: an outfielder may go";
  EXPECT_TRUE(saleKeepsFloor(*seventeen, kClub, 117)) << "the third keeper may go";
  const auto sixteen = squadOf(14, 2, 18);
  EXPECT_FALSE(saleKeepsFloor(*sixteen, kClub, 101)) << "16 own: nobody goes";
  const auto twoKeepers = squadOf(15, 2, 18);
  EXPECT_TRUE(saleKeepsFloor(*twoKeepers, kClub, 101));
  EXPECT_FALSE(saleKeepsFloor(*twoKeepers, kClub, 116)) << "one of two keepers stays";
  const auto threeKeepers = squadOf(15, 3, 18);
  threeKeepers->PlayerInjury(116) = 4;
  EXPECT_TRUE(saleKeepsFloor(*threeKeepers, kClub, 117)) << "an injured keeper is still one of the two";
  const auto small = squadOf(10, 2, 11);
  EXPECT_TRUE(saleKeepsFloor(*small, kClub, 101)) << "a club that began with 11 keeps 11";
  small->TeamSquad(1, kClub) = 0;
  small->PlayerTeam(101) = 0;
  EXPECT_FALSE(saleKeepsFloor(*small, kClub, 102));
  small->StartingSquad.clear();
  EXPECT_TRUE(saleKeepsFloor(*small, kClub, 111)) << "no floor in a game not begun from the data files";
}

TEST(SquadFloor, OwnKeepersCountNamedKeepersOfTheClubOnly) {
  auto g = squadOf(14, 3, 18);
  EXPECT_EQ(ownKeepers(*g, kClub, false), 3);
  g->PlayerInjury(115) = 1;
  EXPECT_EQ(ownKeepers(*g, kClub, true), 2);
  g->PlayerTeam(116) = 3;  // sold on, his old slot not yet rebuilt
  g->PlayerName(117) = "";
  EXPECT_EQ(ownKeepers(*g, kClub, false), 1);
  g->PlayerGoalkeeping(101) = 5.0F;  // level with his defence: no keeper
  EXPECT_EQ(ownKeepers(*g, kClub, false), 1);
  EXPECT_EQ(ownKeepers(*g, 0, false), 0);
}

}  // namespace
}  // namespace kervale
