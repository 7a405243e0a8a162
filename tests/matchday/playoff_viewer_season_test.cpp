// Opening the bracket viewer while the playoffs run changes nothing that the
// matchdays decide.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/random.h"
#include "competitions/mls_playoffs.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "matchday/driver_world.h"
#include "standin/stand_in_user.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

constexpr int kUser = 1;  // an MLS club; the world game plays eight-club playoffs

// What the playoffs decided, as text so that a difference reads plainly.
std::vector<std::string> outcome(const MLSModule& g) {
  std::vector<Variant> out;
  for (int k = 1; k <= 8; ++k) out.insert(out.end(), {g.PlayoffQFTeam(k), g.PlayoffQFResult(k)});
  for (int k = 1; k <= 4; ++k) {
    out.insert(out.end(), {g.PlayoffSFTeam(k), g.PlayoffSFResult(k), g.ALeaguePlayoffSFTeam(k)});
  }
  out.insert(out.end(), {g.MLSFinalTeam1, g.MLSFinalTeam2, g.MLSFinalScore1, g.MLSFinalScore2,
                         g.MLSChampionHistory(g.CurrentSeason)});
  std::vector<std::string> texts;
  for (const Variant& v : out) texts.push_back(v.isEmpty() ? "(empty)" : v.text());
  return texts;
}

// Plays rounds 80 to 87 from `start`, opening the MLS and A-League views
// before every matchday when asked.
std::vector<std::string> playoffRounds(const MLSModule& start, bool openViews) {
  replaceGame(std::make_unique<MLSModule>(start));
  rng().seed(2718);
  MLSModule& g = mls();
  while (g.CurrentWeek < 88) {
    if (openViews && g.CurrentWeek >= 80) {
      showPlayoffs(0);
      showPlayoffs(5);
      ui::screen<MLS_Playoffs>().Unload();
    }
    playMatchdayAndAdvance();
  }
  std::vector<std::string> out = outcome(g);
  if (ui::screen<MatchEngine>().loaded()) ui::screen<MatchEngine>().Unload();
  replaceGame(nullptr);
  return out;
}

TEST(PlayoffViewerSeason, OpeningTheViewsLeavesThePlayoffsAsPlayed) {
  ScopedCurrentDir inWorld{KERVALE_WORLD_DIR};
  ScriptedDialogs dialogs{ui::HeadlessBackend::Policy::Defaults};
  StandInUser user;
  std::unique_ptr<MLSModule> start = startedWorldGame(kUser);
  ASSERT_TRUE(start) << "no game to play";
  ASSERT_EQ(start->PlayoffTeams, 8);
  // Up to the week before the views are first opened, once for both runs.
  replaceGame(std::move(start));
  rng().seed(31);
  while (mls().CurrentWeek != 80) playMatchdayAndAdvance();
  const auto before = std::make_unique<MLSModule>(mls());
  replaceGame(nullptr);

  const std::vector<std::string> unopened = playoffRounds(*before, false);
  const std::vector<std::string> opened = playoffRounds(*before, true);
  EXPECT_NE(unopened.front(), "0") << "the playoffs were seeded";
  EXPECT_EQ(opened, unopened);
}

}  // namespace
}  // namespace kervale::test
