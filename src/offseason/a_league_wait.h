#pragma once

#include "ui/control.h"
#include "ui/form.h"

namespace kervale {

// The wait window while the new season is set up: a bar as long as the share
// of the work done, from BarDivisor, the number of steps left.
class ALeagueWait : public ui::Form {
 public:
  ALeagueWait();

  // ---- Controls
  ui::Label Label1{*this, "Label1"};
  ui::Label Shape1{*this, "Shape1"};  // the bar

  // Sets the bar from BarDivisor; no bar for a divisor of 0 or less.
  void drawBar();
};

// The one opener: shows the window modeless with its bar drawn.
void showALeagueWait();

}  // namespace kervale
