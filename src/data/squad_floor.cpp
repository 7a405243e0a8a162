#include "data/squad_floor.h"

#include <algorithm>
#include <cstddef>

#include "data/squad_moves.h"

namespace kervale {

namespace {

bool keepsFloors(const MLSModule& g) { return g.StartingSquad.size() == kLastClub + 1; }

}  // namespace

bool isKeeper(const MLSModule& g, int player) {
  const double k = g.PlayerGoalkeeping(player);
  return k > g.PlayerDefense(player) && k > g.PlayerMidfield(player) && k > g.PlayerAttack(player);
}

int ownKeepers(const MLSModule& g, int club, bool fitOnly) {
  if (club < 1 || club > kLastClub) return 0;
  int keepers = 0;
  for (int slot = 1; slot <= 20; ++slot) {
    const double p = g.TeamSquad(slot, club);
    if (!(p >= 1 && p <= kLastPlayer) || g.PlayerName(p).empty() || g.PlayerTeam(p) != club) continue;
    if (isKeeper(g, static_cast<int>(p)) && (!fitOnly || g.PlayerInjury(p) <= 0)) ++keepers;
  }
  return keepers;
}

void keepStartingSquads(MLSModule& g) {
  g.StartingSquad.assign(kLastClub + 1, 0);
  for (int c = 1; c <= kLastClub; ++c) g.StartingSquad[static_cast<std::size_t>(c)] = namedSquadPlayers(g, c, true);
}

int squadFloor(const MLSModule& g, int club) {
  if (!keepsFloors(g) || club < 0 || club > kLastClub) return 0;
  const int start = g.StartingSquad[static_cast<std::size_t>(club)];
  return start > 0 ? std::min(kSquadFloor, start) : kSquadFloor;
}

bool saleKeepsFloor(const MLSModule& g, int club, int player) {
  if (!keepsFloors(g)) return true;
  if (namedSquadPlayers(g, club, true) - 1 < squadFloor(g, club)) return false;
  return !isKeeper(g, player) || ownKeepers(g, club, false) - 1 >= kKeepersFloor;
}

}  // namespace kervale
