#include "shell/game_screens.h"

#include "club/chairman.h"
#include "club/finances.h"
#include "club/scouting.h"
#include "club/staff_show.h"
#include "newgame/fixture_list.h"
#include "shell/frm_about.h"
#include "shell/main_module.h"
#include "shell/player_stats.h"
#include "ui/screen.h"

namespace kervale {

const std::vector<GameScreen>& gameScreens() {
  static const std::vector<GameScreen> screens = {
      {"MainModule", [] { ui::screen<MainModule>().Show(); }},
      {"FixtureList", [] { ui::screen<FixtureList>().Show(); }},
      {"PlayerStats", [] { ui::screen<PlayerStats>().Show(); }},
      {"frmAbout", [] { ui::screen<frmAbout>().Show(); }},
      {"Finances", [] { showFinances(); }},
      {"Scouting", [] { showScouting(); }},
      {"StaffShow", [] { showStaff(); }},
      {"Chairman", [] { showChairman(); }},
  };
  return screens;
}

}  // namespace kervale
