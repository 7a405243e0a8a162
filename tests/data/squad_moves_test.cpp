#include "data/squad_moves.h"

#include <gtest/gtest.h>

namespace kervale {
namespace {

TEST(SquadMovesTest, FreeSlotIsAnEmptyCellOrANamelessRecord) {
  auto g = makeEmptyGame();
  for (int s = 1; s <= 20; ++s) {
    g->TeamSquad(s, 4) = 100 + s;
    g->PlayerName(100 + s) = "P";
  }
  EXPECT_EQ(firstFreeSquadSlot(*g, 4), 0);
  g->PlayerName(107) = "";
  EXPECT_EQ(firstFreeSquadSlot(*g, 4), 7);
  g->TeamSquad(3, 4) = 0;
  EXPECT_EQ(firstFreeSquadSlot(*g, 4), 3);
  EXPECT_EQ(firstFreeSquadSlot(*g, 0), 0);
  EXPECT_EQ(firstFreeSquadSlot(*g, 286), 0);
}

TEST(SquadMovesTest, MoveLeavesOneSquadAndKeepsTheCounts) {
  auto g = makeEmptyGame();
  g->TeamSquad(5, 2) = 40;
  g->PlayerTeam(40) = 2;
  g->TeamSquadCount(2) = 11;
  g->TeamSquadCount(9) = 14;
  movePlayer(*g, 40, 9, 15);
  EXPECT_EQ(g->TeamSquad(5, 2), 0);
  EXPECT_EQ(g->TeamSquad(15, 9), 40);
  EXPECT_EQ(g->PlayerTeam(40), 9);
  EXPECT_EQ(g->TeamSquadCount(2), 10);
  EXPECT_EQ(g->TeamSquadCount(9), 15);

  movePlayer(*g, 40, 0, 0);  // released
  EXPECT_EQ(g->TeamSquad(15, 9), 0);
  EXPECT_EQ(g->PlayerTeam(40), 0);
  EXPECT_EQ(g->TeamSquadCount(9), 14);

  movePlayer(*g, 40, 3, 1);  // a free agent joins: nobody loses a player
  EXPECT_EQ(g->TeamSquad(1, 3), 40);
  EXPECT_EQ(g->TeamSquadCount(9), 14);
  EXPECT_EQ(g->TeamSquadCount(3), 1);
}

// The count is the club's players, with a slot or without: a birthday
// retirement, which leaves the emptied record in its slot, counts him out,
// so the next signing into that slot does not take the count past 20.
TEST(SquadMovesTest, CountsFollowRetirementsAndPlayersBeyondTheSlots) {
  auto g = makeEmptyGame();
  for (int s = 1; s <= 20; ++s) {
    g->PlayerName(s) = "P" + std::to_string(s);
    movePlayer(*g, s, 4, s);
  }
  EXPECT_EQ(g->TeamSquadCount(4), 20);
  clearRetiredPlayer(*g, 7);
  EXPECT_EQ(g->TeamSquadCount(4), 19);
  EXPECT_EQ(g->TeamSquad(7, 4), 7);  // the slot is the caller's business
  g->PlayerName(30) = "Signing";
  movePlayer(*g, 30, 4, firstFreeSquadSlot(*g, 4));
  EXPECT_EQ(g->TeamSquad(7, 4), 30);
  EXPECT_EQ(g->TeamSquadCount(4), 20);

  // A player joining a full club is counted without a slot, and counted out
  // when he leaves it.
  g->PlayerName(31) = "Extra";
  movePlayer(*g, 31, 4, firstFreeSquadSlot(*g, 4));
  EXPECT_EQ(g->PlayerTeam(31), 4);
  EXPECT_EQ(g->TeamSquadCount(4), 21);
  movePlayer(*g, 31, 5, 1);
  EXPECT_EQ(g->TeamSquadCount(4), 20);
  EXPECT_EQ(g->TeamSquadCount(5), 1);

  // A free agent's retirement changes no club's count.
  g->PlayerName(40) = "Free";
  clearRetiredPlayer(*g, 40);
  EXPECT_EQ(g->TeamSquadCount(0), 0);
  EXPECT_EQ(g->TeamSquadCount(4), 20);
}

}  // namespace
}  // namespace kervale
