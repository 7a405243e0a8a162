#include "shell/game_screens.h"

#include "competitions/a_league_table.h"
#include "competitions/league_champ.h"
#include "competitions/mls_playoffs.h"
#include "competitions/tables.h"
#include "competitions/us_open_cup.h"
#include "data/mls_module.h"
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
      {"Tables", [] { showTables(); }},
      {"ALeagueTable", [] { showLeagueTable(mls().TableLeague); }},
      {"MLS_Playoffs", [] { showPlayoffs(0); }},
      {"UsOpenCup", [] { showUsOpenCup(); }},
      {"LeagueChamp", [] { showLeagueChamp(); }},
  };
  return screens;
}

}  // namespace kervale
