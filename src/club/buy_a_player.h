#pragma once

#include <array>
#include <string>

#include "club/player_purchase.h"
#include "ui/control.h"
#include "ui/form.h"

namespace kervale {

// "Buy a Player": list another club's squad and buy one of its players
// straight into the user's squad with a wage offer.
class BuyAPlayer : public ui::Form {
 public:
  BuyAPlayer();

  ui::Image Image2{*this, "Image2"};  // background picture
  ui::Label Label1{*this, "Label1"};  // "Offer Team:"
  ui::ComboBox Combo1{*this, "Combo1"};
  ui::CommandButton Command3{*this, "Command3"};  // list the squad
  ui::Image Image1{*this, "Image1"};              // the chosen club's badge
  ui::ListBox List1{*this, "List1"};
  ui::Label Label15{*this, "Label15"};  // "Transfer Listed"
  ui::Label Label2{*this, "Label2"};    // "Wage:"
  ui::HScrollBar HScroll1{*this, "HScroll1"};
  ui::Label Label3{*this, "Label3"};
  ui::Label Label5{*this, "Label5"};  // "Contract:"
  ui::HScrollBar HScroll2{*this, "HScroll2"};
  ui::Label Label4{*this, "Label4"};
  ui::HScrollBar HScroll3{*this, "HScroll3"};
  ui::CommandButton Command4{*this, "Command4"};  // "Scouting Report"
  ui::CommandButton Command1{*this, "Command1"};  // "&Bid"
  ui::CommandButton Command2{*this, "Command2"};  // "&Leave"

  // Squad slot shown in each list row (rows from 1); rebuilt with the list.
  std::array<int, 21> SquadRowSlot{};
  std::string BoughtPlayerName;

  void Command3_Click();
  void Combo1_Click();
  void HScroll1_Change();
  void HScroll2_Change();
  void Command1_Click();
  void Command2_Click();

 protected:
  void Form_Load() override;
  void Form_Deactivate() override;

 private:
  void refuse(PurchaseRefusal refusal, const std::string& name);

  int listedClub_ = 0;  // the club whose squad the list shows, 0 when empty
};

// The hub's way in.
void showBuyAPlayer();

}  // namespace kervale
