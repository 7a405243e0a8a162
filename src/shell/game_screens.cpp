#include "shell/game_screens.h"

#include <string>

#include "base/numbers.h"
#include "club/buy_a_player.h"
#include "club/chairman.h"
#include "club/finances.h"
#include "club/player_directory.h"
#include "club/scouting.h"
#include "club/staff_show.h"
#include "club/team_stats.h"
#include "club/team_website.h"
#include "club/website.h"
#include "competitions/a_league_table.h"
#include "competitions/league_champ.h"
#include "competitions/mls_playoffs.h"
#include "competitions/tables.h"
#include "competitions/us_open_cup.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "match/match_settings.h"
#include "newgame/fixture_list.h"
#include "newgame/pick_team.h"
#include "offseason/a_league_wait.h"
#include "offseason/college_draft.h"
#include "offseason/end_of_season.h"
#include "shell/frm_about.h"
#include "shell/frm_splash.h"
#include "shell/load_bg_picture.h"
#include "shell/main_module.h"
#include "shell/player_stats.h"
#include "team/locker_room.h"
#include "team/pitch_settings.h"
#include "team/reserveteam.h"
#include "team/tactics_form.h"
#include "team/team_select.h"
#include "team/training.h"
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

// The results text of the current round as its matches leave it, so the match
// screen opens on a round already played instead of playing it.
void roundAlreadyPlayed() {
  MLSModule& g = mls();
  const int w = static_cast<int>(g.CurrentWeek);
  std::string text;
  for (int home = 1; home <= kLastClub; ++home) {
    const int away = g.FixtureOpponent(home, w);
    if (g.FixtureVenue(home, w) != 1 || away < 1 || away > kLastClub) continue;
    text +=
        g.TeamName(home) + Str(g.FixtureScore(home, w)) + " " + g.TeamName(away) + Str(g.FixtureScore(away, w)) + "\r";
  }
  g.LastResultText = text;
}

// The user's next match, as the locker room and the team sheet expect it.
void userMatchAhead() {
  MLSModule& g = mls();
  const int w = static_cast<int>(g.CurrentWeek);
  const int other = g.FixtureOpponent(g.MyTeam, w);
  const bool home = g.FixtureVenue(g.MyTeam, w) == 1;
  g.MatchHomeTeam = home ? g.MyTeam : other;
  g.MatchAwayTeam = home ? other : g.MyTeam;
  roundAlreadyPlayed();
}

// The portal's pages, each from its link.
std::vector<GameScreenView> portalPages() {
  std::vector<GameScreenView> pages;
  for (int link = 1; link <= 6; ++link) {
    Website& portal = ui::screen<Website>();
    pages.push_back({portal.Label4(link).caption(), [link] { ui::screen<Website>().Label4(link).userClick(); }});
  }
  return pages;
}

// Every league the table screen shows, from its menu.
std::vector<GameScreenView> leagueTables() {
  std::vector<GameScreenView> leagues;
  for (int league : {1, 2, 3, 4, 5, 6, 8, 12}) {
    leagues.push_back(
        {"league " + std::to_string(league), [league] { ui::screen<ALeagueTable>().switchLeague(league); }});
  }
  return leagues;
}

// The line-up panel of the user's club and its next opponent, their starters
// on the pitch.
void lineUpsShown() {
  MatchEngine& match = ui::screen<MatchEngine>();
  const MLSModule& g = mls();
  match.hometeam = static_cast<int>(g.MyTeam);
  match.awayteam = g.FixtureOpponent(g.MyTeam, g.CurrentWeek);
  for (int row = 0; row <= 10; ++row) {
    match.onpitchname(row, 1) = g.PlayerName(g.TeamSquad(row + 1, match.hometeam));
    match.onpitchname(row, 2) = g.PlayerName(g.TeamSquad(row + 1, match.awayteam));
  }
  match.lineupPanel();
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
      {"ALeagueTable", [] { showLeagueTable(mls().TableLeague); }, {}, leagueTables()},
      {"MLS_Playoffs", [] { showPlayoffs(0); }},
      {"UsOpenCup", [] { showUsOpenCup(); }},
      {"LeagueChamp", [] { showLeagueChamp(); }},
      {"Finances", [] { showFinances(); }},
      {"Scouting", [] { showScouting(); }},
      {"StaffShow", [] { showStaff(); }},
      {"Chairman", [] { showChairman(); }},
      {"Training",
       [] { showTraining(); },
       {},
       {{"a group chosen", [] { ui::screen<Training>().Command5(1).userClick(); }}}},
      {"TacticsForm", [] { showTacticsPage(); }},
      {"reserveteam", [] { showReserveTeam(); }},
      {"frmSplash", [] { ui::screen<frmSplash>().Show(); }},
      {"PickTeam", [] { ui::screen<PickTeam>().Show(); }},
      {"LoadBgPicture", [] { ui::screen<MainModule>().PicChange_Click(); }},
      {"MatchEngine", [] { ui::screen<MatchEngine>().Show(); }, roundAlreadyPlayed, {{"line-ups", lineUpsShown}}},
      {"matchsettings", [] { ui::screen<MatchEngine>().Command1_Click(); }, userMatchAhead},
      {"LockerRoom", [] { ui::screen<LockerRoom>().Show(); }, userMatchAhead},
      {"TeamSelect",
       [] { showTeamSelect(); },
       {},
       {{"a row chosen", [] { ui::screen<TeamSelect>().PlayerName(3).userClick(); }}}},
      {"pitchsettings", [] { showPitchSettings(); }},
      {"BuyAPlayer", [] { showBuyAPlayer(); }},
      {"Website", [] { showWebsite(); }, {}, portalPages()},
      {"teamstats", [] { showTeamStats(); }},
      {"teamWebsite", [] { showClubPage(1); }},
      {"EndOfSeason", [] { showEndOfSeason(); }},
      {"ALeagueWait", [] { showALeagueWait(); }},
  };
  return screens;
}

}  // namespace kervale
