#include "club/player_purchase.h"

#include <algorithm>
#include <cmath>

#include "data/squad_moves.h"

namespace kervale {

namespace {

constexpr int kNameLength = 25;

bool isMls(int club) { return club >= 1 && club <= 16; }

double ratingTotal(const MLSModule& g, int p) {
  return g.PlayerGoalkeeping(p) + g.PlayerDefense(p) + g.PlayerMidfield(p) + g.PlayerAttack(p);
}

double wageBill(const MLSModule& g, int club) {
  double bill = 0;
  for (int slot = 1; slot <= 20; ++slot) {
    const double p = g.TeamSquad(slot, club);
    if (p >= 1 && p <= kLastPlayer && !g.PlayerName(p).empty()) bill += g.PlayerWage(p);
  }
  return bill;
}

bool isBlank(const std::string& s) {
  return std::all_of(s.begin(), s.end(), [](char ch) { return ch == ' '; });
}

}  // namespace

int purchaseWageFigure(int wage) { return std::min(wage * 20, 1000); }

int purchasedWage(int wage, int user) { return isMls(user) ? purchaseWageFigure(wage) : wage; }

bool offerMeetsDemand(const MLSModule& g, const PurchaseOffer& offer) {
  return !(offer.wage < ratingTotal(g, offer.player));
}

PurchaseRefusal purchaseRefusal(const MLSModule& g, const PurchaseOffer& offer, int user) {
  const int p = offer.player;
  const int b = offer.seller;
  if (user < 1 || user > kLastClub) return PurchaseRefusal::NoClub;
  if (p < 1 || p > kLastPlayer || g.PlayerName(p).empty() || b < 1 || b > kLastClub || g.PlayerTeam(p) != b) {
    return PurchaseRefusal::NoSuchPlayer;
  }
  if (isMls(user) && (isMls(b) || b > 52) && g.MlsAllocations(user) == 0) return PurchaseRefusal::NoAllocation;
  if (b == user) return PurchaseRefusal::OwnClub;
  if (firstFreeSquadSlot(g, user) == 0) return PurchaseRefusal::SquadFull;
  const int figure = purchaseWageFigure(offer.wage);
  if (wageBill(g, user) + figure > g.SalaryCap) return PurchaseRefusal::OverSalaryCap;
  // Money is held in units, the figure in thousands.
  if (figure * 1000.0 > g.TeamMoney(user)) return PurchaseRefusal::NoCash;
  const double hurdle = g.TeamReputation(b) - std::floor(g.PlayerWage(p) / 3) - 15 * g.PlayerTransferListed(p);
  if (g.TeamReputation(user) < hurdle) return PurchaseRefusal::NotBigTime;
  return PurchaseRefusal::None;
}

bool isGenericName(const std::string& name) {
  for (const char* generic : {"Defender", "Defeder", "Midfielder", "Forward", "Goalkeeper"}) {
    if (name == generic) return true;
  }
  return false;
}

std::string answeredName(const std::string& old, const std::optional<std::string>& answer) {
  if (!answer) return old;
  std::string name;
  int characters = 0;
  for (const char ch : *answer) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte < 32 || byte == 127) continue;
    const bool starts = (byte & 0xC0) != 0x80;  // not inside a multi-byte character
    if (starts && ++characters > kNameLength) break;
    name += ch;
  }
  return isBlank(name) ? old : name;
}

void completePurchase(MLSModule& g, const PurchaseOffer& offer, int user, const std::string& name) {
  const int p = offer.player;
  g.TeamMoney(user) -= purchaseWageFigure(offer.wage) * 1000.0;
  g.PlayerName(p) = name;
  if (isMls(user) && offer.seller > 52) g.MlsAllocations(user) -= 1;
  movePlayer(g, p, user, firstFreeSquadSlot(g, user));
  g.PlayerWage(p) = purchasedWage(offer.wage, user);
  g.PlayerInjury(p) = 0;
  g.PlayerInjuryText(p) = "";
}

}  // namespace kervale
