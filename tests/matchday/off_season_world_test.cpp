// Two off-seasons in a row on world games, through the hub's day loop.
#include <gtest/gtest.h>

#include <vector>

#include "base/random.h"
#include "data/mls_module.h"
#include "matchday/driver_world.h"
#include "offseason/college_draft.h"
#include "shell/main_module.h"
#include "standin/stand_in_user.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

void expectSoundSquads(const MLSModule& g, int club) {
  std::vector<int> clubOf(kLastPlayer + 1, 0);
  for (int c = 1; c <= kLastClub; ++c) {
    for (int s = 1; s <= 20; ++s) {
      const int p = static_cast<int>(g.TeamSquad(s, c));
      if (p == 0 || g.PlayerName(p).empty()) continue;
      EXPECT_EQ(clubOf[p], 0) << "user club " << club << ": player " << p << " in clubs " << clubOf[p] << " and " << c;
      clubOf[p] = c;
      EXPECT_EQ(g.PlayerTeam(p), c) << "user club " << club << ": player " << p;
    }
  }
  EXPECT_LE(g.NumPlayers, kLastPlayer);
}

TEST(OffSeasonWorld, TwoDraftsInARowKeepEverySquadSound) {
  for (int club : {3, 60}) {
    auto game = startedWorldGame(club);
    ASSERT_TRUE(game) << "no game to play";
    ScriptedDialogs dialogs{ui::HeadlessBackend::Policy::Defaults};
    ScopedCurrentDir inWorld{KERVALE_WORLD_DIR};
    replaceGame(std::move(game));
    rng().seed(club);
    const StandInUser player;
    MainModule& hub = ui::screen<MainModule>();
    hub.Show();
    const CollegeDraft& draft = ui::screen<CollegeDraft>();
    const int before = draft.draftsRun();
    for (int season = 1; season <= 2; ++season) {
      mls().CurrentWeek = 41;
      mls().WeekDay = 3;  // the next press plays round 41
      hub.PlayGamesBUtton.userClick();
      EXPECT_EQ(draft.draftsRun(), before + season) << club;
      EXPECT_FALSE(draft.loaded());
      EXPECT_GT(draft.summary().drafted, 0);
      expectSoundSquads(mls(), club);
    }
    hub.Unload();
  }
}

}  // namespace
}  // namespace kervale::test
