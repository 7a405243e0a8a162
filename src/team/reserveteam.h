#pragma once

#include "ui/control.h"
#include "ui/form.h"

namespace kervale {

// The reserves: a fixed page about the coaching staff, the same for every
// club. Shown modeless over the hub.
class reserveteam : public ui::Form {
 public:
  reserveteam();

  // ---- Controls
  ui::Frame Frame1{*this, "Frame1"};              // "Coaching Staff"
  ui::ListBox List1{*this, "List1"};              // stays empty
  ui::Label Label1{*this, "Label1"};              // "Position:"
  ui::Label Label2{*this, "Label2"};              // "Age:"
  ui::Label Label3{*this, "Label3"};              // "What the coach says:"
  ui::Label Label4{*this, "Label4"};              // "  Absolutely Nothing!"
  ui::CommandButton Command1{*this, "Command1"};  // OK

  // ---- Handlers
  void Command1_Click();
};

// Opens the reserves page over the hub.
void showReserveTeam();

}  // namespace kervale
