#pragma once

#include "data/mls_module.h"

namespace kervale {

// The players a club keeps of its own: the youth intake fills a squad up to
// this, and the computer market never sells below it.
inline constexpr int kSquadFloor = 16;
// Two keepers, so that one sold or hurt still leaves one to put in goal.
inline constexpr int kKeepersFloor = 2;

// A keeper: his keeping above each of his outfield ratings.
bool isKeeper(const MLSModule& g, int player);

// The named keepers of the club's own in its slots 1..20; with `fitOnly`,
// only those free of injury and suspension.
int ownKeepers(const MLSModule& g, int club, bool fitOnly);

// Keeps every club's named players at the new game in StartingSquad.
void keepStartingSquads(MLSModule& g);

// The club's floor: kSquadFloor, or its players at the new game when fewer.
// A club that began with none (an MLS place not yet in the league) is held
// at kSquadFloor once it has players. 0 in a game without StartingSquad (one
// not begun from the data files): it keeps no floor.
int squadFloor(const MLSModule& g, int club);

// Whether a sale of `player` leaves the club at its floor of players of its
// own and, when he is a keeper, with kKeepersFloor keepers; always in a game
// that keeps no floor.
bool saleKeepsFloor(const MLSModule& g, int club, int player);

}  // namespace kervale
