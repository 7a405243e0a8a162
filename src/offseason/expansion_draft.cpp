#include <string>

#include "data/squad_moves.h"
#include "offseason/season_close.h"
#include "ui/backend.h"

namespace kervale {

namespace {

bool slotFree(const MLSModule& g, int slot, int club) {
  const double p = g.TeamSquad(slot, club);
  return p == 0 || g.PlayerName(p).empty();
}

void joined(MLSModule& g, int p, int club, const char* tail) {
  ui::MsgBox(g.PlayerName(p) + " has joined the " + g.TeamName(club) + tail, ui::MsgButtons::OK, ui::MsgIcon::None,
             "Expansion Draft");
}

// New club `club` takes the first out-of-contract player of old club j.
void pickOutOfContract(MLSModule& g, int club, int j) {
  for (int s = 2; s <= 20; ++s) {
    const double q = g.TeamSquad(s, j);
    if (q == 0 || g.PlayerName(q).empty() || g.PlayerWage(q) > 420 || g.PlayerContractYears(q) != 0) continue;
    // His new slot is numbered after the club he came from, when that is free.
    const int target = slotFree(g, j, club) ? j : firstFreeSquadSlot(g, club);
    if (target == 0) return;  // a full squad: he stays
    const int p = static_cast<int>(q);
    movePlayer(g, p, club, target);
    if (g.MyTeam == j) joined(g, p, club, " in the expansion draft since his contract has expired.");
    return;
  }
}

// The moved A-League club gives up the slots its running wage maxima recorded.
void takeFromMovedClub(MLSModule& g, int club, int moved) {
  double w[3] = {0, 0, 0};
  int recorded[3] = {0, 0, 0};
  for (int s = 1; s <= 20; ++s) {
    const double q = g.TeamSquad(s, moved);
    if (q == 0) continue;
    const double wage = g.PlayerWage(q);
    for (int k = 0; k < 3; ++k) {
      if (wage > w[k]) {
        w[k] = wage;
        recorded[k] = s;
        break;
      }
    }
  }
  for (int s = 1; s <= 20; ++s) {
    if (s != recorded[0] && s != recorded[1] && s != recorded[2]) continue;
    const int q = static_cast<int>(g.TeamSquad(s, moved));
    const int target = firstFreeSquadSlot(g, club);
    if (q == 0 || target == 0) continue;
    movePlayer(g, q, club, target);
    if (g.MyTeam == moved) joined(g, q, club, " in the MLS expansion draft.");
  }
}

}  // namespace

void runExpansionDraft(MLSModule& g, const ExpansionOutcome& expansion) {
  if (!expansion.expanded) return;
  const int n = static_cast<int>(g.MLSTeamCount);
  const int first = n - 1;
  const int second = n;
  g.MlsAllocations(second) = 2;
  g.MlsAllocations(first) = 2;
  for (int j = 1; j <= n - 2; ++j) {
    pickOutOfContract(g, j % 2 == 0 ? first : second, j);
    pickOutOfContract(g, j % 2 == 0 ? second : first, j);
  }
  for (int k = 1; k <= 2; ++k) {
    if (expansion.movedBy[k] != 0) takeFromMovedClub(g, n - 2 + k, expansion.movedBy[k]);
  }
}

}  // namespace kervale
