// The in-match team sheet: one side's squad, ratings and condition, and the saved tactic slots.
#include "match/match_settings.h"

#include <string>

#include "base/numbers.h"
#include "data/mls_module.h"

namespace kervale {

namespace {

constexpr int kRowHeight = 255;
constexpr int kFirstRowTop = 960;

// Top of squad slot 1..20; the substitutes sit under their own heading.
int rowTop(int slot) { return slot <= 11 ? kFirstRowTop + kRowHeight * (slot - 1) : 4020 + kRowHeight * (slot - 12); }

void plain(ui::Label& label, int left, int top, int width, std::string caption = "") {
  label.move(left, top, width, kRowHeight);
  label.setCaption(std::move(caption));
  label.setOpaque(false);
}

// A cell of a name table, or nothing when the number names no entry.
template <class Table>
std::string entry(const Table& table, double index) {
  return index > -0.5 && index < Table::upper + 0.5 ? table(index) : std::string();
}

}  // namespace

const char* positionCode(double keeping, double defence, double midfield, double attack) {
  const double g = keeping, d = defence, m = midfield, a = attack;
  // Tested in turn, the last that holds wins.
  const char* code = "";
  if (d == a && d > m) code = "DF ";
  if (d >= m && d >= a) code = "DMF ";
  if (d >= m && d > a) code = "DM ";
  if (d > m && d > a) code = "D ";
  if (m > d && m >= a) code = "MF ";
  if (m > d && m > a) code = "M ";
  if (a > d && a > m) code = "F ";
  if (g >= d && g >= m && g >= a) code = "G ";
  return code;
}

matchsettings::matchsettings() : Form("matchsettings") {
  setCaption("Team Sheet");
  move(0, 0, 9600, 7200);
  setBorderStyle(1);

  plain(Label2, 120, 120, 3000);
  Label2.setAlignment(ui::Alignment::Right);
  Label2.setFontBold(true);
  Image1.move(3240, 60, 480, 480);
  Image1.setStretch(true);
  plain(Label1, 3840, 120, 1200, "0:0");
  Label1.setAlignment(ui::Alignment::Center);
  Label1.setFontBold(true);
  Image2.move(5160, 60, 480, 480);
  Image2.setStretch(true);
  plain(labellabel, 5760, 120, 3000);
  labellabel.setFontBold(true);
  plain(Label3, 3840, 540, 1200, "Minute 90");
  Label3.setAlignment(ui::Alignment::Center);

  // The squad: position, code and name, rating, condition.
  for (int i = 0; i <= 11; ++i) {
    plain(Label7(i), 120, rowTop(i == 0 ? 1 : i), 2160, "Goalkeeper (G)");
    Label7(i).setVisible(false);
  }
  plain(Label6, 120, rowTop(12) - kRowHeight, 2160, "Substitutes:");
  Label6.setFontBold(true);
  for (int slot = 1; slot <= 20; ++slot) {
    plain(playrnm(slot), 2280, rowTop(slot), 2640);
    plain(matchrate(slot), 4920, rowTop(slot), 480);
    matchrate(slot).setAlignment(ui::Alignment::Right);
  }
  for (int slot = 1; slot <= 11; ++slot) {
    plain(Label4(slot), 5400, rowTop(slot), 720, "100%");
    Label4(slot).setAlignment(ui::Alignment::Right);
  }

  // The side's settings and the user's tactic slots.
  plain(Label8, 6360, 960, 3000, "Tactic:");
  plain(Label9, 6360, 1215, 3000, "Flow:");
  plain(Label10, 6360, 1470, 3000, "Push Up:");
  plain(Label5, 6360, 1860, 3000, "Switch to Formation:");
  const char* const slotCaptions[] = {"Starting", "1", "2", "3"};
  const int slotLefts[] = {6360, 7320, 8010, 8700};
  for (int i = 0; i <= 3; ++i) {
    Command6(i).move(slotLefts[i], 2160, i == 0 ? 900 : 600, 375);
    Command6(i).setCaption(slotCaptions[i]);
    Command6(i).setVisible(false);
  }
  for (ui::Control* c : {static_cast<ui::Control*>(&Label8), static_cast<ui::Control*>(&Label9),
                         static_cast<ui::Control*>(&Label10), static_cast<ui::Control*>(&Label5)}) {
    c->setVisible(false);
  }
  Command2.move(6360, 2700, 3000, 375);
  Command2.setCaption("Substitute or Reposition");
  Command2.setVisible(false);
  goalscoredview.move(6360, 3240, 3000, 2040);
  goalscoredview.setVisible(false);
  Command1.move(6360, 5520, 3000, 495);
  Command1.setCaption("&Go to the Match");

  Command6.onClick([this](int index) { Command6_Click(index); });
  Command1.onClick = [this] { Command1_Click(); };
  designDone();
}

void matchsettings::Form_Load() {
  const MLSModule& g = mls();
  const int side = g.SettingsSide == 1 ? 1 : 2;
  const double club = side == 1 ? g.SettingsHomeTeam : g.SettingsAwayTeam;
  const bool userHome = g.SettingsHomeTeam == g.MyTeam && side == 1;
  const bool userAway = g.SettingsAwayTeam == g.MyTeam && side == 2;

  if (userHome || userAway) {
    // The user's own side shows its positions, wherever it plays.
    if (userAway) Label7(0).setVisible(true);
    for (int i = 1; i <= 11; ++i) Label7(i).setVisible(true);
    for (int i = 1; i <= 10; ++i) Label7(i + 1).setCaption(entry(g.PositionName, g.TeamPosition(i, club)));
    Label8.setVisible(true);
    Label9.setVisible(true);
    Command2.setVisible(true);
    for (int i = 0; i <= 3; ++i) Command6(i).setVisible(true);
    Label5.setVisible(true);
  }

  Label8.setCaption("Tactic: " + entry(g.TacticName, g.TeamTactic(club)));
  Label9.setCaption("Flow: " + entry(g.FlowName, g.TeamFlow(club)));

  for (int slot = 1; slot <= 20; ++slot) {
    const double p = g.TeamSquad(slot, club);
    const std::string& name = g.PlayerName(p);
    const std::string code =
        name.empty() ? ""
                     : positionCode(g.PlayerGoalkeeping(p), g.PlayerDefense(p), g.PlayerMidfield(p), g.PlayerAttack(p));
    playrnm(slot).setCaption(code + name);
    matchrate(slot).setCaption(name.empty() ? "" : Str(CInt(g.MatchRating(slot, side))));
    if (slot <= 11) Label4(slot).setCaption(Str(CInt(100 * g.TeamSheetCondition(slot))) + "%");
  }

  labellabel.setCaption(g.TeamName(g.SettingsAwayTeam));
  Label2.setCaption(g.TeamName(g.SettingsHomeTeam));
  Image1.setPicture(g.TeamLogo(g.SettingsHomeTeam));
  Image2.setPicture(g.TeamLogo(g.SettingsAwayTeam));
  Label1.setCaption(Str(g.SettingsHomeGoals) + " :" + Str(g.SettingsAwayGoals));
  Label3.setCaption("Minute " + Str(g.SettingsMinute));
}

void matchsettings::Command6_Click(int Index) {
  MLSModule& g = mls();
  const double tactic = g.SavedTactic(Index);
  const double flow = g.SavedFlow(Index);
  // A slot never saved holds 0, which names no tactic and no flow.
  if (tactic == 0 || flow == 0) return;
  g.TeamTactic(g.MyTeam) = tactic;
  g.TeamFlow(g.MyTeam) = CInt(flow);
  Form_Load();
}

void matchsettings::Command1_Click() { Unload(); }

void matchsettings::Form_Deactivate() { Unload(); }

void matchsettings::Form_Unload(int& cancel) {
  (void)cancel;
  // However the sheet goes, the match plays on.
  mls().PauseFlag = 0;
}

}  // namespace kervale
