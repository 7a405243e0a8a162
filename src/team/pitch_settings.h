#pragma once

#include <array>
#include <cstdint>

#include "data/mls_module.h"
#include "ui/control.h"
#include "ui/control_array.h"
#include "ui/form.h"

namespace kervale {

// Strength of a club's ten outfield starters on each of the 25 zones (element
// z - 1 is zone z), under the tactic and flow the next match plays. The
// keeper does not count; a slot without a player or a position outside the
// tables counts 0.
std::array<std::int16_t, 25> zoneStrengths(const MLSModule& g, int club);

// The pitch view: the user's zone strengths on a 5 x 5 grid over a pitch,
// read-only, gone as soon as it loses the focus. Opened only through
// showPitchSettings.
class pitchsettings : public ui::Form {
 public:
  pitchsettings();

  // ---- Controls
  ui::Image Image1{*this, "Image1"};                           // the pitch
  ui::ControlArray<ui::Label> Label1{*this, "Label1", 1, 25};  // zone z: row (z-1)/5, column (z-1)%5
  ui::CommandButton Command1{*this, "Command1"};               // "OK"

  void Command1_Click();

 protected:
  void Form_Load() override;
  void Form_Deactivate() override;
};

// Shows the pitch view afresh over the squad screen, modeless.
void showPitchSettings();

}  // namespace kervale
