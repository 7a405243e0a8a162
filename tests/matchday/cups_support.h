#pragma once

#include <functional>
#include <set>
#include <vector>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "data/table.h"
#include "matchday/cups.h"

namespace kervale::test {

// The driver's part in a round of knockout bookkeeping, without the match
// engine: the round's cup ties in ascending order of the home club, scores from
// `decide`, a level knockout tie settled as a shoot-out would (the home side's
// goals + 1 unless `decide` says otherwise), then the round's draws.
struct CupDriver {
  Table1<int, 64> roundwinners{"roundwinners"};
  int counter = 1;
  std::filesystem::path folder = ".";
  // Goals of (home, away); the default lets the club with the smaller number win 2-1.
  std::function<std::pair<int, int>(int home, int away)> decide = [](int home, int away) {
    return home < away ? std::pair{2, 1} : std::pair{1, 2};
  };
  // Each played tie with its recorded goals, in the order played.
  std::vector<PlayedTie> played;

  RoundWinners winners() { return RoundWinners{roundwinners, counter}; }

  void playRound(MLSModule& g, bool leagueToo = false) {
    counter = 1;
    played.clear();
    const int w = CInt(g.CurrentWeek);
    for (int club = 1; club <= kLastClub; ++club) {
      if (g.FixtureVenue(club, w) != 1 || g.FixtureOpponent(club, w) == 0) continue;
      const int away = g.FixtureOpponent(club, w);
      const int code = g.FixtureCompetition(club, w);
      auto [hg, ag] = decide(club, away);
      g.FixtureScore(club, w) = static_cast<std::int16_t>(hg);
      g.FixtureScore(away, w) = static_cast<std::int16_t>(ag);
      if (code == 1 && leagueToo) countLeagueMatch(g, club, away, hg, ag);
      if (code != 2 && code != 3) continue;
      if (code == 2 && hg == ag) ++hg;
      const PlayedTie tie{club, away, hg, ag};
      played.push_back(tie);
      recordCupMatch(g, winners(), tie);
      recordPlayoffMatch(g, tie);
    }
    drawCupRounds(g, winners());
    schedulePlayoffs(g);
    runSixClubPhase(g, folder);
  }

  static void countLeagueMatch(MLSModule& g, int home, int away, int hg, int ag) {
    for (auto [club, f, a] : {std::tuple{home, hg, ag}, std::tuple{away, ag, hg}}) {
      g.TeamGames(club) += 1;
      g.TeamGoalsFor(club) += f;
      g.TeamGoalsAgainst(club) += a;
      if (f > a) g.TeamWins(club) += 1;
      if (f == a) g.TeamDraws(club) += 1;
      if (f < a) g.TeamLosses(club) += 1;
    }
  }
};

// The clubs of places 1..n of a bracket table, 0 included.
template <class Table>
std::vector<int> placesOf(const Table& t, int n) {
  std::vector<int> out;
  for (int i = 1; i <= n; ++i) out.push_back(CInt(t(i)));
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
