// The hub's menu items and buttons, and the speed box.
#include <optional>
#include <string>

#include "base/csv.h"
#include "base/numbers.h"
#include "club/buy_a_player.h"
#include "club/chairman.h"
#include "club/finances.h"
#include "club/scouting.h"
#include "club/shortlisting.h"
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
#include "data/squad_moves.h"
#include "newgame/fixture_list.h"
#include "shell/frm_about.h"
#include "shell/load_bg_picture.h"
#include "shell/main_module.h"
#include "shell/player_stats.h"
#include "team/team_select.h"
#include "ui/backend.h"
#include "ui/screen.h"

namespace kervale {

namespace {

// The answer when it is wholly a number, blanks around it allowed.
std::optional<double> numberAnswer(const std::optional<std::string>& answer) {
  if (!answer) return std::nullopt;
  CsvValue value{Trim(*answer), false};
  if (!value.isNumber()) return std::nullopt;
  return value.number();
}

}  // namespace

void MainModule::wireScreens() {
  Play_Match.onClick = [this] { Play_Match_Click(); };
  Stats_Menu_Fixtures.onClick = [this] { Stats_Menu_Fixtures_Click(); };
  MLSTabelesSHow.onClick = [this] { MLSTabelesSHow_Click(); };
  Java_Tabulas.onClick = [this] { Java_Tabulas_Click(); };
  Stats_Menu_Cup.onClick = [this] { Stats_Menu_Cup_Click(); };
  Canada_Cupview.onClick = [this] { Canada_Cupview_Click(); };
  Concacafcupsee.onClick = [this] { Concacafcupsee_Click(); };
  Champs_league.onClick = [this] { Champs_league_Click(); };
  Copa_Liberadores.onClick = [this] { Copa_Liberadores_Click(); };
  World_Cup_Show.onClick = [this] { World_Cup_Show_Click(); };
  MLS_Playoffs_Form_Show.onClick = [this] { MLS_Playoffs_Form_Show_Click(); };
  A_League_Playoffthingy.onClick = [this] { A_League_Playoffthingy_Click(); };
  D3ProPlayView.onClick = [this] { D3ProPlayView_Click(); };
  View_Winners.onClick = [this] { View_Winners_Click(); };
  Finances_Menu.onClick = [this] { Finances_Menu_Click(); };
  Command5.onClick = [this] { Command5_Click(); };
  View_Menu_Staff.onClick = [this] { View_Menu_Staff_Click(); };
  Call_Chairman.onClick = [this] { Call_Chairman_Click(); };
  Command6.onClick = [this] { Command6_Click(); };
  Command8.onClick = [this] { Command8_Click(); };
  Training_Pitch_Show.onClick = [this] { Training_Pitch_Show_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  TeamSelect_Menu.onClick = [this] { TeamSelect_Menu_Click(); };
  Minor_Leagues.onClick = [this] { Minor_Leagues_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  ViewthePaper.onClick = [this] { ViewthePaper_Click(); };
  Command9.onClick = [this] { Command9_Click(); };
  Visit_team_websiteGODAMMIT.onClick = [this] { Visit_team_websiteGODAMMIT_Click(); };
  Team_Stats_Show_Button.onClick = [this] { Team_Stats_Show_Button_Click(); };
}

void MainModule::Command4_Click() { showWebsite(); }
void MainModule::ViewthePaper_Click() { showWebsite(); }
// Without a club the button still has a page to show.
void MainModule::Command9_Click() { showClubPage(mls().MyTeam != 0 ? CInt(mls().MyTeam) : 1); }
void MainModule::Visit_team_websiteGODAMMIT_Click() { showClubPage(CInt(mls().MyTeam)); }
void MainModule::Team_Stats_Show_Button_Click() { showTeamStats(); }

void MainModule::Finances_Menu_Click() { showFinances(); }
void MainModule::Command5_Click() { showScouting(); }
void MainModule::View_Menu_Staff_Click() { showStaff(); }
void MainModule::Call_Chairman_Click() { showChairman(); }
void MainModule::Command6_Click() { showChairman(); }
void MainModule::Minor_Leagues_Click() { showBuyAPlayer(); }
void MainModule::shortlisting() { shortlistPlayers(mls()); }

void MainModule::Command1_Click() {
  showTeamSelect();
  Unload();
}

void MainModule::TeamSelect_Menu_Click() { Command1_Click(); }

void MainModule::Stats_Menu_Fixtures_Click() { ui::screen<FixtureList>().Show(); }

void MainModule::MLSTabelesSHow_Click() { showTables(); }

void MainModule::Java_Tabulas_Click() {
  const MLSModule& g = mls();
  showLeagueTable(tableLeagueOf(g, CInt(g.MyTeam)).value_or(g.TableLeague));
}

void MainModule::Stats_Menu_Cup_Click() { showUsOpenCup(); }
void MainModule::Canada_Cupview_Click() { showPlayoffs(1); }
void MainModule::Champs_league_Click() { showPlayoffs(2); }
void MainModule::Copa_Liberadores_Click() { showPlayoffs(3); }
void MainModule::World_Cup_Show_Click() { showPlayoffs(4); }
void MainModule::Concacafcupsee_Click() { showPlayoffs(6); }
// The viewer leaves PlayoffView at 0 after every showing: this is the MLS view.
void MainModule::MLS_Playoffs_Form_Show_Click() { showPlayoffs(CInt(mls().PlayoffView)); }
void MainModule::A_League_Playoffthingy_Click() { showPlayoffs(5); }
void MainModule::D3ProPlayView_Click() { showPlayoffs(7); }
void MainModule::View_Winners_Click() { showLeagueChamp(); }

void MainModule::Label4_Click() {
  const std::optional<double> speed =
      numberAnswer(ui::InputBox("Set speed?", "Set Speed", numText(101 - HScroll1.value())));
  if (!speed) return;  // Cancel or not a number: the slider stays
  double typed = *speed;
  if (typed > 100) typed = 100;
  if (typed < 1) typed = 1;
  HScroll1.setValue(static_cast<int>(CInt(101 - typed)));
}

void MainModule::Load_Game_Click() {
  mls().PickerMode = 1;
  ui::screen<LoadBgPicture>().Show();
}

void MainModule::File_Exit_Click() {
  if (ui::MsgBox(kQuitQuestion, ui::MsgButtons::YesNo, ui::MsgIcon::Question) != ui::MsgResult::Yes) {
    return;
  }
  Unload();
  ui::backend().endProgram();
}

void MainModule::PlayerStats_Show_Click() { ui::screen<PlayerStats>().Show(); }

void MainModule::About_Click() { ui::screen<frmAbout>().Show(); }

void MainModule::PicChange_Click() {
  // Always the picture: a picker left open in load mode must not turn this
  // item into a game load.
  if (mls().PickerMode == 1) mls().PickerMode = 0;
  ui::screen<LoadBgPicture>().Show();
}

void MainModule::Commish_Mode_Click() { ui::MsgBox("Commissioner mode has been phased out."); }

void MainModule::Free_Agents_Click() { ui::MsgBox("Coming Soon!"); }

void MainModule::Cheat_Codes_Click() {
  MLSModule& g = mls();
  const std::string answer = ui::InputBox("Please Insert Cheat Code.", "Cheater!").value_or("");
  const std::string code = LCase(answer);
  if (code == "ribbon ribbon ribbon") g.CheatFlag = 1;
  if (code == "tom waddle") g.TeamMoney(g.MyTeam) = 10000000;
  const double club = Val(answer);
  if (!(club > 0)) return;
  // Only a whole club number whose club can field a side can be taken over.
  if (club != Int(club) || club > kLastClub || namedSquadPlayers(g, static_cast<int>(club)) < 11) {
    ui::MsgBox("There is no club" + Str(club) + " with a squad to take over.");
    return;
  }
  g.MyTeam = club;
}

void MainModule::setLanguage(int language) {
  mls().MenuLanguage = language;
  Americano.setChecked(language == 0);
  English_Language_Is_The_Language_krustykrab.setChecked(language == 1);
  Spanish.setChecked(language == 2);
  Statistics_Menu.setCaption(language == 2 ? "&Estad\xC3\xADsticas" : "&Statistics");
  Java_Tabulas.setCaption(language == 0 ? "&Standings..." : language == 1 ? "&Tables..." : "&Clasification Actual...");
  Command1.setCaption(language == 2 ? "&Direcci\xC3\xB3nes del Equipo" : "&Team Select");
  Cup_View.setCaption(language == 2 ? "&Copas..." : "&Cups...");
  Playoff_Bar_None.setCaption(language == 2 ? "P&artidos de Desempate..." : "&Playoffs...");
  Matchday_Menu.setCaption(language == 2 ? "D\xC3\xAD"
                                           "a del &Partido"
                                         : "&Matchday");
  TeamSelect_Menu.setCaption(language == 2 ? "&Direcci\xC3\xB3nes del Equipo" : "Team &Select");
  ViewthePaper.setCaption(language == 2 ? "El &Peri\xC3\xB3"
                                          "dico"
                                        : "&Newspaper");
  Play_Match.setCaption(language == 2 ? "&Juege el Partido" : "&Play Next Match");
}

void MainModule::Americano_Click() { setLanguage(0); }
void MainModule::English_Language_Is_The_Language_krustykrab_Click() { setLanguage(1); }
void MainModule::Spanish_Click() { setLanguage(2); }

}  // namespace kervale
