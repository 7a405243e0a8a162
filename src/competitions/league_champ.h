#pragma once

#include "ui/control.h"
#include "ui/control_array.h"
#include "ui/form.h"

namespace kervale {

// The winners of past seasons, the last completed season on top.
class LeagueChamp : public ui::Form {
 public:
  LeagueChamp();

  ui::Label Label1{*this, "Label1"};  // "League Champions"
  ui::Label Label2{*this, "Label2"};  // "Cup Winners"
  ui::Label Label3{*this, "Label3"};  // "World Club Cup Champions"
  // Row i = 0..17 from the top.
  ui::ControlArray<ui::Label> Label4{*this, "Label4", 0, 17};  // year
  ui::ControlArray<ui::Label> Label5{*this, "Label5", 0, 17};  // league champion
  ui::ControlArray<ui::Label> Label6{*this, "Label6", 0, 17};  // cup winner
  ui::ControlArray<ui::Label> Label7{*this, "Label7", 0, 17};  // World Club Cup winner
  ui::CommandButton Command1{*this, "Command1"};               // "OK"

  void Command1_Click();

 protected:
  void Form_Load() override;
};

// Opens the roll of honour over the hub.
void showLeagueChamp();

}  // namespace kervale
