// The player card's dealings: listing, release, contracts and the auction.
#include <string>

#include "base/numbers.h"
#include "club/player_dealings.h"
#include "club/player_directory.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "ui/backend.h"
#include "ui/screen.h"

namespace kervale {

using ui::MsgBox;

void PlayerDirectory::keepDealState() {
  if (shownUser_ == 0) return;
  // A decision closes the auction for as long as the card stays open; an
  // agreement to talk keeps the contract panel offered while he stays put.
  if (biddingOver_) Frame6.setVisible(false);
  if (talksAgreed_ && shownClub_ != shownUser_) {
    Frame1.setVisible(true);
    Frame6.setVisible(false);
  }
}

bool PlayerDirectory::dealable() {
  // The card is modeless: matchdays and a resignation can pass while it is open.
  if (ui::screen<MatchEngine>().drivingMatchday()) {
    MsgBox("Transfers wait until the matchday is over.");
    return false;
  }
  const MLSModule& g = mls();
  const int user = CInt(g.MyTeam);
  const int club = CInt(g.PlayerTeam(shownPlayer_));
  if (user == 0) {
    MsgBox("You have no club to deal for.");
  } else if (club != shownClub_ || user != shownUser_) {
    MsgBox(g.PlayerName(shownPlayer_) + " is no longer where this card shows him.");
  } else {
    return true;
  }
  talksAgreed_ = false;
  reload();
  return false;
}

void PlayerDirectory::Command2_Click() {
  if (!dealable()) return;
  if (listPlayer(mls(), shownPlayer_, shownUser_)) MsgBox(mls().PlayerName(shownPlayer_) + " Transfer Listed!");
}

void PlayerDirectory::Command3_Click() {
  if (!dealable()) return;
  MLSModule& g = mls();
  const std::string question = "Free transfer " + g.PlayerName(shownPlayer_) + "?";
  if (MsgBox(question, ui::MsgButtons::YesNo, ui::MsgIcon::None, "KERV") != ui::MsgResult::Yes) return;
  if (releasePlayer(g, shownPlayer_, shownUser_)) reload();
}

void PlayerDirectory::Command6_Click() {
  if (!dealable()) return;
  if (shownClub_ == shownUser_) {
    renew(shownPlayer_, shownUser_);
  } else {
    sign(shownPlayer_, shownUser_);
  }
}

void PlayerDirectory::renew(int player, int user) {
  const Renewal r = renewContract(mls(), player, user, HScroll2.value(), HScroll1.value());
  if (r.alreadyLongest) {
    MsgBox("There is no reason to offer a new contract!", ui::MsgButtons::OK, ui::MsgIcon::Information, "KERV");
  }
  if (r.wantsLonger) MsgBox(mls().PlayerName(player) + " doesn't want a shorter contract!");
  if (r.accepted) MsgBox("Contract accepted!");
}

void PlayerDirectory::sign(int player, int user) {
  // Another club's player can be signed only once his club agreed to talk.
  if (shownClub_ != 0 && !talksAgreed_) return;
  const double fee = shownClub_ == 0 ? 0 : BidAmount;
  switch (signPlayer(mls(), player, user, HScroll2.value(), HScroll1.value(), fee)) {
    case Signing::Signed:
      talksAgreed_ = false;
      reload();
      break;
    case Signing::SquadFull:
      MsgBox("You have too many players on your team.");
      break;
    case Signing::CannotPay:
      MsgBox("You don't have enough cash to buy this player!");
      break;
    case Signing::WageTooLow:
    case Signing::NotAvailable:
      break;
  }
}

void PlayerDirectory::Command4_Click() {
  if (BidRound == 0) return;  // nothing to repeat yet
  HScroll3.setValue(CLng(BidAmount));
  Command7_Click();
}

void PlayerDirectory::Command7_Click() {
  if (!dealable() || biddingOver_ || talksAgreed_) return;
  MLSModule& g = mls();
  BidAmount = HScroll3.value();
  ++BidRound;
  const BidDecision d = decideBid(g, shownPlayer_, shownUser_, BidAmount, BidRound, AskingPrice);
  std::string log = g.TeamName(shownUser_) + " bid" + Str(BidAmount) + "k\r";
  for (const RivalBid& b : d.bids) log += " " + g.TeamName(b.club) + " bid" + Str(static_cast<double>(b.bid)) + "k\r";
  Label28.setCaption(log);

  const std::string name = g.PlayerName(shownPlayer_);
  using Kind = BidDecision::Kind;
  if (d.kind == Kind::Preview) return;
  if (d.kind == Kind::Agreed) {
    talksAgreed_ = true;
    MsgBox(name + " has agreed to talk with your team.");
    keepDealState();
    return;
  }
  biddingOver_ = true;
  Frame6.setVisible(false);
  if (d.kind == Kind::RivalBuys && sellToRival(g, shownPlayer_, d.rival, AskingPrice)) {
    MsgBox(name + " has signed with " + g.TeamName(d.rival) + ".");
    reload();
    return;
  }
  MsgBox(g.TeamName(shownClub_) + " does not want to sell " + name + " at this price.");
}

}  // namespace kervale
