#pragma once

#include <functional>
#include <string>
#include <vector>

#include "data/mls_module.h"

namespace kervale::sim {

// A league of the running game: a short key and its clubs, by the divisions
// the game holds now.
struct League {
  std::string key;
  std::vector<int> clubs;
  bool has(int club) const;
};

// MLS, A-League, D3 Pro League, the four English divisions, the two German
// divisions, the four Mexican groups and the Australian league.
std::vector<League> leaguesOf(const MLSModule& game);

// One league match of the fixture grid, with its score.
struct LeagueResult {
  int round = 0;
  int home = 0;
  int away = 0;
  int homeGoals = 0;
  int awayGoals = 0;
};

// The league matches between clubs of the league in the rounds that
// `counted` accepts, by round and then by home club.
std::vector<LeagueResult> leagueResults(const MLSModule& game, const League& league,
                                        const std::function<bool(int round)>& counted);

struct TableRow {
  int club = 0;
  int played = 0;
  int won = 0;
  int drawn = 0;
  int lost = 0;
  int goalsFor = 0;
  int goalsAgainst = 0;
  int points() const { return 3 * won + drawn; }
};

// Every club of the league, ordered by points, goal difference and goals
// scored (then club number, so that the order is always the same).
std::vector<TableRow> tableOf(const League& league, const std::vector<LeagueResult>& results);

}  // namespace kervale::sim
