#include "club/player_dealings.h"

#include "base/numbers.h"
#include "club/player_price.h"
#include "data/squad_moves.h"

namespace kervale {

namespace {

bool isPlayer(const MLSModule& g, int player) {
  return player >= 1 && player <= kLastPlayer && !g.PlayerName(player).empty();
}

bool isClub(int club) { return club >= 1 && club <= kLastClub; }

bool owns(const MLSModule& g, int player, int club) {
  return isPlayer(g, player) && isClub(club) && g.PlayerTeam(player) == club;
}

void clearInterest(MLSModule& g, int player) {
  for (int k = 1; k <= 5; ++k) g.PlayerInterest(player, k) = 0;
}

}  // namespace

bool listPlayer(MLSModule& g, int player, int club) {
  if (!owns(g, player, club)) return false;
  g.PlayerTransferListed(player) = 1;
  return true;
}

bool releasePlayer(MLSModule& g, int player, int club) {
  if (!owns(g, player, club)) return false;
  movePlayer(g, player, 0, 0);
  return true;
}

Renewal renewContract(MLSModule& g, int player, int club, int wage, int years) {
  Renewal r;
  if (!owns(g, player, club)) return r;
  const double left = g.PlayerContractYears(player);
  r.alreadyLongest = left == 5;
  r.wantsLonger = left >= years;
  if (left < years && wage > PlayerWageDemand(g, player, club)) {
    g.PlayerContractYears(player) = years;
    g.PlayerWage(player) = wage;
    r.accepted = true;
  }
  return r;
}

Signing signPlayer(MLSModule& g, int player, int club, int wage, int years, double feeK) {
  if (!isPlayer(g, player) || !isClub(club) || g.PlayerTeam(player) == club) return Signing::NotAvailable;
  if (!(wage > PlayerWageDemand(g, player, club))) return Signing::WageTooLow;
  const int slot = firstFreeSquadSlot(g, club);
  if (slot == 0) return Signing::SquadFull;
  const double fee = feeK * 1000;
  if (fee > g.TeamMoney(club)) return Signing::CannotPay;

  const int seller = CInt(g.PlayerTeam(player));
  g.TeamMoney(club) -= fee;
  if (isClub(seller)) g.TeamMoney(seller) += fee;
  movePlayer(g, player, club, slot);
  g.PlayerWage(player) = wage;
  g.PlayerContractYears(player) = years;
  clearInterest(g, player);
  return Signing::Signed;
}

BidDecision decideBid(const MLSModule& g, int player, int user, double bidK, int round, std::int32_t askingK) {
  BidDecision d;
  const double owner = g.PlayerTeam(player);
  bool rivalFound = false;
  std::int64_t highest = 0;
  for (int k = 1; k <= 4; ++k) {
    const int rival = g.PlayerInterest(player, k);
    if (!isClub(rival) || rival == user || rival == owner) continue;
    rivalFound = true;
    if (!(g.TeamMoney(rival) > askingK * 1000.0)) continue;
    const auto bid = static_cast<std::int64_t>(roundHalfEven(askingK + g.TeamReputation(rival)));
    d.bids.push_back({rival, bid});
    if (bid > highest) {
      highest = bid;
      d.rival = rival;
    }
  }
  using Kind = BidDecision::Kind;
  if (rivalFound && round < 2) {
    d.kind = Kind::Preview;
  } else if (bidK > askingK && bidK > static_cast<double>(highest)) {
    d.kind = Kind::Agreed;
  } else if (d.rival != 0 &&
             g.TeamReputation(d.rival) > g.TeamReputation(static_cast<int>(owner)) + g.PlayerForm(player) - 50) {
    d.kind = Kind::RivalBuys;
  } else {
    d.kind = Kind::Refused;
  }
  return d;
}

bool sellToRival(MLSModule& g, int player, int rival, std::int32_t askingK) {
  if (!isPlayer(g, player) || !isClub(rival) || g.PlayerTeam(player) == rival) return false;
  const int slot = firstFreeSquadSlot(g, rival);
  if (slot == 0) return false;
  const int seller = CInt(g.PlayerTeam(player));
  const double fee = askingK * 1000.0;
  clearInterest(g, player);
  g.TeamMoney(rival) -= fee;
  if (isClub(seller)) g.TeamMoney(seller) += fee;
  g.PlayerTransferListed(player) = 0;
  g.PlayerContractYears(player) = 3;
  movePlayer(g, player, rival, slot);
  g.LastWeekTransfersText +=
      g.PlayerName(player) + " has signed with " + g.TeamName(rival) + " for an undisclosed sum.\r";
  return true;
}

}  // namespace kervale
