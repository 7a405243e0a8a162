#include "shell/main_module.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>

#include "base/colour.h"
#include "base/numbers.h"
#include "data/club_colours.h"
#include "data/mls_module.h"
#include "ui/backend.h"

namespace kervale {

namespace {

constexpr int kRightColumn = 9840;       // left edge of the date and button column at 800 x 600
constexpr int kWideRightColumn = 13000;  // the same at 1024 x 768
constexpr int kNewsLeft = 1560;
constexpr int kNewsLineTwips = 255;

// Why a starter of the user's club cannot play: "" when he can.
std::string starterTrouble(const MLSModule& g, int slot) {
  const double player = g.TeamSquad(slot, g.MyTeam);
  if (!(player >= 1 && player <= kLastPlayer) || g.PlayerName(player).empty()) {
    return "Place" + Str(slot) + " of the starting eleven is empty.";
  }
  if (g.PlayerInjury(player) <= 0) return "";
  return g.PlayerName(player) + (g.PlayerInjuryText(player) == "Suspension" ? " is suspended." : " is injured.");
}

}  // namespace

MainModule::MainModule() : Form("MainModule") {
  setCaption("Kervale");
  move(0, 0, 12000, 9000);
  setMaximized(true);  // a full-window screen
  setBackColor(0x404040);

  Image3.move(0, 720, 9600, 8280);
  Image3.setStretch(true);
  Label5.move(0, 0, 12015, 615);
  TeamNameLabel.move(1560, 60, 8000, 495);
  TeamNameLabel.setOpaque(false);
  TeamNameLabel.setFont(ui::Font{"Arial", 18, true});
  Image1.move(120, 840, 1215, 1215);
  Image1.setStretch(true);
  Label2.setCaption("Manager Name");
  Label2.move(kNewsLeft, 840, 7935, 375);
  ui::setTextBacking(Label2);
  Label2.setForeColor(ui::kWhite);
  Label2.setFont(ui::Font{"Arial", 12, true});
  Label1.setCaption("Club News:");
  Label1.move(kNewsLeft, 1320, 7935, kNewsLineTwips);
  // Every line stands on the backing: a long news runs past the sky into the
  // stands and the pitch.
  ui::setTextBacking(Label1);
  Label1.setForeColor(ui::kWhite);
  Label1.setScrollBars(true);

  Image4.move(kRightColumn, 720, 1935, 1215);
  Image4.setStretch(true);
  Image4.setPicture("hub.jpg");
  Label6.move(kRightColumn, 2040, 1935, 255);
  Label7.move(kRightColumn, 2300, 1935, 255);
  Label8.move(kRightColumn, 2560, 1935, 255);
  Label3.setCaption("In-Game Speed:");
  // The slider between its caption and its value: side by side the two
  // texts ran together.
  Label3.move(kRightColumn, 2840, 1935, 255);
  HScroll1.move(kRightColumn, 3100, 1935, 255);
  Label4.move(kRightColumn, 3355, 1935, 240);
  Label4.setAlignment(ui::Alignment::Right);
  HScroll1.setMin(1);
  HScroll1.setMax(100);
  HScroll1.setSmallChange(5);
  HScroll1.setLargeChange(10);
  HScroll1.setValue(1);
  Label4.setCaption("Speed: " + Str(100));  // 101 - the slider's design value
  for (ui::Label* l : {&Label6, &Label7, &Label8, &Label3, &Label4}) {
    l->setOpaque(false);
    l->setForeColor(ui::kWhite);
    l->setWordWrap(false);
  }

  PlayGamesBUtton.setCaption("&Continue");
  PlayGamesBUtton.move(kRightColumn, 3600, 1935, 495);
  PlayGamesBUtton.setFontBold(true);
  Command1.setCaption("&Team Select");
  Command1.move(kRightColumn, 4200, 1935, 435);
  Command3.setCaption("&Reserves");
  Command3.move(kRightColumn, 4700, 1935, 435);
  Command4.setCaption("&Internet");
  Command4.move(kRightColumn, 5200, 1935, 435);
  Command6.setCaption("C&hairman");
  Command6.move(kRightColumn, 5700, 1935, 435);
  Command8.setCaption("Trainin&g");
  Command8.move(kRightColumn, 6200, 1935, 435);
  Command9.setCaption("Club &Website");
  Command9.move(kRightColumn, 6700, 1935, 435);
  Command2.setCaption("Team Tactics");
  Command2.move(kRightColumn, 7200, 1935, 435);
  Command5.setCaption("Sc&outing");
  Command5.move(kRightColumn, 7700, 1935, 435);
  const std::pair<ui::CommandButton*, const char*> pictures[] = {
      {&PlayGamesBUtton, "button continue.png"}, {&Command1, "button squad.png"},
      {&Command2, "button tactics.png"},         {&Command3, "button reserves.png"},
      {&Command4, "button portal.png"},          {&Command5, "button scouting.png"},
      {&Command6, "button chairman.png"},        {&Command8, "button training.png"},
      {&Command9, "button club page.png"}};
  for (const auto& [button, picture] : pictures) button->setPicture(picture);

  // Design states of the menu bar. Load and Save are shown: a game must be
  // able to be kept and picked up again.
  Languageczech.setVisible(false);
  Languageczech.setEnabled(false);
  Americano.setChecked(true);
  PlayerStats_Show.setEnabled(false);
  Shots_menu.setVisible(false);
  Stadium_Vieu.setVisible(false);
  Transactions_Menu.setVisible(false);
  Free_Agents.setVisible(false);
  Rrelease.setVisible(false);
  Commish_Mode.setVisible(false);

  HScroll1.onChange = [this] { HScroll1_Change(); };
  Label4.onClick = [this] { Label4_Click(); };
  PlayGamesBUtton.onClick = [this] { PlayGamesBUtton_Click(); };
  Load_Game.setShortcut("Ctrl+O");
  Save_Game.setShortcut("Ctrl+S");
  Call_Chairman.setShortcut("Ctrl+C");
  Load_Game.onClick = [this] { Load_Game_Click(); };
  Save_Game.onClick = [this] { Save_Game_Click(); };
  File_Exit.onClick = [this] { File_Exit_Click(); };
  PlayerStats_Show.onClick = [this] { PlayerStats_Show_Click(); };
  About.onClick = [this] { About_Click(); };
  PicChange.onClick = [this] { PicChange_Click(); };
  Commish_Mode.onClick = [this] { Commish_Mode_Click(); };
  Free_Agents.onClick = [this] { Free_Agents_Click(); };
  Cheat_Codes.onClick = [this] { Cheat_Codes_Click(); };
  Americano.onClick = [this] { Americano_Click(); };
  English_Language_Is_The_Language_krustykrab.onClick = [this] { English_Language_Is_The_Language_krustykrab_Click(); };
  Spanish.onClick = [this] { Spanish_Click(); };
  Total_Shots.onClick = [] { mls().StatView = 2; };
  Shots_on_Target.onClick = [] { mls().StatView = 3; };
  Shots_per_Goal.onClick = [] { mls().StatView = 4; };
  wireScreens();

  designDone();
}

void MainModule::Form_Load() {
  MLSModule& g = mls();
  Label6.setCaption(g.DayName(g.WeekDay));
  Label7.setCaption(g.MonthName(g.CurrentMonth) + Str(g.MonthDay) + "," + Str(2002 + g.CurrentSeason));

  if (g.ScreenMode == "1024 X 768") {
    Image3.setHeight(10600);
    Image3.setWidth(16000);
    Label5.setWidth(16015);
    // The news and the manager's name end before the right column.
    Label1.setWidth(kWideRightColumn - kNewsLeft - 120);
    Label2.setWidth(kWideRightColumn - kNewsLeft - 120);
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &Image4, &PlayGamesBUtton, &Command1, &Command2, &Command3, &Command4, &Command5, &Command6, &Command8,
             &Command9, &Label3, &HScroll1, &Label4, &Label6, &Label7, &Label8}) {
      c->setLeft(kWideRightColumn);
    }
    // The right column stands on the picture here, not on the window's colour.
    for (ui::Label* l : {&Label6, &Label7, &Label8, &Label3, &Label4}) ui::setTextBacking(*l);
  }

  Transactions_Menu.setEnabled(true);
  TeamSelect_Menu.setEnabled(true);
  Club_Operations.setEnabled(true);
  Image1.setVisible(true);
  Label5.setVisible(true);
  Command1.setEnabled(true);

  std::string news = "Club News:";
  int height = kNewsLineTwips;
  for (int i = 0; i <= 50; ++i) {
    if (g.ClubNewsLine(i).empty()) continue;
    news += '\r';
    news += g.ClubNewsLine(i);
    height += kNewsLineTwips;
  }
  Label1.setCaption(std::move(news));
  // Past the backdrop's bottom edge the news scrolls.
  Label1.setHeight(std::min(height, Image3.top() + Image3.height() - Label1.top()));

  Image3.setPicture(g.BackgroundPicture);
  Label2.setCaption(g.ManagerName);
  Label5.setBackColor(colourFromText(g.TeamColour1(g.MyTeam)));
  Label8.setCaption("Week" + Str(Int(g.CurrentWeek / 2)));
  TeamNameLabel.setForeColor(clubNameColour(g, g.MyTeam));

  if (g.MyTeam == 0) {
    for (ui::CommandButton* b : {&Command1, &Command3, &Command5, &Command6, &Command8}) b->setEnabled(false);
    Command9.setEnabled(true);
    Label5.setVisible(false);
    Image1.setVisible(false);
    for (ui::MenuItem* m : {&Visit_team_websiteGODAMMIT, &Transactions_Menu, &TeamSelect_Menu, &Club_Operations}) {
      m->setEnabled(false);
    }
  }

  Minor_Leagues.setEnabled(true);
  Rrelease.setEnabled(false);

  if (g.MyTeam > 52 && g.MyTeam < 149) {
    Stats_Menu_Cup.setCaption("FA Cup");
    g.CurrentLeague = 3;
  }

  if (g.CommentarySpeed == 0) g.CommentarySpeed = 1;
  HScroll1.setValue(static_cast<int>(CInt(g.CommentarySpeed)));

  Image1.setPicture(g.TeamLogo(g.MyTeam));
  if (g.TeamLogo(g.MyTeam).empty()) Image1.setVisible(false);
  TeamNameLabel.setCaption(g.TeamName(g.MyTeam));

  squadReadyCheck();
}

