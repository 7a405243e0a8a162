#pragma once

#include "ui/control.h"
#include "ui/form.h"

namespace kervale {

// "Chairman's Office": the chairman of the user's club, his view of the
// manager, a chat on seven topics, the ticket price and the resignation.
// Every answer goes into Label6; only the resignation asks in boxes.
class Chairman : public ui::Form {
 public:
  Chairman();

  // ---- Controls
  ui::Image Image3{*this, "Image3"};  // badge
  ui::Label Label1{*this, "Label1"};  // "Sponsor:"
  ui::Label Label3{*this, "Label3"};  // sponsor name
  ui::Label Label4{*this, "Label4"};  // "Ticket Price:"
  ui::HScrollBar HScroll2{*this, "HScroll2"};
  ui::Label Label2{*this, "Label2"};              // the price on the scroll bar
  ui::Label lblAppr{*this, "lblAppr"};            // his view of the manager
  ui::Label Label6{*this, "Label6"};              // his answer
  ui::ComboBox Combo1{*this, "Combo1"};           // topics
  ui::CommandButton Command3{*this, "Command3"};  // "Chat"
  ui::CommandButton Command4{*this, "Command4"};  // "Ticket Pricing"
  ui::CommandButton Command2{*this, "Command2"};  // "Resign"
  ui::CommandButton Command1{*this, "Command1"};  // "OK"

  // ---- Handlers
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void HScroll2_Change();

 protected:
  void Form_Load() override;
  void Form_Deactivate() override;

 private:
  int ticketRefusals_ = 0;  // proposals refused as too expensive this visit
};

// The hub's way in.
void showChairman();

}  // namespace kervale
