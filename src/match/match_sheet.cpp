// The match screen's two club buttons: pause the match and open the team sheet for one side.
#include "base/numbers.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "match/match_settings.h"
#include "ui/screen.h"

namespace kervale {

void MatchEngine::Command1_Click() { openTeamSheet(1); }

void MatchEngine::Command3_Click() { openTeamSheet(2); }

void MatchEngine::openTeamSheet(int side) {
  MLSModule& g = mls();
  matchsettings& sheet = ui::screen<matchsettings>();
  // A sheet already open for the other side is drawn afresh.
  sheet.Unload();
  g.PauseFlag = 1;
  g.SettingsMinute = minute;
  g.SettingsHomeTeam = hometeam;
  g.SettingsAwayTeam = awayteam;
  g.SettingsSide = side;
  g.SettingsHomeGoals = homegoals;
  g.SettingsAwayGoals = CInt(awaygoals);
  // The keeper's condition is never lowered: he is always fresh.
  g.TeamSheetCondition(1) = 1;
  for (int i = 1; i <= 10; ++i) g.TeamSheetCondition(i + 1) = side == 1 ? homecondition(i) : awaycondition(i);
  sheet.Show();
}

}  // namespace kervale
