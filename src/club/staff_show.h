#pragma once

#include "ui/control.h"
#include "ui/control_array.h"
#include "ui/form.h"

namespace kervale {

// "View the Staff": the four posts of the user's club with the person in
// each; a filled post can be fired after a question, a vacant one filled
// from the pool of 300 people.
class StaffShow : public ui::Form {
 public:
  StaffShow();

  ui::Label Label1{*this, "Label1"};                                      // "Club Personnel"
  ui::ControlArray<ui::Label> Label6{*this, "Label6", 0, 3};              // post captions
  ui::Label Label2{*this, "Label2"};                                      // assistant coach
  ui::Label Label3{*this, "Label3"};                                      // reserve coach
  ui::Label Label4{*this, "Label4"};                                      // youth coach
  ui::Label Label5{*this, "Label5"};                                      // head scout
  ui::ControlArray<ui::CommandButton> Command2{*this, "Command2", 0, 3};  // "Fire" / "Hire" per post
  ui::ControlArray<ui::CommandButton> Command3{*this, "Command3", 0, 3};  // "Info", no behaviour
  ui::Label Label7{*this, "Label7"};                                      // "Scouts in Organization:"
  ui::CommandButton Command4{*this, "Command4"};                          // "Hire" beside the scouts, no behaviour
  ui::Label Label8{*this, "Label8"};                                      // "Age:"
  ui::Label Label9{*this, "Label9"};                                      // "Previous Clubs:"
  ui::Label Label10{*this, "Label10"};                                    // "Interview Comment:"
  ui::CommandButton Command1{*this, "Command1"};                          // "OK"

  void Command1_Click();
  void Command2_Click(int Index);

 protected:
  void Form_Load() override;

 private:
  ui::Label& nameLabel(int post);
};

// The hub's way in.
void showStaff();

}  // namespace kervale
