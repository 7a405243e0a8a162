#pragma once

#include "ui/control.h"
#include "ui/form.h"

namespace kervale {

// The start-up screen: tests the screen mode, then its OK button starts a new
// game on the new-game screen while its status line shows the loader's steps.
class frmSplash : public ui::Form {
 public:
  frmSplash();

  ui::Image Image1{*this, "Image1"};
  ui::Label Label1{*this, "Label1"};
  ui::Label Label4{*this, "Label4"};  // status line; the loader writes its steps here
  ui::CommandButton Command1{*this, "Command1"};
  ui::CommandButton Command2{*this, "Command2"};

  // Computes ScreenMode from the screen's size.
  void screenresolution();
  void Command1_Click();
  void Command2_Click();

 protected:
  void Form_Load() override;
};

// The picture on the start-up screen.
inline constexpr const char* kSplashPicture = "splash.jpg";

}  // namespace kervale
