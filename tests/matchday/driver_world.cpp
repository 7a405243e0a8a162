#include "matchday/driver_world.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <utility>

#include "match/match_engine.h"
#include "newgame/pick_team.h"
#include "shell/frm_splash.h"
#include "shell/main_module.h"
#include "support/temp_dir.h"
#include "support/world.h"
#include "ui/headless/headless_backend.h"
#include "ui/screen.h"

namespace kervale::test {

namespace {

std::unique_ptr<MLSModule> startGame(int club, std::uint64_t seed) {
  ScopedCurrentDir inWorld{KERVALE_WORLD_DIR};
  ui::HeadlessBackend& backend = ui::headless();
  const auto policy = backend.policy();
  backend.setPolicy(ui::HeadlessBackend::Policy::Defaults);
  PickTeam& pick = ui::screen<PickTeam>();
  pick.loaderSeed = seed;
  ui::screen<frmSplash>().Show();
  ui::screen<frmSplash>().Command1.userClick();
  std::unique_ptr<MLSModule> game;
  if (pick.loaded()) {
    // The country page of the club and its place in the page's list.
    ui::CommandButton* page = &pick.Command1;
    int position = club;
    if (club >= 17 && club <= 34) position = club - 6;
    if ((club >= 53 && club <= 144) || (club >= 225 && club <= 237)) {
      page = club <= 144 ? &pick.Command1347 : &pick.Command7;
      position = club - 6;
    }
    page->userClick();
    const int low = std::min(pick.VScroll1.min(), pick.VScroll1.max());
    const int high = std::max(pick.VScroll1.min(), pick.VScroll1.max());
    pick.VScroll1.userScroll(std::clamp(position - 1, low, high));
    pick.teambutton(position - pick.VScroll1.value()).userClick();
    pick.Text1.userSetText("Robin Hale");
    pick.OkButtonTeamSelect.userClick();
    if (mls().MyTeam == club) game = std::make_unique<MLSModule>(mls());
  }
  for (ui::Form* form : {static_cast<ui::Form*>(&ui::screen<MainModule>()), static_cast<ui::Form*>(&pick),
                         static_cast<ui::Form*>(&ui::screen<frmSplash>())}) {
    if (form->loaded()) form->Unload();
  }
  pick.loaderSeed.reset();
  replaceGame(nullptr);
  backend.setPolicy(policy);
  backend.clearLog();
  return game;
}

}  // namespace

std::unique_ptr<MLSModule> startedWorldGame(int club, std::uint64_t seed) {
  if (const auto present = worldPresent(); !present) {
    ADD_FAILURE() << present.message();
    return nullptr;
  }
  static std::map<std::pair<int, std::uint64_t>, std::unique_ptr<MLSModule>> made;
  auto& game = made[{club, seed}];
  if (!game) game = startGame(club, seed);
  if (!game) ADD_FAILURE() << "the new game of club " << club << " did not start";
  return game ? std::make_unique<MLSModule>(*game) : nullptr;
}

void playMatchdayAndAdvance() {
  MLSModule& g = mls();
  MatchEngine& match = ui::screen<MatchEngine>();
  match.Show();
  match.Unload();
  g.CurrentWeek = g.CurrentWeek + 1;
  if (g.CurrentWeek == 105) g.CurrentWeek = 1;
}

}  // namespace kervale::test
