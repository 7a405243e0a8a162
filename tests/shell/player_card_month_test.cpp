// A month of play reaches the player card: the season figures the matches
// wrote are the ones the card shows.
#include <gtest/gtest.h>

#include "base/numbers.h"
#include "base/random.h"
#include "club/player_directory.h"
#include "data/mls_module.h"
#include "shell/main_module.h"
#include "shell/shell_game.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

class PlayerCardMonthTest : public ShellTest {};

// The user's player with the most of one season figure.
int leader(const Table1<double, kLastPlayer>& figure) {
  int best = smallGamePlayer(1, 1);
  for (int slot = 1; slot <= 16; ++slot) {
    const int p = smallGamePlayer(1, slot);
    if (figure(p) > figure(best)) best = p;
  }
  return best;
}

TEST_F(PlayerCardMonthTest, SeasonFiguresOfAMonthShowOnTheCard) {
  rng().seed(7);
  for (int p = 1; p <= g().NumPlayers; ++p) g().PlayerBirthMonth(p) = 0;
  hub().Show();
  playMatchdays();
  for (int day = 0; day < 30; ++day) {
    // An injured starter stops the press: the physios work a miracle.
    if (!hub().PlayGamesBUtton.enabled()) {
      for (int slot = 1; slot <= 16; ++slot) g().PlayerInjury(smallGamePlayer(1, slot)) = 0;
      hub().Unload();
      hub().Show();
    }
    hub().PlayGamesBUtton.userClick();
  }

  PlayerDirectory& card = ui::screen<PlayerDirectory>();
  const int regular = leader(g().PlayerGamesSeason);
  ASSERT_GT(g().PlayerGamesSeason(regular), 0);
  showPlayerCard(regular);
  EXPECT_EQ(card.Label52.caption(), Str(g().PlayerGamesSeason(regular)));
  EXPECT_NE(card.Label70.caption(), "0") << "a player with games has a rating";
  EXPECT_TRUE(card.Command3.visible()) << "the user's own player";

  const int scorer = leader(g().PlayerGoalsSeason);
  ASSERT_GT(g().PlayerGoalsSeason(scorer), 0);
  showPlayerCard(scorer);
  EXPECT_EQ(card.Label58.caption(), Str(g().PlayerGoalsSeason(scorer)));
  EXPECT_EQ(card.Label2.caption(), g().PlayerName(scorer));
  card.Unload();
}

}  // namespace
}  // namespace kervale::test
