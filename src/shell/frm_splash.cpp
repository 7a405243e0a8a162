#include "shell/frm_splash.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "newgame/pick_team.h"
#include "ui/backend.h"
#include "ui/screen.h"

namespace kervale {

using namespace ui;

frmSplash::frmSplash() : Form("frmSplash") {
  state_.caption = "Kervale";
  state_.width = 6975;
  state_.height = 4320;
  state_.left = 2500;
  state_.top = 2300;
  state_.borderStyle = 3;

  Image1.move(240, 240, 2400, 2400);
  Image1.setPicture(kSplashPicture);
  Image1.setStretch(true);

  Label1.setCaption("Kervale");
  Label1.move(2880, 360, 3720, 735);
  Label1.setAlignment(Alignment::Center);
  Label1.setOpaque(false);
  Label1.setFont(Font{"MS Sans Serif", 24, true, false, false});

  Label4.move(2880, 1440, 3720, 615);
  Label4.setAlignment(Alignment::Center);
  Label4.setOpaque(false);

  Command1.setCaption("&OK");
  Command1.move(2880, 2880, 1695, 495);
  Command1.setDefault(true);
  Command2.setCaption("&Quit");
  Command2.move(4905, 2880, 1695, 495);
  Command2.setCancel(true);

  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  designDone();
}

void frmSplash::screenresolution() {
  const ScreenMetrics m = backend().screen();
  const long long perPixelX = std::max(1, m.twipsPerPixelX);
  const long long perPixelY = std::max(1, m.twipsPerPixelY);
  const long long twipsWide = static_cast<long long>(m.widthPixels) * perPixelX;
  const long long twipsHigh = static_cast<long long>(m.heightPixels) * perPixelY;
  // The width is held as a 16-bit integer, the height as a 32-bit one.
  int width = CInt(static_cast<double>(twipsWide / perPixelX));
  long long height = CLng(static_cast<double>(twipsHigh / perPixelY));
  if (width > 800 && width < 1024) width = 800;
  if (height > 600 && height < 768) height = 600;
  if (width > 1024) width = 1024;
  if (height > 768) height = 768;
  mls().ScreenMode = numText(width) + " X " + numText(height);
}

void frmSplash::Form_Load() {
  for (;;) {
    screenresolution();
    if (mls().ScreenMode == "1024 X 768" || mls().ScreenMode == "800 X 600") return;
    const MsgResult answer = MsgBox(
        "A selftest has revealed that your computer's current resolution is not set to 800x600 or 1024x768.\r"
        "You need to have your computer's resolution set to one of these settings.\r"
        "If you are unsure what this means, or feel this has come up erroneously, consult Readme.txt.",
        MsgButtons::AbortRetryIgnore, MsgIcon::None, "Error");
    if (answer == MsgResult::Retry) continue;
    if (answer == MsgResult::Ignore) MsgBox("Fatal Error", MsgButtons::OK, MsgIcon::Critical);
    // The start-up screen is never shown after a failed test.
    Unload();
    backend().endProgram();
    return;
  }
}

void frmSplash::Command1_Click() {
  Label4.setCaption("Loading Files, please wait...");
  Refresh();
  PickTeam& pick = screen<PickTeam>();
  pick.Show();
  if (!pick.loaded()) {
    // The world could not be loaded (the new-game screen said why): stay here.
    Label4.setCaption("");
    return;
  }
  Unload();
}

void frmSplash::Command2_Click() {
  Unload();
  backend().endProgram();
}

}  // namespace kervale
