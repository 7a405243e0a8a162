#pragma once

#include "ui/control.h"
#include "ui/form.h"

namespace kervale {

// The user's club's scouting: its name in its colours, its badge and its
// scouting budget.
class Scouting : public ui::Form {
 public:
  Scouting();

  ui::Image Image2{*this, "Image2"};    // background picture
  ui::Label Label19{*this, "Label19"};  // colour band
  ui::Label TeamNameLabel{*this, "TeamNameLabel"};
  ui::Image Image1{*this, "Image1"};              // badge
  ui::Label Label1{*this, "Label1"};              // "SCOUTING"
  ui::Label Label2{*this, "Label2"};              // "Scouts in Organization:"
  ui::Label Label4{*this, "Label4"};              // "Scouting Funding"
  ui::Label Label3{*this, "Label3"};              // scouting budget
  ui::CommandButton Command2{*this, "Command2"};  // "Leave"

  void Command2_Click();

 protected:
  void Form_Load() override;
};

// The hub's way in.
void showScouting();

}  // namespace kervale
