#include "team/tactics_form.h"

#include "data/mls_module.h"
#include "shell/main_module.h"
#include "ui/screen.h"

namespace kervale {

using namespace ui;

namespace {

constexpr int kButtonColumn = 8760;
constexpr int kWideButtonColumn = 12120;  // as near the right edge at 1024 x 768

struct Idle {
  CommandButton TacticsForm::*button;
  const char* caption;
  const char* tip;
};

constexpr Idle kIdleButtons[] = {
    {&TacticsForm::tacticbutton, "Change Tactic", "Changes the general tactic of your team."},
    {&TacticsForm::flowbutton, "Change Flow",
     "Changes where your team looks to pass the ball after a challenge is won."},
    {&TacticsForm::Command10, "Change Overlap",
     "Determines how often defending and midfielding players get into the attack, and vice versa."},
    {&TacticsForm::Command12, "Change Passing", "Changes what kind of passes players look to make."},
    {&TacticsForm::Command11, "Change Corner Kicks", "Changes the kind of corner kicks players look to make."},
    {&TacticsForm::Command3, "View Formation Balance", "View strengths and weaknesses on certain areas of the pitch."},
};

}  // namespace

TacticsForm::TacticsForm() : Form("TacticsForm") {
  setCaption("Tactics");
  move(0, 0, 12000, 9000);
  setMaximized(true);  // a full-window screen

  Image2.move(0, 0, 12000, 9000);
  Image2.setStretch(true);
  TeamNameLabel.move(1080, 120, 7440, 495);
  TeamNameLabel.setFont(Font{"MS Sans Serif", 14, true, false, false});
  TeamNameLabel.setBorderStyle(1);
  Image1.move(240, 60, 735, 735);
  Image1.setStretch(true);

  int top = 1200;
  for (const Idle& idle : kIdleButtons) {
    CommandButton& button = this->*idle.button;
    button.setCaption(idle.caption);
    button.setToolTipText(idle.tip);
    button.move(kButtonColumn, top, 3000, 495);
    top += 660;
  }
  Command2.setCaption("Save Changes");
  Command2.move(kButtonColumn, top + 360, 3000, 495);
  Command2.setCancel(true);

  Command2.onClick = [this] { Command2_Click(); };
  designDone();
}

void TacticsForm::Form_Load() {
  const MLSModule& g = mls();
  if (g.ScreenMode == "1024 X 768") {
    // The large layout: the background fills the screen, the buttons keep to its right edge.
    Image2.setWidth(16000);
    Image2.setHeight(kLargeScreenHeight);
    for (const Idle& idle : kIdleButtons) (this->*idle.button).setLeft(kWideButtonColumn);
    Command2.setLeft(kWideButtonColumn);
  }
  TeamNameLabel.setCaption(g.TeamName(g.MyTeam));
  Image2.setPicture(g.BackgroundPicture);
  Image1.setPicture(g.TeamLogo(g.MyTeam));
}

void TacticsForm::Command2_Click() {
  screen<MainModule>().Show();
  Unload();
}

void TacticsForm::Form_QueryUnload(int& cancel, UnloadMode mode) {
  (void)cancel;
  // The hub went when this page opened: the close box must bring it back, or
  // no window would be left.
  if (mode == UnloadMode::CloseBox) screen<MainModule>().Show();
}

void showTacticsPage() {
  screen<TacticsForm>().Show();
  screen<MainModule>().Unload();
}

}  // namespace kervale
