// The computer transfer market between matchdays: free agents and listed
// players go to the interested club with the highest bid it can afford.
#include <cmath>
#include <cstdint>
#include <string>

#include "base/numbers.h"
#include "base/random.h"
#include "data/mls_module.h"
#include "data/squad_floor.h"
#include "data/squad_moves.h"
#include "match/match_engine.h"
#include "ui/backend.h"

namespace kervale {

namespace {

constexpr int kDraws = 1000;

// A club number held in a table cell, or -1 when the cell holds none.
int clubIn(double cell) {
  const double n = std::nearbyint(cell);
  return n >= 0 && n <= kLastClub ? static_cast<int>(n) : -1;
}

// What the computer clubs think a player is worth; a goalkeeper by his keeping alone.
double playerValue(const MLSModule& g, int p) {
  const double d = g.PlayerDefense(p);
  const double m = g.PlayerMidfield(p);
  const double a = g.PlayerAttack(p);
  const float keeping = g.PlayerGoalkeeping(p);
  double v = (d + m + a) * (d + m + a);
  if (d >= m && d >= a) {
    v *= d / 5 + m / 8 + a / 10;
  } else if (m > d && m >= a) {
    v *= d / 7 + m / 5 + a / 7;
  } else if (a > d && a > m) {
    v *= d / 10 + m / 8 + a / 5;
  }
  if (keeping > d && keeping > m && keeping > a) v = keeping * keeping * 10.0F;
  return v;
}

}  // namespace

void MatchEngine::transfermarket() {
  MLSModule& g = mls();
  g.LastWeekTransfersText = "";
  transfermoves.clear();
  for (int draw = 1; draw <= kDraws; ++draw) {
    const int p = rng().draw(g.NumPlayers, 1);
    if (p < 1 || p > kLastPlayer) continue;
    const int c = clubIn(g.PlayerTeam(p));
    if (g.PlayerName(p).empty() || c < 0) continue;
    if (c != 0 && g.PlayerTransferListed(p) != 1) continue;
    const double v = playerValue(g, p);

    // Bids are wider than 16 bits: a strong player's value alone passes 32767.
    std::int64_t best = 0;
    int buyer = 0;
    for (int k = 1; k <= 5; ++k) {
      const int bidder = g.PlayerInterest(p, k);
      if (bidder <= 0 || bidder > kLastClub || bidder == c) continue;  // a club never bids for its own player
      if (!(g.TeamMoney(bidder) > v)) continue;
      const auto bid = static_cast<std::int64_t>(roundHalfEven(v + g.TeamReputation(bidder)));
      if (bid > best) {
        best = bid;
        buyer = bidder;
      }
    }
    if (buyer == 0) continue;
    const int slot = firstFreeSquadSlot(g, buyer);
    if (slot == 0) continue;
    // A computer club that sold every listed player would soon field fewer
    // than eleven: it keeps its floor, and its keepers.
    if (c != 0 && c != g.MyTeam && !saleKeepsFloor(g, c, p)) {
      ++betweentally.salesKept;
      continue;
    }

    if (c != 0 && c == g.MyTeam) {
      const std::string question = g.TeamName(buyer) + " have won the bidding war with a bid of " +
                                   Str(static_cast<double>(best)) + "k for" + g.PlayerName(p) + "\r\r" + ". Sell him?";
      if (ui::MsgBox(question, ui::MsgButtons::YesNo, ui::MsgIcon::None, "Transfer?") != ui::MsgResult::Yes) continue;
    }

    g.LastWeekTransfersText += g.PlayerName(p) + " from " + g.TeamName(c) + " to " + g.TeamName(buyer) + "\r";
    // He leaves his old squad now, so he is never in two squads, not even
    // for the rest of this pass (the user's squad is never rebuilt).
    movePlayer(g, p, buyer, slot);
    transfermoves.push_back({p, c, buyer});
    ++betweentally.transfers;
  }
}

}  // namespace kervale
