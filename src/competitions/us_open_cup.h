#pragma once

#include "ui/control.h"
#include "ui/control_array.h"
#include "ui/form.h"

namespace kervale {

// One round of the domestic cup at a time: the clubs of each tie and their
// results, the user's club in blue. The English cup uses the same tables and
// keeps these captions.
class UsOpenCup : public ui::Form {
 public:
  UsOpenCup();

  ui::Label WhatRound{*this, "WhatRound"};  // round caption
  // Slot s of the round; line t shows slots 2t - 1 and 2t.
  ui::ControlArray<ui::Label> TeamNames{*this, "TeamNames", 0, 64};
  ui::ControlArray<ui::Label> theresult{*this, "theresult", 0, 64};
  ui::CommandButton Command3{*this, "Command3"};  // "Prelim"
  ui::CommandButton Rd1{*this, "Rd1"};
  ui::CommandButton Rd2{*this, "Rd2"};
  ui::CommandButton Rd3{*this, "Rd3"};
  ui::CommandButton Rd4{*this, "Rd4"};
  ui::CommandButton Semis{*this, "Semis"};
  ui::CommandButton Finals{*this, "Finals"};
  ui::CommandButton Command2{*this, "Command2"};  // "OK"

  void Command3_Click();
  void Rd1_Click();
  void Rd2_Click();
  void Rd3_Click();
  void Rd4_Click();
  void Semis_Click();
  void Finals_Click();
  void Command2_Click();

 protected:
  void Form_Load() override;
  void Form_Deactivate() override;

 private:
  enum class Round { Prelim, Round1, Round2, Round3, Round4, Semis, Final };
  void showRound(Round round);
};

// Opens the cup round viewer over the hub, on round 1.
void showUsOpenCup();

}  // namespace kervale