// The next press plays a matchday: eleven starters who can play, or the
// continue button is disabled, its tip saying who stands in the way.
void MainModule::squadReadyCheck() {
  const MLSModule& g = mls();
  if (g.MyTeam == 0 || (g.WeekDay != 3 && g.WeekDay != 6)) return;
  std::string why;
  for (int slot = 1; slot <= 11; ++slot) {
    const std::string trouble = starterTrouble(g, slot);
    if (!trouble.empty()) why += '\r' + trouble;
  }
  if (why.empty()) return;
  PlayGamesBUtton.setEnabled(false);
  PlayGamesBUtton.setToolTipText(
      "Continue needs eleven starters who can play; change the line-up on the Team "
      "Select screen." +
      why);
}

void MainModule::Form_QueryUnload(int& cancel, ui::UnloadMode mode) {
  // The close box is File > Exit: one click must not lose an unsaved game.
  if (mode != ui::UnloadMode::CloseBox) return;
  if (ui::MsgBox(kQuitQuestion, ui::MsgButtons::YesNo, ui::MsgIcon::Question) != ui::MsgResult::Yes) {
    cancel = 1;
    return;
  }
  endAfterUnload_ = true;
}

void MainModule::Form_Unload(int& cancel) {
  (void)cancel;
  mls().CommentarySpeed = HScroll1.value();
  if (!endAfterUnload_) return;
  endAfterUnload_ = false;
  ui::backend().endProgram();
}

void MainModule::HScroll1_Change() {
  Label4.setCaption("Speed: " + Str(101 - HScroll1.value()));
  // The value is kept at once, so the next rebuild does not snap it back.
  if (loaded()) mls().CommentarySpeed = HScroll1.value();
}

}  // namespace kervale
