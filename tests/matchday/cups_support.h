#pragma once

#include <set>
#include <vector>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "data/table.h"
#include "data/variant.h"

namespace kervale::test {

inline int wholeOf(double v) { return CInt(v); }
inline int wholeOf(const Variant& v) { return CInt(v.number()); }

// The values (as whole numbers, an empty result as 0) of places 1..n of a table.
template <class Table>
std::vector<int> placesOf(const Table& t, int n) {
  std::vector<int> out;
  for (int i = 1; i <= n; ++i) out.push_back(wholeOf(t(i)));
  return out;
}

// The clubs (no 0) of places 1..n.
template <class Table>
std::multiset<int> clubsOf(const Table& t, int n) {
  std::multiset<int> out;
  for (int i = 1; i <= n; ++i) {
    if (t(i) != 0) out.insert(CInt(t(i)));
  }
  return out;
}

// Whether `home` meets `away` at home in round `r` with competition code `code`.
inline bool tieIn(const MLSModule& g, int home, int away, int r, int code) {
  return g.FixtureOpponent(home, r) == away && g.FixtureOpponent(away, r) == home && g.FixtureVenue(home, r) == 1 &&
         g.FixtureVenue(away, r) == 2 && g.FixtureCompetition(home, r) == code && g.FixtureCompetition(away, r) == code;
}

// Matches (counted once, from the home row) of round r with code `code`.
inline int tiesIn(const MLSModule& g, int r, int code) {
  int n = 0;
  for (int c = 1; c <= kLastClub; ++c) n += g.FixtureVenue(c, r) == 1 && g.FixtureCompetition(c, r) == code ? 1 : 0;
  return n;
}

}  // namespace kervale::test
