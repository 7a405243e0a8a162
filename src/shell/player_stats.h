#pragma once

#include "ui/control.h"
#include "ui/control_array.h"
#include "ui/form.h"

namespace kervale {

// Statistics, Player Statistics: a layout with a close button only.
class PlayerStats : public ui::Form {
 public:
  PlayerStats();

  ui::Frame Frame1{*this, "Frame1"};
  ui::ControlArray<ui::OptionButton> Option1{*this, "Option1", 0, 3};  // leagues
  ui::ControlArray<ui::Label> Label1{*this, "Label1", 0, 4};
  ui::VScrollBar VScroll1{*this, "VScroll1"};
  ui::CommandButton Command1{*this, "Command1"};

  void Command1_Click();
};

}  // namespace kervale
