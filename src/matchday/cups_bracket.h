#pragma once

#include <functional>

#include "data/mls_module.h"
#include "data/table.h"
#include "data/variant.h"
#include "matchday/cups.h"

namespace kervale::cups {

// One round of a bracket: clubs and their goals at positions 1..size, the
// pairs (i, i + 1) with i odd forming the ties; club 0 is an empty place.
struct Bracket {
  std::function<double&(int)> team;
  std::function<Variant&(int)> result;
  int size = 0;

  template <int T, int R>
  static Bracket of(Table1<double, T>& teams, Table1<Variant, R>& results, int size) {
    return {[&teams](int i) -> double& { return teams(i); }, [&results](int i) -> Variant& { return results(i); },
            size};
  }

  // The odd position of the tie between the two clubs, either way round; 0 when
  // they meet in no tie of this round.
  int tieOf(int a, int b) const;
  // Writes each club's goals at its own position of the tie.
  void writeResult(int position, const PlayedTie& tie, int homeGoals, int awayGoals) const;
  // Every place empty, every result cleared.
  void clear() const;
};

// The club through from a decided tie, 0 when it was level.
inline int winnerOf(const PlayedTie& tie) {
  if (tie.homeGoals > tie.awayGoals) return tie.home;
  if (tie.homeGoals < tie.awayGoals) return tie.away;
  return 0;
}

// A list the counter fills: cleared when the counter shows nothing was written
// this matchday, so no club of an earlier matchday lingers in it.
template <class List>
void startList(List& list, int counter) {
  if (counter <= 1) list.fill(0);
}

// Writes `club` at the counter's position and moves the counter on; a position
// past the list's end is never written.
template <class List>
void addAtCounter(List& list, int& counter, int club) {
  if (counter >= 1 && counter <= List::upper) list(counter) = club;
  ++counter;
}

// The first empty position of 1..last, 0 when there is none.
template <class List>
int firstFree(const List& list, int last) {
  for (int i = 1; i <= last; ++i) {
    if (list(i) == 0) return i;
  }
  return 0;
}

// Season index of a history entry, or 0 when CurrentSeason is outside 1..100.
int historySeason(const MLSModule& game);

// The two cups, each on its own rounds.
void recordUSOpenCupMatch(MLSModule& game, RoundWinners winners, const PlayedTie& tie);
void drawUSOpenCup(MLSModule& game, RoundWinners winners);
void recordEnglishCupMatch(MLSModule& game, RoundWinners winners, const PlayedTie& tie);
void drawEnglishCup(MLSModule& game, RoundWinners winners);

}  // namespace kervale::cups
