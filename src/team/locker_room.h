#pragma once

#include "ui/control.h"
#include "ui/form.h"

namespace kervale {

// The team talk, shown by the user's match before kick-off and at half time.
// The match waits, yielding, until TeamTalkStage is 1, which only the
// go-to-match button (or the close box) sets. The match writes Label3 and
// TeamTalkList from outside at half time.
class LockerRoom : public ui::Form {
 public:
  LockerRoom();

  // ---- Controls
  ui::Label Shape4{*this, "Shape4"};  // banner band
  ui::Image Image1{*this, "Image1"};  // badge of the user's club
  ui::Label Label1{*this, "Label1"};  // venue on the banner
  ui::PictureBox Picture1{*this, "Picture1"};
  ui::Image Image2{*this, "Image2"};
  ui::Label Label2{*this, "Label2"};  // the players' line
  ui::Label Label3{*this, "Label3"};  // opponent, or the half-time statistics
  ui::ListBox TeamTalkList{*this, "TeamTalkList"};
  ui::CommandButton Command1{*this, "Command1"};  // "Preach"
  ui::CommandButton Command2{*this, "Command2"};  // "Let's go to the match!"

  // ---- Handlers
  void Command1_Click();
  void Command2_Click();

 protected:
  void Form_Load() override;
  void Form_Deactivate() override;
  void Form_QueryUnload(int& cancel, ui::UnloadMode mode) override;

 private:
  // Ends the talk: the stage tells the waiting match to go on, and the match
  // screen comes back to the front.
  void goToMatch(bool showMatch);

  bool leftForMatch_ = false;  // set once the user has left; stops the pull to the front
};

}  // namespace kervale
