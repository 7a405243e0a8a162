#include "bench_new_game.h"

#include <algorithm>
#include <initializer_list>

#include "data/mls_module.h"
#include "newgame/pick_team.h"
#include "shell/frm_splash.h"
#include "shell/main_module.h"
#include "ui/headless/headless_backend.h"
#include "ui/screen.h"

namespace kervale {

bool startGameThroughScreens(int club, int loaderSeed, bool english, std::string& error) {
  ui::headless().setPolicy(ui::HeadlessBackend::Policy::Defaults);
  PickTeam& pick = ui::screen<PickTeam>();
  pick.loaderSeed = loaderSeed;
  ui::screen<frmSplash>().Show();
  ui::screen<frmSplash>().Command1.userClick();
  if (pick.loaded()) {
    (english ? pick.Command1347 : pick.Command1).userClick();
    const int position = english ? club - 6 : club;  // where the page lists the club
    const int low = std::min(pick.VScroll1.min(), pick.VScroll1.max());
    const int high = std::max(pick.VScroll1.min(), pick.VScroll1.max());
    pick.VScroll1.userScroll(std::clamp(position - 1, low, high));
    pick.teambutton(position - pick.VScroll1.value()).userClick();
    pick.Text1.userSetText("Bench Manager");
    pick.OkButtonTeamSelect.userClick();
  }
  const bool started = mls().MyTeam == club && !pick.loaded();
  if (!started) error = pick.loadError ? pick.loadError->problem() : "the new game did not start";
  for (ui::Form* form : {static_cast<ui::Form*>(&ui::screen<MainModule>()), static_cast<ui::Form*>(&pick),
                         static_cast<ui::Form*>(&ui::screen<frmSplash>())}) {
    if (form->loaded()) form->Unload();
  }
  return started;
}

}  // namespace kervale
