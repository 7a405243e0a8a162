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

}  // namespace

int fitPlayers(const MLSModule& g, int club) {
  int count = 0;
  for (int slot = 1; slot <= 20; ++slot) count += fit(g, squadPlayer(g, club, slot)) ? 1 : 0;
  return count;
}

FreeSigning nextFreeSigning(const MLSModule& g, int club, int mostWage) {
  const bool wantKeeper = !hasFitKeeper(g, club);
  const std::vector<PortalRow> rows = freeTransferRows(g);
  FreeSigning best;
  std::pair<bool, double> bestScore{false, 0};
  for (std::size_t row = 0; row < rows.size(); ++row) {
    const int p = rows[row].player;
    const double demand = PlayerWageDemand(g, p, club);
    const int wage = static_cast<int>(std::floor(demand)) + 1;
    if (!fit(g, p) || wage > mostWage) continue;
    const bool keeper = wantKeeper && isKeeper(g, p);
    const std::pair<bool, double> score{keeper, keeper ? g.PlayerGoalkeeping(p) : outfieldRating(g, p)};
    if (best.player == 0 || score > bestScore) {
      best = {p, static_cast<int>(row), wage};
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
