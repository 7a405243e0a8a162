#pragma once

#include <array>

#include "data/mls_module.h"

namespace kervale {

// The first of squad slots 1..20 of a club that holds no player: 0, or a
// record whose name is empty. 0 when the squad is full or the club is outside
// the table.
int firstFreeSquadSlot(const MLSModule& g, int club);

// Players named in slots 1..20 of a club; 0 for a club outside the table.
// With `ownOnly`, only those whose club it is: a slot of a computer club may
// still hold a player sold on, until its squad is rebuilt.
int namedSquadPlayers(const MLSModule& g, int club, bool ownOnly = false);

// Moves a player into slot `slot` of club `to` (0: no club, no slot taken):
// every slot of his old club that holds him is cleared, `PlayerTeam` becomes
// the new club and both clubs' `TeamSquadCount` follow (the count is the
// club's players, with a slot or without). Every squad move of
// the game goes through here, so a player never stands in two squads.
void movePlayer(MLSModule& g, int player, int to, int slot);

// Each club's players by PlayerTeam, with a squad slot or without; index 0
// is unused.
std::array<int, kLastClub + 1> playersByClub(const MLSModule& g);

// Each club's TeamSquadCount set to its players, as every matchday's recount
// leaves it.
void recountSquads(MLSModule& g);

// A retiring player's record becomes free: no name, club, injury, wage or
// contract, and ratings of 1; his club counts one player fewer. His squad
// slots are the caller's business.
void clearRetiredPlayer(MLSModule& g, int player);

}  // namespace kervale
