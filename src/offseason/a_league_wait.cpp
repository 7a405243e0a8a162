#include "offseason/a_league_wait.h"

#include "base/numbers.h"
#include "data/mls_module.h"
#include "ui/screen.h"

namespace kervale {

namespace {

constexpr int kFullBar = 4000;

}  // namespace

ALeagueWait::ALeagueWait() : Form("ALeagueWait") {
  setCaption("Please Wait");
  move(0, 0, 4500, 1800);
  setBorderStyle(3);
  Label1.setCaption("Other Games are currently being simulated. Please Wait.");
  Label1.move(120, 120, 4200, 495);
  Label1.setWordWrap(true);
  Shape1.move(120, 840, kFullBar, 375);
  Shape1.setBackColor(0x800000);  // dark blue
  designDone();
}

void ALeagueWait::drawBar() {
  const double divisor = mls().BarDivisor;
  Shape1.setVisible(divisor > 0);
  if (divisor > 0) Shape1.setWidth(CInt(Int(kFullBar / divisor)));
}

void showALeagueWait() {
  ALeagueWait& wait = ui::screen<ALeagueWait>();
  wait.Show();
  wait.drawBar();
}

}  // namespace kervale
