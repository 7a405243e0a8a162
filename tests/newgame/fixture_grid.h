#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "data/mls_module.h"

namespace kervale::test {

// A match on both rows, as the grid holds it.
inline void pair(MLSModule& g, int home, int away, int round, int code, int homeGoals = 0, int awayGoals = 0) {
  g.FixtureOpponent(home, round) = static_cast<std::int16_t>(away);
  g.FixtureOpponent(away, round) = static_cast<std::int16_t>(home);
  g.FixtureCompetition(home, round) = g.FixtureCompetition(away, round) = static_cast<std::int16_t>(code);
  g.FixtureVenue(home, round) = 1;
  g.FixtureVenue(away, round) = 2;
  g.FixtureScore(home, round) = static_cast<std::int16_t>(homeGoals);
  g.FixtureScore(away, round) = static_cast<std::int16_t>(awayGoals);
}

// Every club's opponent points back, with the same code and opposite venues.
inline void expectSymmetric(const MLSModule& g) {
  for (int c = 0; c <= kLastClub; ++c) {
    for (int r = 0; r <= kLastRound; ++r) {
      const int o = g.FixtureOpponent(c, r);
      if (o == 0) continue;
      ASSERT_EQ(g.FixtureOpponent(o, r), c) << "club " << c << " round " << r;
      ASSERT_EQ(g.FixtureCompetition(o, r), g.FixtureCompetition(c, r)) << "club " << c << " round " << r;
      ASSERT_EQ(g.FixtureVenue(o, r) + g.FixtureVenue(c, r), 3) << "club " << c << " round " << r;
    }
  }
}

// Rounds in which the club has a match of the competition code.
inline int fixturesOf(const MLSModule& g, int club, int code) {
  int count = 0;
  for (int r = 1; r <= kLastRound; ++r)
    count += g.FixtureOpponent(club, r) != 0 && g.FixtureCompetition(club, r) == code;
  return count;
}

}  // namespace kervale::test
