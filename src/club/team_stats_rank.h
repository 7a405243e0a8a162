#pragma once

#include <array>

#include "data/mls_module.h"

namespace kervale {

// The ranking behind the team statistics screen: which clubs the ticked
// leagues take in, their value of one statistic, and the order highest first.

inline constexpr int kStatCount = 11;
inline constexpr int kLeagueBoxes = 11;
// The two statistics offered without a counter behind them.
inline constexpr int kHomeGoalsStat = 7;
inline constexpr int kAwayGoalsStat = 8;

using ClubFlags = std::array<int, kLastClub + 1>;  // 1 = not in a ticked league
using ClubValues = std::array<double, kLastClub + 1>;
using ClubNumbers = std::array<int, kLastClub + 1>;

// Flags for every club from the eleven boxes (true = ticked).
ClubFlags leagueExclusions(const MLSModule& g, const std::array<bool, kLeagueBoxes>& ticked);

// Whether the statistic has a counter to rank by.
bool statHasCounter(int stat);
// The club's count of the statistic, divided by its games when perGame and it
// has played; 0 for an excluded club. Only for statistics with a counter.
double statValue(const MLSModule& g, int stat, int club, bool perGame);

// Sorts positions 1..285 highest first (clubs[i] starts as club i), the way
// the screen always has: a later value replaces the best only when strictly
// greater, and the best is swapped into place. Clears the positions with no
// value and returns how many have one.
int rankClubs(ClubValues& values, ClubNumbers& clubs);

}  // namespace kervale
