#include "newgame/pick_team.h"

#include <exception>
#include <string>

#include "base/colour.h"
#include "base/numbers.h"
#include "shell/frm_splash.h"
#include "shell/load_bg_picture.h"
#include "ui/backend.h"
#include "ui/screen.h"

namespace kervale {

using namespace ui;

namespace {

constexpr Colour kBarDefense = rgbColour(192, 0, 0);
constexpr Colour kBarMidfield = rgbColour(224, 192, 0);
constexpr Colour kBarAttack = rgbColour(0, 160, 0);
constexpr Colour kBarOverall = rgbColour(0, 64, 192);

void countryButton(CommandButton& button, int left, const char* picture, const char* tip) {
  button.move(left, 120, 1080, 720);
  button.setPicture(picture);
  button.setToolTipText(tip);
}

void labelText(Label& label, const char* text, int left, int top, int width) {
  label.setCaption(text);
  label.move(left, top, width, 255);
  label.setOpaque(false);
}

void bar(Label& label, int top, Colour colour) {
  label.move(8100, top, 0, 240);
  label.setBackColor(colour);
  label.setBorderStyle(1);
}

void option(OptionButton& button, Control& frame, const char* text, int left, int top, int width, int height = 255) {
  button.setCaption(text);
  button.move(left, top, width, height);
  button.setContainer(&frame);
}

}  // namespace

PickTeam::PickTeam() : Form("PickTeam") {
  state_.caption = "New Game";
  state_.width = 12000;
  state_.height = 9000;
  state_.borderStyle = 3;

  countryButton(Command1, 240, "country usa.png", "");
  countryButton(Command1347, 1440, "country england.png", "England");
  countryButton(Command7, 2640, "country australia.png", "Australia");
  countryButton(Command2, 3840, "country germany.png", "Germany");
  countryButton(Command5, 5040, "country scotland.png", "Scotland");
  countryButton(Command4, 6240, "country mexico.png", "Mexico");
  Label4.setCaption("USA");
  Label4.move(7560, 240, 4080, 495);
  Label4.setFont(Font{"MS Sans Serif", 14, true, false, false});
  Label4.setOpaque(false);
  Label4.setToolTipText("The currently selected league");

  for (int i = 1; i <= 10; ++i) teambutton(i).move(240, 1080 + (i - 1) * 510, 3300, 465);
  VScroll1.move(3600, 1080, 255, 5055);
  VScroll1.setMin(0);
  VScroll1.setMax(18);
  VScroll1.setSmallChange(1);
  VScroll1.setLargeChange(10);
  VScroll1.setEnabled(false);

  teamnamelabel.setCaption("Kervale");
  teamnamelabel.move(4080, 1080, 4200, 495);
  teamnamelabel.setFont(Font{"MS Sans Serif", 12, true, false, false});
  teamnamelabel.setOpaque(false);
  shape4.move(4080, 1620, 4200, 240);
  shape4.setBorderStyle(1);
  Image1.move(8520, 1080, 1335, 1335);
  Image1.setStretch(true);

  labelText(Label2, "Roster", 4080, 2040, 2400);
  Label2.setFontBold(true);
  PlayersList.move(4080, 2340, 2880, 2790);
  labelText(Label3, "Defense  ", 7080, 2640, 1000);
  labelText(Label5, "Midfield  ", 7080, 3000, 1000);
  labelText(Label6, "Attack  ", 7080, 3360, 1000);
  labelText(Label7, "Overall  ", 7080, 3720, 1000);
  for (Label* label : {&Label3, &Label5, &Label6, &Label7}) label->setAlignment(Alignment::Right);
  bar(defenseshape, 2640, kBarDefense);
  bar(midfieldshape, 3000, kBarMidfield);
  bar(forwardshape, 3360, kBarAttack);
  bar(overallshape, 3720, kBarOverall);

  labelText(Label1, "Your Name:", 4080, 5340, 1080);
  Text1.move(5220, 5280, 3000, 345);
  Text1.setText("");

  Frame1.setCaption("Gameplay Modes");
  Frame1.move(240, 6360, 2160, 1095);
  option(Option2(0), Frame1, "Regular Game", 360, 6660, 1920);
  option(Option2(1), Frame1, "Expansion Mode", 360, 7020, 1920);
  Option2(0).setValue(1);
  Option2(1).setEnabled(false);

  Frame2.setCaption("MLS Playoffs");
  Frame2.move(2520, 6360, 1680, 1095);
  option(Option3.add(0), Frame2, "4 Teams", 2640, 6660, 1440);
  option(Option3.add(2), Frame2, "8 Teams", 2640, 7020, 1440);
  Option3(2).setValue(1);
  Option3(0).setEnabled(false);

  Frame3.setCaption("Run Leagues");
  Frame3.move(4320, 6360, 3000, 1095);
  const char* leagues[] = {"USA", "England", "Germany", "Scotland", "Mexico", "Australia"};
  for (int j = 0; j <= 5; ++j) {
    Check1(j).setCaption(leagues[j]);
    Check1(j).move(j < 3 ? 4440 : 5880, 6600 + (j % 3) * 270, 1320, 255);
    Check1(j).setContainer(&Frame3);
    const bool offered = j == 0 || j == 1 || j == 5;
    Check1(j).setValue(offered ? 1 : 0);
    Check1(j).setEnabled(offered);
  }

  Frame4.setCaption("Manager Approval");
  Frame4.move(7440, 6360, 2280, 1320);
  // Four options a line apart, each as high as its mark: none covers the next.
  constexpr int kApprovalStep = 255;
  constexpr int kApprovalHeight = 240;
  const int approvalTop = 6600;
  option(managerapproval.add(4), Frame4, "Based on Team", 7560, approvalTop, 2040, kApprovalHeight);
  option(managerapproval.add(3), Frame4, "Low", 7560, approvalTop + kApprovalStep, 2040, kApprovalHeight);
  option(managerapproval.add(2), Frame4, "Normal", 7560, approvalTop + 2 * kApprovalStep, 2040, kApprovalHeight);
  option(managerapproval.add(0), Frame4, "High", 7560, approvalTop + 3 * kApprovalStep, 2040, kApprovalHeight);
  managerapproval(4).setValue(1);

  Option1(1).setCaption("1024x768");
  Option1(1).move(9840, 6600, 1500, 255);
  Option1(0).setCaption("800x600");
  Option1(0).move(9840, 6900, 1500, 255);
  Option1(0).setValue(1);

  Command3.setCaption("Load Game");
  Command3.move(240, 7800, 1575, 495);
  Command6.setCaption("Quit");
  Command6.move(1920, 7800, 1575, 495);
  OkButtonTeamSelect.setCaption("OK");
  OkButtonTeamSelect.move(9960, 7800, 1695, 495);
  OkButtonTeamSelect.setDefault(true);

  Command1.onClick = [this] { Command1_Click(); };
  Command1347.onClick = [this] { Command1347_Click(); };
  Command7.onClick = [this] { Command7_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command5.onClick = [this] { Command5_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  VScroll1.onChange = [this] { VScroll1_Change(); };
  teambutton.onClick([this](int index) { teambutton_Click(index); });
  Command3.onClick = [this] { Command3_Click(); };
  Command6.onClick = [this] { Command6_Click(); };
  OkButtonTeamSelect.onClick = [this] { OkButtonTeamSelect_Click(); };
  designDone();
}

void PickTeam::Form_Load() {
  loadError.reset();
  // The loader's steps show on the start-up screen, which stays up meanwhile.
  const LoaderProgress progress = [](const std::string& step) {
    frmSplash& splash = screen<frmSplash>();
    if (!splash.loaded()) return;
    splash.Label4.setCaption(step);
    splash.Refresh();
  };
  NewGameScreenTables tables;
  std::unique_ptr<MLSModule> game;
  try {
    game = loadNewGame(".", progress, LoaderOptions{loaderSeed, &tables});
  } catch (const FileError& error) {
    loadError = error;
  } catch (const std::exception& error) {
    loadError = FileError("the data files", error.what());
  }
  if (loadError) {
    MsgBox("A new game cannot be started: the data file " + loadError->fileName() + " is not usable.\r" +
               loadError->problem(),
           MsgButtons::OK, MsgIcon::Critical);
    Unload();
    return;
  }
  // The screen mode was tested before the new game existed.
  game->ScreenMode = mls().ScreenMode;
  replaceGame(std::move(game));
  screenTables = tables;

  for (int i = 1; i <= 10; ++i) teambutton(i).setCaption(mls().TeamName(i));
  Command1_Click();
}

void PickTeam::showPage(int low, int high, const char* country) {
  VScroll1.setMin(low);
  VScroll1.setMax(high);
  VScroll1.setValue(low);
  Label4.setCaption(country);
  VScroll1.setEnabled(true);
}

// USA: MLS clubs 1..10 and A-League clubs 17..34.
void PickTeam::Command1_Click() { showPage(0, 18, "USA"); }

// England: clubs 53..144. Clubs 145..148 play in no league, so the page stops
// before them.
void PickTeam::Command1347_Click() { showPage(46, 128, "England"); }

// Australia: clubs 225..237.
void PickTeam::Command7_Click() { showPage(218, 221, "Australia"); }

void PickTeam::Command2_Click() {
  MsgBox("Due to lack of player data, Germany is not yet included as a managable league in KERV.");
}

void PickTeam::Command5_Click() {
  MsgBox("Due to lack of player data, Scotland is not yet included as a managable league in KERV.");
}

void PickTeam::Command4_Click() {
  MsgBox("The Mexican League was not accurately programmed in time for this version of Kervale.");
}

void PickTeam::VScroll1_Change() {
  const MLSModule& game = mls();
  for (int i = 1; i <= 10; ++i) {
    teambutton(i).setCaption(game.TeamName(screenTables.TeamPickList(i + VScroll1.value())));
  }
}

void PickTeam::teambutton_Click(int Index) {
  MLSModule& game = mls();
  const int c = CInt(screenTables.TeamPickList(Index + VScroll1.value()));
  shape4.setBackColor(colourFromText(game.TeamColour1(c)));
  teamnamelabel.setCaption(game.TeamName(c));
  // Widths in twips, worked out in full: a 16-bit product overflows above strength 163.
  defenseshape.setWidth(screenTables.DefenseStrength(c) * 200);
  midfieldshape.setWidth(screenTables.MidfieldStrength(c) * 200);
  forwardshape.setWidth(screenTables.AttackStrength(c) * 200);
  overallshape.setWidth(screenTables.OverallStrength(c) * 200);
  game.MyTeam = c;
  PlayersListDraw();
}

void PickTeam::PlayersListDraw() {
  const MLSModule& game = mls();
  PlayersList.clear();
  for (int s = 1; s <= 11; ++s) PlayersList.addItem(game.PlayerName(game.TeamSquad(s, game.MyTeam)));
  const std::string& logo = game.TeamLogo(game.MyTeam);
  Image1.setPicture(logo);
  Image1.setVisible(!logo.empty());
}

void PickTeam::Command3_Click() {
  mls().PickerMode = 1;
  screen<LoadBgPicture>().Show();
}

void PickTeam::Command6_Click() {
  Unload();
  backend().endProgram();
}

}  // namespace kervale
