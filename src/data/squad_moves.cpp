#include "data/squad_moves.h"

namespace kervale {

namespace {

bool isClub(double club) { return club >= 1 && club <= kLastClub; }

}  // namespace

int firstFreeSquadSlot(const MLSModule& g, int club) {
  if (!isClub(club)) return 0;
  for (int slot = 1; slot <= 20; ++slot) {
    const double p = g.TeamSquad(slot, club);
    if (p == 0) return slot;
    if (p >= 1 && p <= kLastPlayer && g.PlayerName(p).empty()) return slot;
  }
  return 0;
}

int namedSquadPlayers(const MLSModule& g, int club) {
  if (!isClub(club)) return 0;
  int named = 0;
  for (int slot = 1; slot <= 20; ++slot) {
    const double player = g.TeamSquad(slot, club);
    if (player >= 1 && player <= kLastPlayer && !g.PlayerName(player).empty()) ++named;
  }
  return named;
}

void movePlayer(MLSModule& g, int player, int to, int slot) {
  if (player < 1 || player > kLastPlayer) return;
  const double from = g.PlayerTeam(player);
  if (isClub(from)) {
    bool held = false;
    for (int s = 1; s <= 20; ++s) {
      if (g.TeamSquad(s, from) != player) continue;
      g.TeamSquad(s, from) = 0;
      held = true;
    }
    if (held && g.TeamSquadCount(from) > 0) g.TeamSquadCount(from) -= 1;
  }
  g.PlayerTeam(player) = isClub(to) ? to : 0;
  if (isClub(to) && slot >= 1 && slot <= 20) {
    g.TeamSquad(slot, to) = player;
    g.TeamSquadCount(to) += 1;
  }
}

void clearRetiredPlayer(MLSModule& g, int player) {
  if (player < 1 || player > kLastPlayer) return;
  g.PlayerTeam(player) = 0;
  g.PlayerName(player).clear();
  g.PlayerInjuryText(player).clear();
  g.PlayerInjury(player) = 0;
  g.PlayerWage(player) = 0;
  g.PlayerContractYears(player) = 0;
  g.PlayerDefense(player) = 1;
  g.PlayerMidfield(player) = 1;
  g.PlayerAttack(player) = 1;
  g.PlayerGoalkeeping(player) = 1.0F;
}

}  // namespace kervale
