// The player card on a new game of the real world: the user's player, another
// club's and a free player each get their panels, and every text is filled.
#include <gtest/gtest.h>

#include <string>

#include "club/player_directory.h"
#include "data/mls_module.h"
#include "driver_world.h"
#include "support/scripted_dialogs.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

constexpr int kUser = 3;

TEST(PlayerCardWorld, EachKindOfPlayerGetsItsPanels) {
  auto game = startedWorldGame(kUser);
  if (!game) GTEST_SKIP() << "no world";
  replaceGame(std::move(game));
  ScriptedDialogs dialogs;
  const MLSModule& g = mls();
  int free = 0;
  for (int p = 1; p <= g.NumPlayers && free == 0; ++p) {
    if (g.PlayerTeam(p) == 0 && !g.PlayerName(p).empty()) free = p;
  }
  ASSERT_NE(free, 0) << "the world has free players";
  struct Case {
    int player;
    bool contract, bid, release;
  };
  const Case cases[] = {{static_cast<int>(g.TeamSquad(2, kUser)), true, false, true},
                        {static_cast<int>(g.TeamSquad(2, kUser + 1)), false, true, false},
                        {free, true, false, false}};
  PlayerDirectory& card = ui::screen<PlayerDirectory>();
  for (const Case& c : cases) {
    showPlayerCard(c.player);
    ASSERT_TRUE(card.loaded());
    EXPECT_EQ(card.Frame1.visible(), c.contract) << c.player;
    EXPECT_EQ(card.Frame6.visible(), c.bid) << c.player;
    EXPECT_EQ(card.Command3.visible(), c.release) << c.player;
    EXPECT_EQ(card.Label2.caption(), g.PlayerName(c.player));
    for (const ui::Label* word : {&card.Label25, &card.Label26, &card.Label27, &card.Label32, &card.Label41}) {
      EXPECT_GT(word->caption().size(), 1u) << c.player << " " << word->name() << ": a grade word";
    }
    EXPECT_GT(card.AskingPrice, 0) << c.player;
    EXPECT_GT(card.Label9.caption().size(), 1u) << c.player << ": a nation";
    card.Command10.userClick();
  }
  replaceGame(nullptr);
}

}  // namespace
}  // namespace kervale::test
