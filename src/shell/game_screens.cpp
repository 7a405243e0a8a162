#include "shell/game_screens.h"

#include "newgame/fixture_list.h"
#include "offseason/college_draft.h"
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
      {"CollegeDraft", [] { showCollegeDraft(); }},
  };
  return screens;
}

}  // namespace kervale
