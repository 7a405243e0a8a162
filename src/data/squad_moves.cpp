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

int namedSquadPlayers(const MLSModule& g, int club, bool ownOnly) {
  if (!isClub(club)) return 0;
  int named = 0;
  for (int slot = 1; slot <= 20; ++slot) {
    const double player = g.TeamSquad(slot, club);
    if (!(player >= 1 && player <= kLastPlayer) || g.PlayerName(player).empty()) continue;
    if (!ownOnly || g.PlayerTeam(player) == club) ++named;
  }
  return named;
}

void movePlayer(MLSModule& g, int player, int to, int slot) {
  if (player < 1 || player > kLastPlayer) return;
  const double from = g.PlayerTeam(player);
  if (isClub(from)) {
    for (int s = 1; s <= 20; ++s) {
      if (g.TeamSquad(s, from) == player) g.TeamSquad(s, from) = 0;
    }
    // Counted by his club with a slot or without one (a club's players past
    // its twenty slots).
    if (g.TeamSquadCount(from) > 0) g.TeamSquadCount(from) -= 1;
  }
  g.PlayerTeam(player) = isClub(to) ? to : 0;
  if (isClub(to)) {
    g.TeamSquadCount(to) += 1;
    if (slot >= 1 && slot <= 20) g.TeamSquad(slot, to) = player;
  }
}

std::array<int, kLastClub + 1> playersByClub(const MLSModule& g) {
  std::array<int, kLastClub + 1> players{};
  for (int p = 1; p <= g.NumPlayers && p <= kLastPlayer; ++p) {
    const double club = g.PlayerTeam(p);
    if (isClub(club)) ++players[static_cast<std::size_t>(club)];
  }
  return players;
}

void recountSquads(MLSModule& g) {
  const auto players = playersByClub(g);
  for (int c = 1; c <= kLastClub; ++c) g.TeamSquadCount(c) = players[static_cast<std::size_t>(c)];
}

void clearRetiredPlayer(MLSModule& g, int player) {
  if (player < 1 || player > kLastPlayer) return;
  const double club = g.PlayerTeam(player);
  if (isClub(club) && g.TeamSquadCount(club) > 0) g.TeamSquadCount(club) -= 1;
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
