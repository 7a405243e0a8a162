#include "shell/game_screens.h"

#include "club/player_directory.h"
#include "data/mls_module.h"
#include "newgame/fixture_list.h"
#include "shell/frm_about.h"
#include "shell/main_module.h"
#include "shell/player_stats.h"
#include "team/pitch_settings.h"
#include "team/team_select.h"
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
      {"TeamSelect", [] { showTeamSelect(); }},
      {"pitchsettings", [] { showPitchSettings(); }},
  };
  return screens;
}

}  // namespace kervale
