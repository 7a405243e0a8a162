#pragma once

#include "data/mls_module.h"

namespace kervale::test {

// What every started game holds beyond its clubs' squads, as the data files
// give it, so that a hand-made game passes the saved-game checks: a formation,
// tactic and flow for every club that has none, the MLS conferences (odd clubs
// West), the English divisions and every league's standings order.
inline void fillStartedLeagues(MLSModule& g) {
  for (int c = 1; c <= kLastClub; ++c) {
    if (g.TeamTactic(c) == 0) g.TeamTactic(c) = 1;
    if (g.TeamFlow(c) == 0) g.TeamFlow(c) = 1;
    if (g.TeamFormation(c) == 0) g.TeamFormation(c) = 1;
  }
  for (int k = 1; k <= 8; ++k) g.WestOrder(k) = g.EastOrder(k) = 0;
  for (int c = 1; c <= g.MLSTeamCount; ++c) {
    g.TeamDivision(c) = c % 2;
    (c % 2 == 1 ? g.WestOrder : g.EastOrder)((c + 1) / 2) = c;
  }
  for (int k = 1; k <= 18; ++k) {
    g.ALeagueOrder(k) = 16 + k;
    g.D3Order(k) = 34 + k;
  }
  for (int c = 53; c <= 144; ++c) {
    const int k = c - 52;  // 1..20 division 1, then 24 to a division
    const int division = k <= 20 ? 1 : 2 + (k - 21) / 24;
    g.EnglishDivision(k) = division;
    g.TeamDivision(c) = division;
    g.LeagueOrder(k <= 20 ? k : 1 + (k - 21) % 24, division) = c;
  }
  for (int k = 1; k <= 13; ++k) g.LeagueOrder(k, 12) = 224 + k;
}

}  // namespace kervale::test
