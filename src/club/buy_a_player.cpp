#include "club/buy_a_player.h"

#include "base/numbers.h"
#include "club/player_purchase.h"
#include "data/mls_module.h"
#include "team/position_tag.h"
#include "ui/backend.h"
#include "ui/screen.h"

namespace kervale {

using ui::MsgBox;

namespace {

constexpr int kListedClubs = 237;

// The list's tags lose their trailing blank, all but the defence-and-attack one.
std::string listTag(const MLSModule& g, int player) {
  std::string tag = PositionTag(g, player);
  if (tag != "DF " && !tag.empty() && tag.back() == ' ') tag.pop_back();
  return tag;
}

void labelAt(ui::Label& label, const char* text, int left, int top, int width) {
  label.setCaption(text);
  label.move(left, top, width, 285);
  ui::setTextBacking(label);  // over the picture
  label.setForeColor(ui::kWhite);
  label.setFontBold(true);
}

}  // namespace

void showBuyAPlayer() { ui::screen<BuyAPlayer>().Show(); }

BuyAPlayer::BuyAPlayer() : Form("BuyAPlayer") {
  setCaption("Buy a Player");
  move(0, 0, 9600, 7200);
  setBorderStyle(1);
  setBackColor(0x404040);
  Image2.move(0, 0, 9600, 7200);
  Image2.setStretch(true);

  labelAt(Label1, "Offer Team:", 240, 240, 1500);
  Combo1.move(1800, 200, 4200, 315);
  Command3.setCaption("List Squad");
  Command3.move(6240, 180, 1680, 375);
  Image1.move(8160, 120, 1095, 1095);
  Image1.setStretch(true);
  List1.move(240, 720, 5760, 5040);
  labelAt(Label15, "Transfer Listed", 6240, 1440, 3000);

  labelAt(Label2, "Wage:", 6240, 2040, 1000);
  HScroll1.move(6240, 2400, 2280, 255);
  HScroll1.setMax(50);
  labelAt(Label3, "", 8640, 2400, 840);
  labelAt(Label5, "Contract:", 6240, 2880, 1000);
  HScroll2.move(6240, 3240, 2280, 255);
  HScroll2.setMin(1);
  HScroll2.setMax(5);
  labelAt(Label4, "", 8640, 3240, 840);
  HScroll3.move(6240, 3720, 2280, 255);
  Command4.setCaption("Scouting Report");
  Command4.move(6240, 4200, 3000, 435);

  Command1.setCaption("&Bid");
  Command1.move(6240, 5280, 1440, 495);
  Command1.setDefault(true);
  Command2.setCaption("&Leave");
  Command2.move(7800, 5280, 1440, 495);
  Command2.setCancel(true);

  Command3.onClick = [this] { Command3_Click(); };
  Combo1.onClick = [this] { Combo1_Click(); };
  HScroll1.onChange = [this] { HScroll1_Change(); };
  HScroll2.onChange = [this] { HScroll2_Change(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  designDone();
}

void BuyAPlayer::Form_Load() {
  const MLSModule& g = mls();
  Image2.setPicture(g.BackgroundPicture);
  HScroll2.setValue(1);
  HScroll1.setMax(50);
  for (int club = 1; club <= kListedClubs; ++club) Combo1.addItem(g.TeamName(club));
  Combo1.setListIndex(0);
  Image1.setVisible(false);
  listedClub_ = 0;
  HScroll1_Change();
  HScroll2_Change();
}

void BuyAPlayer::Combo1_Click() {
  // A bid buys from the squad on show: another club empties the list.
  List1.clear();
  listedClub_ = 0;
}

void BuyAPlayer::Command3_Click() {
  const MLSModule& g = mls();
  const int club = Combo1.listIndex() + 1;
  if (club < 1 || club > kListedClubs) return;
  Image1.setVisible(false);
  if (!g.TeamLogo(club).empty()) {
    Image1.setPicture(g.TeamLogo(club));
    Image1.setVisible(true);
  }
  List1.clear();
  SquadRowSlot.fill(0);
  int row = 0;
  for (int slot = 1; slot <= 20; ++slot) {
    const double p = g.TeamSquad(slot, club);
    if (p < 1 || p > kLastPlayer || g.PlayerName(p).empty()) continue;
    SquadRowSlot[++row] = slot;
    List1.addItem(listTag(g, static_cast<int>(p)) + " " + g.PlayerName(p));
  }
  listedClub_ = club;
}

void BuyAPlayer::HScroll1_Change() {
  const int user = CInt(mls().MyTeam);
  Label3.setCaption(Str(purchasedWage(HScroll1.value(), user)) + "k");
}

void BuyAPlayer::HScroll2_Change() { Label4.setCaption(Str(HScroll2.value()) + " years"); }

void BuyAPlayer::Command1_Click() {
  MLSModule& g = mls();
  const int row = List1.listIndex() + 1;
  if (listedClub_ == 0 || row < 1 || row > 20 || SquadRowSlot[row] == 0) return;
  const PurchaseOffer offer{CInt(g.TeamSquad(SquadRowSlot[row], listedClub_)), listedClub_, HScroll1.value()};
  const std::string name = g.PlayerName(offer.player);
  if (!offerMeetsDemand(g, offer)) {
    MsgBox(name + " wants more money.", ui::MsgButtons::OK, ui::MsgIcon::None, "Bid Rejected");
    return;
  }
  if (MsgBox("Buy " + name + "?", ui::MsgButtons::YesNo, ui::MsgIcon::None, "Bid Accepted!") != ui::MsgResult::Yes) {
    return;
  }
  const int user = CInt(g.MyTeam);
  const PurchaseRefusal refusal = purchaseRefusal(g, offer, user);
  if (refusal != PurchaseRefusal::None) {
    refuse(refusal, name);
    return;
  }
  BoughtPlayerName = name;
  if (isGenericName(name)) {
    BoughtPlayerName = answeredName(name, ui::InputBox("What would you like to name this player?", ""));
  }
  completePurchase(g, offer, user, BoughtPlayerName);
  Unload();
}

void BuyAPlayer::refuse(PurchaseRefusal refusal, const std::string& name) {
  switch (refusal) {
    case PurchaseRefusal::NoAllocation:
      MsgBox(
          "MLS Teams are only allowed to buy players from A-League or D3 Pro League teams, unless you have "
          "allocations available.",
          ui::MsgButtons::OK, ui::MsgIcon::Exclamation);
      break;
    case PurchaseRefusal::OwnClub:
      MsgBox("You have no reason to buy a player from your own team!\rWhat would the chairman say!", ui::MsgButtons::OK,
             ui::MsgIcon::Exclamation);
      break;
    case PurchaseRefusal::SquadFull:
      MsgBox("You need to release someone from your team. You have 20 players.");
      break;
    case PurchaseRefusal::OverSalaryCap:
      MsgBox("This would put you over the salary cap.");
      break;
    case PurchaseRefusal::NoCash:
      MsgBox("You don't have enough cash to buy this player!");
      break;
    case PurchaseRefusal::NotBigTime:
      MsgBox(name + " does not want to join your team. He says he wants big time footy.");
      break;
    case PurchaseRefusal::NoClub:
      MsgBox("You have no club to buy for.");
      break;
    case PurchaseRefusal::NoSuchPlayer:
      MsgBox(name + " is no longer with that club.");
      Command3_Click();
      break;
    case PurchaseRefusal::None:
      break;
  }
}

void BuyAPlayer::Command2_Click() { Unload(); }

void BuyAPlayer::Form_Deactivate() { Unload(); }

}  // namespace kervale
