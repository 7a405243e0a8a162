#pragma once

#include "competitions/standings_rows.h"
#include "ui/control.h"
#include "ui/control_array.h"
#include "ui/form.h"

namespace kervale {

// The MLS conference standings, East above West, with the playoff cut.
class Tables : public ui::Form {
 public:
  Tables();

  ui::Label EastTitle{*this, "EastTitle"};  // "Eastern Conference"
  ui::Label WestTitle{*this, "WestTitle"};  // "Western Conference"
  ui::ControlArray<ui::Label> EastHeading{*this, "EastHeading", 0, 7};
  ui::ControlArray<ui::Label> WestHeading{*this, "WestHeading", 0, 7};
  // East rows, index = place 1..8.
  ui::ControlArray<ui::Label> eastname{*this, "eastname", 1, 8};
  ui::ControlArray<ui::Label> eastgames{*this, "eastgames", 1, 8};
  ui::ControlArray<ui::Label> eastwins{*this, "eastwins", 1, 8};
  ui::ControlArray<ui::Label> eastdraws{*this, "eastdraws", 1, 8};
  ui::ControlArray<ui::Label> eastlosses{*this, "eastlosses", 1, 8};
  ui::ControlArray<ui::Label> eastgoals{*this, "eastgoals", 1, 8};
  ui::ControlArray<ui::Label> eastgoalsag{*this, "eastgoalsag", 1, 8};
  ui::ControlArray<ui::Label> eastpoints{*this, "eastpoints", 1, 8};
  ui::ControlArray<ui::Label> eastdiff{*this, "eastdiff", 1, 8};  // goal difference under "+-"
  // West rows, index = place 1..8.
  ui::ControlArray<ui::Label> westteam{*this, "westteam", 1, 8};
  ui::ControlArray<ui::Label> westgames{*this, "westgames", 1, 8};
  ui::ControlArray<ui::Label> westwins{*this, "westwins", 1, 8};
  ui::ControlArray<ui::Label> westdraws{*this, "westdraws", 1, 8};
  ui::ControlArray<ui::Label> westlosses{*this, "westlosses", 1, 8};
  ui::ControlArray<ui::Label> westgoals{*this, "westgoals", 1, 8};
  ui::ControlArray<ui::Label> westagainst{*this, "westagainst", 1, 8};
  ui::ControlArray<ui::Label> westpoints{*this, "westpoints", 1, 8};
  ui::ControlArray<ui::Label> westdiff{*this, "westdiff", 1, 8};
  ui::Line Line2{*this, "Line2"};                 // East playoff cut
  ui::Line Line1{*this, "Line1"};                 // West playoff cut
  ui::CommandButton Command1{*this, "Command1"};  // "&Ok"

  void Command1_Click();

  StandingsRow eastRow(int place);
  StandingsRow westRow(int place);

 protected:
  void Form_Load() override;
  void Form_Deactivate() override;
};

// Opens the MLS conference tables over the hub.
void showTables();

}  // namespace kervale
