#include "shell/game_screens.h"

#include "club/player_directory.h"
#include "competitions/a_league_table.h"
#include "competitions/league_champ.h"
#include "competitions/mls_playoffs.h"
#include "competitions/tables.h"
#include "competitions/us_open_cup.h"
#include "data/mls_module.h"
#include "club/chairman.h"
#include "club/finances.h"
#include "club/scouting.h"
#include "club/staff_show.h"
#include "newgame/fixture_list.h"
#include "offseason/a_league_wait.h"
#include "offseason/college_draft.h"
#include "offseason/end_of_season.h"
#include "shell/frm_about.h"
#include "shell/main_module.h"
#include "shell/player_stats.h"
#include "ui/screen.h"

namespace kervale {

namespace {

// The card needs a real player: the first of the user's squad, else the first
// named one.
int firstNamedPlayer() {
  const MLSModule& g = mls();
  const int mine = static_cast<int>(g.TeamSquad(1, g.MyTeam));
  if (mine > 0 && !g.PlayerName(mine).empty()) return mine;
  for (int p = 1; p <= g.NumPlayers; ++p) {
    if (!g.PlayerName(p).empty()) return p;
  }
  return 0;
}

}  // namespace

const std::vector<GameScreen>& gameScreens() {
  static const std::vector<GameScreen> screens = {
      {"MainModule", [] { ui::screen<MainModule>().Show(); }},
      {"FixtureList", [] { ui::screen<FixtureList>().Show(); }},
      {"PlayerStats", [] { ui::screen<PlayerStats>().Show(); }},
      {"frmAbout", [] { ui::screen<frmAbout>().Show(); }},
      {"PlayerDirectory", [] { showPlayerCard(firstNamedPlayer()); }},
      {"CollegeDraft", [] { showCollegeDraft(); }},
      {"Tables", [] { showTables(); }},
      {"ALeagueTable", [] { showLeagueTable(mls().TableLeague); }},
      {"MLS_Playoffs", [] { showPlayoffs(0); }},
      {"UsOpenCup", [] { showUsOpenCup(); }},
      {"LeagueChamp", [] { showLeagueChamp(); }},
      {"Finances", [] { showFinances(); }},
      {"Scouting", [] { showScouting(); }},
      {"StaffShow", [] { showStaff(); }},
      {"Chairman", [] { showChairman(); }},
      {"EndOfSeason", [] { showEndOfSeason(); }},
      {"ALeagueWait", [] { showALeagueWait(); }},
  };
  return screens;
}

}  // namespace kervale
