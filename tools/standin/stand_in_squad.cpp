// The stand-in's squad in trouble: free signings through the league portal
// and the player card, and bids for other clubs' players through the card,
// as a user makes them.
#include <cmath>
#include <string>

#include "club/player_directory.h"
#include "club/website.h"
#include "data/mls_module.h"
#include "data/squad_moves.h"
#include "shell/main_module.h"
#include "standin/squad_needs.h"
#include "standin/stand_in_user.h"
#include "ui/screen.h"

namespace kervale {

namespace {

constexpr int kFreeListLink = 6;   // the portal's "Free Players"
constexpr int kContractYears = 2;  // what a draftee gets

}  // namespace

bool StandInUser::signFreePlayer(double leastKeeping) {
  MLSModule& g = mls();
  const int club = static_cast<int>(g.MyTeam);
  PlayerDirectory& card = ui::screen<PlayerDirectory>();
  const standin::FreeSigning choice = standin::nextFreeSigning(g, club, card.HScroll2.max(), leastKeeping);
  if (choice.player == 0) return false;
  ui::screen<MainModule>().Command4.userClick();
  Website& portal = ui::screen<Website>();
  portal.Label4(kFreeListLink).userClick();
  portal.List1.userSelectItem(choice.row);
  portal.Command7.userClick();
  if (card.loaded() && card.shownPlayer() == choice.player) {
    card.HScroll1.userScroll(kContractYears);
    card.HScroll2.userScroll(choice.wage);
    card.Command6.userClick();
    card.Command10.userClick();
  }
  portal.Command1.userClick();
  const bool joined = g.PlayerTeam(choice.player) == club;
  state_->signings += joined ? 1 : 0;
  return joined;
}

bool StandInUser::bidForPlayer(double leastKeeping) {
  MLSModule& g = mls();
  const int club = static_cast<int>(g.MyTeam);
  PlayerDirectory& card = ui::screen<PlayerDirectory>();
  const double mostBidK = std::floor(g.TeamMoney(club) / 1000);
  const standin::Bid choice = standin::nextBid(g, club, card.HScroll2.max(), mostBidK, leastKeeping);
  if (choice.player == 0) return false;
  showPlayerCard(choice.player);
  if (!card.loaded() || card.shownPlayer() != choice.player) return false;
  card.HScroll3.userScroll(choice.bidK);
  card.Command7.userClick();
  // With rivals the first round only shows their bids: "Stay" makes it again.
  if (card.Frame6.visible()) card.Command4.userClick();
  if (card.Frame1.visible()) {
    card.HScroll1.userScroll(kContractYears);
    card.HScroll2.userScroll(choice.wage);
    card.Command6.userClick();
  }
  if (card.loaded()) card.Command10.userClick();
  const bool joined = g.PlayerTeam(choice.player) == club;
  state_->purchases += joined ? 1 : 0;
  return joined;
}

bool StandInUser::releaseInjured() {
  MLSModule& g = mls();
  const int club = static_cast<int>(g.MyTeam);
  const int player = standin::longestInjured(g, club);
  if (player == 0) return false;
  showPlayerCard(player);
  PlayerDirectory& card = ui::screen<PlayerDirectory>();
  if (!card.loaded()) return false;                  // the answer below must not wait for another box
  state_->backend->queueAnswer(ui::MsgResult::Yes);  // "Free transfer ...?"
  card.Command3.userClick();
  card.Command10.userClick();
  const bool released = g.PlayerTeam(player) != club;
  state_->releases += released ? 1 : 0;
  return released;
}

bool StandInUser::replaceWeakKeeper() {
  const MLSModule& g = mls();
  const int club = static_cast<int>(g.MyTeam);
  const double wanted = standin::keepingWanted(g, club);
  if (standin::bestKeeping(g, club) >= wanted || firstFreeSquadSlot(g, club) == 0) return false;
  if (!ui::screen<MainModule>().loaded() || !(signFreePlayer(wanted) || bidForPlayer(wanted))) return false;
  mendLineUp(true, true);
  return true;
}

std::string StandInUser::readySquad() {
  const MLSModule& g = mls();
  const int club = static_cast<int>(g.MyTeam);
  MainModule& hub = ui::screen<MainModule>();
  if (club < 1 || club > kLastClub || !hub.loaded()) return "";
  bool signedAny = false;
  std::string shortOf;
  while (standin::fitPlayers(g, club) < standin::kEleven) {
    if (firstFreeSquadSlot(g, club) == 0 && !releaseInjured()) {
      shortOf = "no squad slot is free for a free player";
      break;
    }
    if (!signFreePlayer() && !bidForPlayer()) {
      shortOf = "no free player would sign nor any other club's player join";
      break;
    }
    signedAny = true;
  }
  mendLineUp(signedAny);
  if (hub.loaded() && hub.PlayGamesBUtton.enabled()) return "";
  const int fit = standin::fitPlayers(g, club);
  if (fit < standin::kEleven) {
    return "the squad has " + std::to_string(fit) + " fit players and " + shortOf;
  }
  return "the line-up could not be mended on the squad screen";
}

}  // namespace kervale
