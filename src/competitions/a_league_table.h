#pragma once

#include <optional>

#include "competitions/standings_rows.h"
#include "ui/control.h"
#include "ui/control_array.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace kervale {

// The standings of every league but the MLS, one league at a time: the
// selector TableLeague names it and the menu bar switches it in place.
class ALeagueTable : public ui::Form {
 public:
  ALeagueTable();

  ui::Label Label2{*this, "Label2"};  // league title
  ui::ControlArray<ui::Label> Heading{*this, "Heading", 0, 7};
  // Rows, index = place 1..24.
  ui::ControlArray<ui::Label> Label1{*this, "Label1", 1, 24};  // place numbers
  ui::ControlArray<ui::Label> eastname{*this, "eastname", 1, 24};
  ui::ControlArray<ui::Label> eastgames{*this, "eastgames", 1, 24};
  ui::ControlArray<ui::Label> eastwins{*this, "eastwins", 1, 24};
  ui::ControlArray<ui::Label> eastdraws{*this, "eastdraws", 1, 24};
  ui::ControlArray<ui::Label> eastlosses{*this, "eastlosses", 1, 24};
  ui::ControlArray<ui::Label> eastgoals{*this, "eastgoals", 1, 24};
  ui::ControlArray<ui::Label> eastgoalsag{*this, "eastgoalsag", 1, 24};
  ui::ControlArray<ui::Label> eastpoints{*this, "eastpoints", 1, 24};
  ui::ControlArray<ui::Label> eastdiff{*this, "eastdiff", 1, 24};  // goal difference under "+-"
  ui::Line Line1{*this, "Line1"};                                  // green markers
  ui::Line Line2{*this, "Line2"};
  ui::Line Line3{*this, "Line3"};                 // red marker
  ui::CommandButton Command1{*this, "Command1"};  // "&Ok"

  ui::MenuItem USA_Menu{*this, "USA_Menu", "&USA"};
  ui::MenuItem ALg_Change{*this, "ALg_Change", "&A-League", &USA_Menu};
  ui::MenuItem EngShow{*this, "EngShow", "&England"};
  ui::MenuItem Premierlge{*this, "Premierlge", "&Premiership", &EngShow};
  ui::MenuItem DivvyOne{*this, "DivvyOne", "&Division One", &EngShow};
  ui::MenuItem Divvy2wo{*this, "Divvy2wo", "&Division Two", &EngShow};
  ui::MenuItem Divvy3ree{*this, "Divvy3ree", "&Division Three", &EngShow};
  ui::MenuItem Alemania{*this, "Alemania", "&Germany"};
  ui::MenuItem Bundes_1{*this, "Bundes_1", "Bundesliga. &1", &Alemania};
  ui::MenuItem Bundes_2{*this, "Bundes_2", "Bundesliga. &2", &Alemania};
  ui::MenuItem MexicanLeagueMenuThing{*this, "MexicanLeagueMenuThing", "&Mexico"};
  ui::MenuItem Group1{*this, "Group1", "Grupo &Uno", &MexicanLeagueMenuThing};
  ui::MenuItem Group2{*this, "Group2", "Grupo &Dos", &MexicanLeagueMenuThing};
  ui::MenuItem Group3{*this, "Group3", "Grupo &Tres", &MexicanLeagueMenuThing};
  ui::MenuItem Group4{*this, "Group4", "Grupo &Cuatro", &MexicanLeagueMenuThing};
  ui::MenuItem Australia_Menu_Click{*this, "Australia_Menu_Click", "&Australia"};
  ui::MenuItem NSL{*this, "NSL", "&Nat'l Soccer League", &Australia_Menu_Click};

  void Command1_Click();
  // Every league item: the selector, then the load again on this screen.
  void switchLeague(int league);

  StandingsRow row(int place);

 protected:
  void Form_Load() override;
  void Form_Deactivate() override;
};

// The table a club's own league is shown in, as the hub's Tables item picks
// it; nothing for a club whose league has no table here.
std::optional<int> tableLeagueOf(const MLSModule& game, int club);

// Opens the league table of the given selector over the hub.
void showLeagueTable(double league);

}  // namespace kervale
