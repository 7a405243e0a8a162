#pragma once

#include "ui/control.h"
#include "ui/control_array.h"
#include "ui/form.h"

namespace kervale {

// A knock-out bracket of up to three rounds for one of eight competitions,
// chosen by PlayoffView. The league views seed their bracket from the
// standings first.
class MLS_Playoffs : public ui::Form {
 public:
  MLS_Playoffs();

  // Quarter-final rows Q1..Q8.
  ui::ControlArray<ui::Label> round1{*this, "round1", 1, 8};
  ui::ControlArray<ui::Label> result{*this, "result", 1, 8};
  // Semi-final rows S1..S4, top to bottom.
  ui::Label eastaway{*this, "eastaway"};
  ui::Label eastawayscore{*this, "eastawayscore"};
  ui::Label easthome{*this, "easthome"};
  ui::Label easthomescore{*this, "easthomescore"};
  ui::Label westaway{*this, "westaway"};
  ui::Label westawayscore{*this, "westawayscore"};
  ui::Label westhome{*this, "westhome"};
  ui::Label westhomescore{*this, "westhomescore"};
  // Final rows F1 (upper) and F2.
  ui::Label champaway{*this, "champaway"};
  ui::Label finalhomescore{*this, "finalhomescore"};
  ui::Label champhome{*this, "champhome"};
  ui::Label finalawayscore{*this, "finalawayscore"};
  // Connectors from each tie to the row of the next round.
  ui::Line Line1{*this, "Line1"};
  ui::Line Line2{*this, "Line2"};
  ui::Line Line3{*this, "Line3"};
  ui::Line Line4{*this, "Line4"};
  ui::Line Line5{*this, "Line5"};
  ui::Line Line6{*this, "Line6"};
  ui::Line Line7{*this, "Line7"};
  ui::Line Line8{*this, "Line8"};
  ui::Line Line9{*this, "Line9"};
  ui::Line Line10{*this, "Line10"};
  ui::Line Line11{*this, "Line11"};
  ui::Line Line12{*this, "Line12"};
  ui::Line Line13{*this, "Line13"};
  ui::CommandButton Command1{*this, "Command1"};  // "&OK"

  // A row of the bracket: its club label and its score label.
  struct Row {
    ui::Label* club;
    ui::Label* score;
  };
  Row quarterRow(int k) { return {&round1(k), &result(k)}; }
  Row semiRow(int k);   // S1..S4
  Row finalRow(int k);  // F1, F2

  void Command1_Click();

 protected:
  void Form_Load() override;
  void Form_Deactivate() override;
};

// Opens the bracket viewer on a view: 0 MLS, 1 Canada Cup, 2 Champions
// League, 3 Copa Libertadores, 4 World Club Cup, 5 A-League, 6 CONCACAF Cup,
// 7 D3 Pro League.
void showPlayoffs(int view);

}  // namespace kervale
