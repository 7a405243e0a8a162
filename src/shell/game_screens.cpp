#include "shell/game_screens.h"

#include "newgame/fixture_list.h"
#include "shell/frm_about.h"
#include "shell/main_module.h"
#include "shell/player_stats.h"
#include "team/reserveteam.h"
#include "team/tactics_form.h"
#include "team/training.h"
#include "ui/screen.h"

namespace kervale {

const std::vector<GameScreen>& gameScreens() {
  static const std::vector<GameScreen> screens = {
      {"MainModule", [] { ui::screen<MainModule>().Show(); }},
      {"FixtureList", [] { ui::screen<FixtureList>().Show(); }},
      {"PlayerStats", [] { ui::screen<PlayerStats>().Show(); }},
      {"frmAbout", [] { ui::screen<frmAbout>().Show(); }},
      {"Training", [] { showTraining(); }},
      {"TacticsForm", [] { showTacticsPage(); }},
      {"reserveteam", [] { showReserveTeam(); }},
  };
  return screens;
}

}  // namespace kervale
