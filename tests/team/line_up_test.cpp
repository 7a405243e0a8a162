#include "team/line_up.h"

#include <gtest/gtest.h>

#include "data/mls_module.h"

namespace kervale {
namespace {

// A squad slot names a player only when it holds a whole, named record of the game.
TEST(SquadPlayerTest, OnlyAWholeNamedRecordOfTheGame) {
  replaceGame(makeEmptyGame());
  MLSModule& g = mls();
  g.NumPlayers = kLastPlayer;
  for (int p : {1, 7, kLastPlayer}) g.PlayerName(p) = "Named";
  struct Case {
    int club, slot;
    double stored;
    int player;
  };
  const Case cases[] = {{4, 1, 1, 1},         {4, 20, kLastPlayer, kLastPlayer},
                        {kLastClub, 2, 7, 7}, {4, 3, 7.5, 0},
                        {4, 4, 0, 0},         {4, 5, 9, 0},  // no name
                        {0, 1, 7, 0},         {4, 0, 7, 0},
                        {4, 21, 7, 0}};
  for (const Case& c : cases) {
    if (c.club >= 1 && c.club <= kLastClub && c.slot >= 1 && c.slot <= 20) g.TeamSquad(c.slot, c.club) = c.stored;
    EXPECT_EQ(squadPlayer(g, c.club, c.slot), c.player) << c.club << " " << c.slot << " " << c.stored;
  }
  g.NumPlayers = 6;
  EXPECT_EQ(squadPlayer(g, kLastClub, 2), 0) << "past the game's last player";
  replaceGame(nullptr);
}

}  // namespace
}  // namespace kervale
