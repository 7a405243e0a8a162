#pragma once

#include "base/colour.h"
#include "ui/control.h"
#include "ui/control_array.h"
#include "ui/form.h"

namespace kervale {

// The button of the group a player trains in: white would vanish on the
// button face, and the dark yellow carries black text well.
inline constexpr Colour kTrainingGroupMarker = rgbColour(192, 192, 0);

// The training plan of the first team: a type and an intensity per group and
// working day, and a group (or rest) per squad slot. Group changes are stored
// at once; the lists only by their save buttons. Shown modeless over the hub;
// it goes when it loses the focus.
class Training : public ui::Form {
 public:
  Training();

  // ---- Controls
  ui::Image Image2{*this, "Image2"};    // background picture
  ui::Label Label19{*this, "Label19"};  // colour band
  ui::Label TeamNameLabel{*this, "TeamNameLabel"};
  ui::Image Image1{*this, "Image1"};                          // club badge
  ui::Label Label8{*this, "Label8"};                          // "Group One"
  ui::Label Label9{*this, "Label9"};                          // "Group Two"
  ui::Label Label10{*this, "Label10"};                        // "Group Three"
  ui::ControlArray<ui::Label> Label3{*this, "Label3", 0, 4};  // "Monday:" to "Friday:"
  // Element cell - 1 edits plan cell `cell`: 0..4 group 1, 5..9 group 2, 10..14 group 3.
  ui::ControlArray<ui::ComboBox> cmboTraining{*this, "cmboTraining", 0, 14};
  ui::ControlArray<ui::ComboBox> Combo2{*this, "Combo2", 0, 14};          // intensities
  ui::ControlArray<ui::CommandButton> Command3{*this, "Command3", 1, 3};  // "Save this plan" of group Index
  ui::CommandButton Command8{*this, "Command8"};                          // "Save All Plans"
  ui::CommandButton Command7{*this, "Command7"};                          // "Rest All"
  ui::CommandButton Command1{*this, "Command1"};                          // "Exit Without Saving"
  // The ten visible rows: a name and the rest and group buttons.
  ui::ControlArray<ui::Label> Label1{*this, "Label1", 0, 9};
  ui::ControlArray<ui::CommandButton> Command2{*this, "Command2", 0, 9};  // "Rest"
  ui::ControlArray<ui::CommandButton> Command4{*this, "Command4", 0, 9};  // "Group 1"
  ui::ControlArray<ui::CommandButton> Command5{*this, "Command5", 0, 9};  // "Group 2"
  ui::ControlArray<ui::CommandButton> Command6{*this, "Command6", 0, 9};  // "Group 3"
  ui::VScrollBar VScroll1{*this, "VScroll1"};                             // row r shows squad slot value + r + 1

  // ---- Handlers
  void traininggroupset();
  void VScroll1_Change();
  void Command2_Click(int index);
  void Command4_Click(int index);
  void Command5_Click(int index);
  void Command6_Click(int index);
  void Command3_Click(int index);
  void Command8_Click();
  void Command7_Click();
  void Command1_Click();

 protected:
  void Form_Load() override;
  void Form_Deactivate() override;

 private:
  void layoutPlanGrid();
  void layoutRows();
  // Names and enabled buttons of the ten rows at the current scroll value.
  void showRows();
  // The row's squad slot gets the group; the buttons follow.
  void setRowGroup(int row, int group);
  // Stores the lists of plan cells first..last.
  void savePlanCells(int first, int last);
};

// Opens the training plan over the hub.
void showTraining();

}  // namespace kervale
