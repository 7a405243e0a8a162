#pragma once

#include <algorithm>
#include <utility>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "data/table.h"

namespace kervale {

// The one standings order of every league table: points (3 a win, 1 a draw),
// then goal difference, both descending. Nothing else separates two clubs.
double standingsPoints(const MLSModule& game, int club);
double goalDifference(const MLSModule& game, int club);
bool ranksAbove(const MLSModule& game, int a, int b);

// Sorts places 1..n of an order list in place; at(i) is the club number at
// place i. An exchange sort that starts again from the top after a swap on
// points: clubs level on points and goal difference never change places with
// each other, but a club carried down by a better one passes its equals. The
// result depends on the order the list held before, which is why it is sorted
// in place and kept.
template <class At>
void sortStandings(const MLSModule& game, int n, At&& at) {
  bool restart = true;
  while (restart) {
    restart = false;
    for (int i = 1; i <= n && !restart; ++i) {
      for (int j = 1; j < i && !restart; ++j) {
        const int ci = CInt(at(i));
        const int cj = CInt(at(j));
        const double pi = standingsPoints(game, ci);
        const double pj = standingsPoints(game, cj);
        if (pi > pj) {
          std::swap(at(i), at(j));
          restart = true;
        } else if (pi == pj && goalDifference(game, ci) > goalDifference(game, cj)) {
          std::swap(at(i), at(j));
        }
      }
    }
  }
}

// An order list such as WestOrder or ALeagueOrder, places 1..n; n is kept
// inside the list.
template <int Hi>
void sortStandings(const MLSModule& game, Table1<double, Hi>& list, double n) {
  const int last = std::clamp(static_cast<int>(CInt(n)), 0, Hi);
  sortStandings(game, last, [&list](int i) -> double& { return list(i); });
}

// Places 1..n of LeagueOrder(., league).
void sortLeagueOrder(MLSModule& game, int league, int n);

}  // namespace kervale
