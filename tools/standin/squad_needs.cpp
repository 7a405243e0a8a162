#include "standin/squad_needs.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "club/player_price.h"
#include "club/portal_pages.h"
#include "team/line_up.h"
#include "team/position_tag.h"

namespace kervale::standin {

namespace {

bool fit(const MLSModule& g, int player) { return player != 0 && g.PlayerInjury(player) <= 0; }

bool isKeeper(const MLSModule& g, int player) { return PositionTag(g, player) == "G "; }

bool hasFitKeeper(const MLSModule& g, int club) {
  for (int slot = 1; slot <= 20; ++slot) {
    const int p = squadPlayer(g, club, slot);
    if (fit(g, p) && isKeeper(g, p)) return true;
  }
  return false;
}

double outfieldRating(const MLSModule& g, int player) {
  return std::max({g.PlayerDefense(player), g.PlayerMidfield(player), g.PlayerAttack(player)});
}

// Whether the player may be signed: anyone without a least keeping, else a
// keeper rated at least that.
bool meetsKeeping(const MLSModule& g, int player, double leastKeeping) {
  return leastKeeping <= 0 || (isKeeper(g, player) && g.PlayerGoalkeeping(player) >= leastKeeping);
}

// How much the squad wants a player: a keeper first when it needs one, then
// the best in his strongest skill.
std::pair<bool, double> want(const MLSModule& g, int player, bool wantKeeper) {
  const bool keeper = wantKeeper && isKeeper(g, player);
  return {keeper, keeper ? g.PlayerGoalkeeping(player) : outfieldRating(g, player)};
}

// The smallest whole wage above his demand.
int acceptedWage(const MLSModule& g, int player, int club) {
  return static_cast<int>(std::floor(PlayerWageDemand(g, player, club))) + 1;
}

constexpr int kLastBiddenClub = 237;
constexpr double kKeepingShare = 0.75;  // of the outfield players' mean best rating

// A rival bids the asking price + its reputation, which grows past 100 in a
// long career.
int aboveEveryRival(const MLSModule& g) {
  double best = 0;
  for (int c = 1; c <= kLastClub; ++c) best = std::max(best, g.TeamReputation(c));
  return static_cast<int>(std::ceil(best)) + 1;
}

}  // namespace

double bestKeeping(const MLSModule& g, int club) {
  double best = 0;
  for (int slot = 1; slot <= 20; ++slot) {
    const int p = squadPlayer(g, club, slot);
    if (fit(g, p) && isKeeper(g, p)) best = std::max(best, static_cast<double>(g.PlayerGoalkeeping(p)));
  }
  return best;
}

double keepingWanted(const MLSModule& g, int club) {
  double sum = 0;
  int outfield = 0;
  for (int slot = 1; slot <= 20; ++slot) {
    const int p = squadPlayer(g, club, slot);
    if (!fit(g, p) || isKeeper(g, p)) continue;
    sum += outfieldRating(g, p);
    ++outfield;
  }
  return outfield > 0 ? kKeepingShare * sum / outfield : 0;
}

int fitPlayers(const MLSModule& g, int club) {
  int count = 0;
  for (int slot = 1; slot <= 20; ++slot) count += fit(g, squadPlayer(g, club, slot)) ? 1 : 0;
  return count;
}

FreeSigning nextFreeSigning(const MLSModule& g, int club, int mostWage, double leastKeeping) {
  const bool wantKeeper = !hasFitKeeper(g, club) || leastKeeping > 0;
  const std::vector<PortalRow> rows = freeTransferRows(g);
  FreeSigning best;
  std::pair<bool, double> bestScore{false, 0};
  for (std::size_t row = 0; row < rows.size(); ++row) {
    const int p = rows[row].player;
    const int wage = acceptedWage(g, p, club);
    if (!fit(g, p) || wage > mostWage || !meetsKeeping(g, p, leastKeeping)) continue;
    const std::pair<bool, double> score = want(g, p, wantKeeper);
    if (best.player == 0 || score > bestScore) {
      best = {p, static_cast<int>(row), wage};
      bestScore = score;
    }
  }
  return best;
}

Bid nextBid(const MLSModule& g, int club, int mostWage, double mostBidK, double leastKeeping) {
  const bool wantKeeper = !hasFitKeeper(g, club) || leastKeeping > 0;
  const int above = aboveEveryRival(g);
  Bid best;
  std::pair<bool, double> bestScore{false, 0};
  for (int p = 1; p <= g.NumPlayers; ++p) {
    const double owner = g.PlayerTeam(p);
    if (owner < 1 || owner > kLastBiddenClub || owner == club || g.PlayerName(p).empty() || !fit(g, p) ||
        !meetsKeeping(g, p, leastKeeping)) {
      continue;
    }
    const int wage = acceptedWage(g, p, club);
    const int bid = PlayerAskingPrice(g, p) + above;
    if (wage > mostWage || bid > mostBidK) continue;
    const std::pair<bool, double> score = want(g, p, wantKeeper);
    if (best.player == 0 || score > bestScore) {
      best = {p, bid, wage};
      bestScore = score;
    }
  }
  return best;
}

int longestInjured(const MLSModule& g, int club) {
  int longest = 0;
  for (int slot = 1; slot <= 20; ++slot) {
    const int p = squadPlayer(g, club, slot);
    if (p != 0 && g.PlayerInjury(p) > 0 && (longest == 0 || g.PlayerInjury(p) > g.PlayerInjury(longest))) longest = p;
  }
  return longest;
}

}  // namespace kervale::standin
