#pragma once

#include <cstdint>
#include <vector>

#include "ui/control.h"
#include "ui/control_array.h"
#include "ui/form.h"

namespace kervale {

// Fixtures and results of one club, sixty rounds at a time; any club can be
// chosen from the list.
class FixtureList : public ui::Form {
 public:
  FixtureList();

  ui::Image Image2{*this, "Image2"};    // background picture
  ui::Label Label19{*this, "Label19"};  // colour bar of the managed club
  ui::Label TeamNameLabel{*this, "TeamNameLabel"};
  ui::Image Image1{*this, "Image1"};                           // badge of the managed club
  ui::Label Label1{*this, "Label1"};                           // "FIXTURES"
  ui::Label Label5{*this, "Label5"};                           // title
  ui::Label Label6{*this, "Label6"};                           // "Home"
  ui::Label Label7{*this, "Label7"};                           // "Away"
  ui::Label Label8{*this, "Label8"};                           // "Cup Home"
  ui::Label Label9{*this, "Label9"};                           // "Cup Away"
  ui::ControlArray<ui::Label> Label2{*this, "Label2", 1, 30};  // week numbers
  ui::ControlArray<ui::Label> Label3{*this, "Label3", 1, 60};  // opponents
  ui::ControlArray<ui::Label> Label4{*this, "Label4", 1, 60};  // scores
  ui::HScrollBar HScroll1{*this, "HScroll1"};
  ui::ListBox List1{*this, "List1"};
  ui::CommandButton Command2{*this, "Command2"};  // Leave

  void Output_Fixt();
  void HScroll1_Change();
  void List1_Click();
  void Command2_Click();

  // The club whose fixtures are shown.
  std::int16_t shownClub() const { return shownClub_; }

 protected:
  void Form_Load() override;
  void Form_Deactivate() override;

 private:
  std::int16_t shownClub_ = 0;
  // The club of each list entry, by list position from 1.
  std::vector<std::int16_t> entryClub_;
};

}  // namespace kervale
