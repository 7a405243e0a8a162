#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>

#include "data/mls_module.h"

namespace kervale {
namespace {

std::string indexError(auto&& access) {
  try {
    access();
  } catch (const std::out_of_range& error) {
    return error.what();
  }
  return "no error";
}

TEST(TablesTest, IndexOutsideTheBoundsThrowsNamingTableAndIndex) {
  auto game = makeEmptyGame();
  EXPECT_EQ(indexError([&] { game->TeamName(286) = "x"; }), "TeamName: index 286 outside 0..285");
  EXPECT_EQ(indexError([&] { (void)game->PlayerName(-1); }), "PlayerName: index -1 outside 0..10000");
  EXPECT_EQ(indexError([&] { game->TeamSquad(21, 5) = 1; }), "TeamSquad: index 21 outside 0..20");
  EXPECT_EQ(indexError([&] { game->TeamSquad(1, 286) = 1; }), "TeamSquad: index 286 (position 2) outside 0..285");
  EXPECT_EQ(indexError([&] { game->FlowTable1(1, 1, 3) = 1; }), "FlowTable1: index 3 (position 3) outside 0..2");
  EXPECT_EQ(indexError([&] { game->ClubNewsLine(51) = "x"; }), "ClubNewsLine: index 51 outside 0..50");
}

TEST(TablesTest, BoundsAreInclusive) {
  auto game = makeEmptyGame();
  game->TeamName(0) = "expansion";
  game->TeamName(285) = "last";
  game->PlayerInterest(10000, 5) = 7;
  game->PositionFactor(24, 8, 3) = 1.5;
  EXPECT_EQ(game->TeamName(285), "last");
  EXPECT_EQ(game->PlayerInterest(10000, 5), 7);
  EXPECT_EQ(game->PositionFactor(24, 8, 3), 1.5);
}

TEST(TablesTest, CellsOfTwoAndThreeBoundsAreDistinct) {
  auto game = makeEmptyGame();
  for (int club = 0; club <= 285; ++club) {
    for (int slot = 0; slot <= 20; ++slot) game->TeamSquad(slot, club) = club * 100 + slot;
  }
  for (int club = 0; club <= 285; ++club) {
    for (int slot = 0; slot <= 20; ++slot) ASSERT_EQ(game->TeamSquad(slot, club), club * 100 + slot);
  }
  for (int zone : {7, 8}) {
    for (int flow : {3, 4}) {
      for (int side : {1, 2}) game->FlowTable2(zone, flow, side) = zone * 100 + flow * 10 + side;
    }
  }
  EXPECT_EQ(game->FlowTable2(7, 3, 1), 731);
  EXPECT_EQ(game->FlowTable2(7, 3, 2), 732);
  EXPECT_EQ(game->FlowTable2(7, 4, 1), 741);
  EXPECT_EQ(game->FlowTable2(8, 3, 1), 831);
}

TEST(TablesTest, NumberIndexesRoundHalfToEven) {
  auto game = makeEmptyGame();
  for (int i = 0; i <= 8; ++i) game->WestOrder(i) = i;
  EXPECT_EQ(game->WestOrder(2.5), 2);
  EXPECT_EQ(game->WestOrder(3.5), 4);
  EXPECT_EQ(game->WestOrder(Variant(6)), 6);
  EXPECT_EQ(game->WestOrder(Variant()), 0);
  EXPECT_EQ(game->WestOrder(8.4), 8);
  EXPECT_THROW((void)game->WestOrder(8.6), std::out_of_range);
  EXPECT_THROW((void)game->WestOrder(-0.6), std::out_of_range);
  EXPECT_THROW((void)game->WestOrder(std::nan("")), std::out_of_range);
  EXPECT_EQ(game->WestOrder(std::int16_t{3}), 3);
  EXPECT_THROW((void)game->WestOrder(std::size_t{9}), std::out_of_range);
}

TEST(TablesTest, ReplacingTheGameReplacesEverything) {
  mls().TeamName(4) = "Old Club";
  mls().CurrentWeek = 30;
  auto fresh = makeEmptyGame();
  fresh->TeamName(4) = "New Club";
  MLSModule* address = fresh.get();
  replaceGame(std::move(fresh));
  EXPECT_EQ(&mls(), address);
  EXPECT_EQ(mls().TeamName(4), "New Club");
  EXPECT_EQ(mls().CurrentWeek, 0);
  replaceGame(nullptr);  // a new, empty game
  EXPECT_EQ(mls().TeamName(4), "");
  EXPECT_EQ(mls().TeamMoney(10), 0);
  EXPECT_TRUE(mls().PlayoffQFResult(3).isEmpty());
  EXPECT_FALSE(mls().ShowAllMatches);
}

TEST(TablesTest, AGameCanBeCopiedForStaging) {
  auto game = makeEmptyGame();
  game->PlayerName(12) = "Copied";
  game->TeamSquad(3, 4) = 12;
  auto copy = std::make_unique<MLSModule>(*game);
  copy->PlayerName(12) = "Changed";
  EXPECT_EQ(game->PlayerName(12), "Copied");
  EXPECT_EQ(copy->TeamSquad(3, 4), 12);
  EXPECT_EQ(indexError([&] { copy->TeamSquad(30, 4) = 1; }), "TeamSquad: index 30 outside 0..20");
}

TEST(TablesTest, MakingAnEmptyGameIsCheap) {
  const auto start = std::chrono::steady_clock::now();
  for (int k = 0; k < 10; ++k) {
    auto game = makeEmptyGame();
    ASSERT_EQ(game->PlayerName(10000), "");
  }
  const auto each = (std::chrono::steady_clock::now() - start) / 10;
  // A few milliseconds in an optimised build; generous for sanitizer builds.
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(each).count(), 50);
}

}  // namespace
}  // namespace kervale
