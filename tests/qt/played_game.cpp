#include "qt/played_game.h"

#include <string>

#include "data/news.h"
#include "matchday/driver_world.h"
#include "offseason/off_season.h"
#include "shell/main_module.h"
#include "standin/stand_in_user.h"
#include "support/sanitized.h"
#include "support/temp_dir.h"
#include "ui/backend.h"
#include "ui/headless/headless_backend.h"
#include "ui/screen.h"

namespace kervale::test {

namespace {

constexpr int kEnglishClub = 60;
// Two weeks from the start: four matchdays of the English season.
constexpr int kDays = 14;
// More than the days from one season end to the next.
constexpr int kDaysASeason = 400;

void fillClubNews(MLSModule& g) {
  const int club = static_cast<int>(g.MyTeam);
  for (int slot = 1; slot <= 20; ++slot) {
    const double p = g.TeamSquad(slot % 20 + 1, club);
    const std::string& name = g.PlayerName(p);
    if (!addClubNews(g, name + " says he is unhappy at the club and is making himself available for transfer.")) {
      return;
    }
    if (!addClubNews(g, name + " is out for 2 week(s) with a(n) hamstring strain.")) return;
    if (!addClubNews(g, name + " celebrated his birthday. He is now 27 years old.")) return;
  }
}

// One press of Continue, the squad made ready first; false when the stand-in
// cannot make it ready.
bool pressContinue(StandInUser& standIn, MainModule& hub) {
  if (!hub.loaded()) hub.Show();
  standIn.fitLineUp();
  if (!hub.PlayGamesBUtton.enabled()) standIn.readySquad();
  if (!hub.PlayGamesBUtton.enabled()) return false;
  hub.PlayGamesBUtton.userClick();
  return true;
}

// Through the given number of season ends, then two weeks on.
std::unique_ptr<MLSModule> play(int seasonEnds) {
  std::unique_ptr<MLSModule> game = startedWorldGame(kEnglishClub);
  if (!game) return nullptr;
  ScopedCurrentDir inWorld(KERVALE_WORLD_DIR);
  ui::HeadlessBackend& headless = ui::headless();
  const auto policy = headless.policy();
  headless.setPolicy(ui::HeadlessBackend::Policy::Defaults);
  replaceGame(std::move(game));
  bool played = true;
  {
    StandInUser standIn(headless);
    MainModule& hub = ui::screen<MainModule>();
    hub.Show();
    const int lastEnd = seasonEndsRun() + seasonEnds;
    for (int day = 0; played && seasonEndsRun() < lastEnd; ++day) {
      played = day < kDaysASeason * seasonEnds && pressContinue(standIn, hub);
    }
    for (int day = 0; played && day < kDays; ++day) played = pressContinue(standIn, hub);
    if (hub.loaded()) hub.Unload();
  }
  headless.setPolicy(policy);
  headless.clearLog();
  MLSModule& g = mls();
  fillClubNews(g);
  auto result = played ? std::make_unique<MLSModule>(g) : nullptr;
  replaceGame(nullptr);
  return result;
}

}  // namespace

std::unique_ptr<MLSModule> playedWorldGame() {
  static const std::unique_ptr<MLSModule> played = play(0);
  return played ? std::make_unique<MLSModule>(*played) : nullptr;
}

std::unique_ptr<MLSModule> laterSeasonWorldGame() {
  static const std::unique_ptr<MLSModule> played = play(kSanitized ? 1 : 3);
  return played ? std::make_unique<MLSModule>(*played) : nullptr;
}

}  // namespace kervale::test
