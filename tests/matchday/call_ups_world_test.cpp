// The between-matchday pass brings a computer club that has fallen below its
// floor back to it before the club plays again.
#include <gtest/gtest.h>

#include <array>

#include "base/random.h"
#include "data/mls_module.h"
#include "data/squad_floor.h"
#include "data/squad_moves.h"
#include "match/match_engine.h"
#include "matchday/driver_world.h"
#include "support/scripted_dialogs.h"
#include "team/line_up.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

constexpr int kUser = 60;
// A computer club of each league that plays: MLS, A-League, English, Australian.
constexpr std::array<int, 4> kClubs = {2, 20, 61, 226};

TEST(CallUpsBetweenMatchdays, AClubBelowItsFloorIsBackAtItAfterThePass) {
  auto game = startedWorldGame(kUser);
  ASSERT_TRUE(game) << "no game to play";
  replaceGame(std::move(game));
  MLSModule& g = mls();
  ScriptedDialogs dialogs(ui::HeadlessBackend::Policy::Defaults);
  rng().seed(5);
  for (int club : kClubs) {
    ASSERT_GE(namedSquadPlayers(g, club, true), squadFloor(g, club)) << "club " << club;
    // Retirements take it one below its floor.
    int left = namedSquadPlayers(g, club, true) - squadFloor(g, club) + 1;
    for (int slot = 20; slot >= 1 && left > 0; --slot) {
      if (const int p = squadPlayer(g, club, slot)) {
        clearRetiredPlayer(g, p);
        --left;
      }
    }
    ASSERT_LT(namedSquadPlayers(g, club, true), squadFloor(g, club)) << "club " << club;
  }

  MatchEngine& engine = ui::screen<MatchEngine>();
  engine.matchdaydone = true;
  engine.Minbox_Click();

  for (int club : kClubs) EXPECT_GE(namedSquadPlayers(g, club, true), squadFloor(g, club)) << "club " << club;
  EXPECT_GE(engine.betweentally.callUps, 4);
  replaceGame(nullptr);
}

}  // namespace
}  // namespace kervale::test
