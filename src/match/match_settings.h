#pragma once

#include "ui/control.h"
#include "ui/control_array.h"
#include "ui/form.h"

namespace kervale {

// The in-match team sheet, opened by the match screen's two club buttons for
// one side (SettingsSide) while the match waits on PauseFlag. Shows the squad
// with a position code, match ratings and the eleven's condition; for the
// user's own club it also offers the saved tactic slots. Leaving it in any way
// resumes the match.
class matchsettings : public ui::Form {
 public:
  matchsettings();

  // ---- Controls
  ui::Label Label2{*this, "Label2"};          // home club
  ui::Label labellabel{*this, "labellabel"};  // away club
  ui::Image Image1{*this, "Image1"};
  ui::Image Image2{*this, "Image2"};
  ui::Label Label1{*this, "Label1"};                           // score
  ui::Label Label3{*this, "Label3"};                           // minute
  ui::ControlArray<ui::Label> Label7{*this, "Label7", 0, 11};  // positions
  ui::ControlArray<ui::Label> playrnm{*this, "playrnm", 1, 20};
  ui::ControlArray<ui::Label> matchrate{*this, "matchrate", 1, 20};
  ui::ControlArray<ui::Label> Label4{*this, "Label4", 1, 11};  // condition
  ui::Label Label6{*this, "Label6"};                           // "Substitutes:"
  ui::Label Label8{*this, "Label8"};                           // tactic
  ui::Label Label9{*this, "Label9"};                           // flow
  ui::Label Label10{*this, "Label10"};                         // "Push Up:"
  ui::Label Label5{*this, "Label5"};                           // "Switch to Formation:"
  ui::ControlArray<ui::CommandButton> Command6{*this, "Command6", 0, 3};
  ui::CommandButton Command2{*this, "Command2"};
  ui::ListBox goalscoredview{*this, "goalscoredview"};
  ui::CommandButton Command1{*this, "Command1"};

  // ---- Handlers
  void Command6_Click(int Index);
  void Command1_Click();

 protected:
  void Form_Load() override;
  void Form_Deactivate() override;
  void Form_Unload(int& cancel) override;
};

// The position code of a player from his keeping, defence, midfield and
// attack ratings ("G ", "D ", "DM ", "DMF ", "M ", "MF ", "F ").
const char* positionCode(double keeping, double defence, double midfield, double attack);

}  // namespace kervale
