#include "league_tables.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "base/numbers.h"

namespace kervale::sim {

namespace {

std::vector<int> clubsWhere(int first, int last, const std::function<bool(int)>& member) {
  std::vector<int> clubs;
  for (int c = first; c <= last; ++c) {
    if (member(c)) clubs.push_back(c);
  }
  return clubs;
}

void addDivisions(std::vector<League>& leagues, const std::vector<std::string>& keys, int first, int last,
                  const std::function<double(int)>& divisionOf) {
  for (int d = 1; d <= static_cast<int>(keys.size()); ++d) {
    const std::string& key = keys[static_cast<std::size_t>(d - 1)];
    leagues.push_back({key, clubsWhere(first, last, [&](int c) { return divisionOf(c) == d; })});
  }
}

void count(TableRow& row, int scored, int conceded) {
  ++row.played;
  row.goalsFor += scored;
  row.goalsAgainst += conceded;
  if (scored > conceded) {
    ++row.won;
  } else if (scored == conceded) {
    ++row.drawn;
  } else {
    ++row.lost;
  }
}

}  // namespace

bool League::has(int club) const { return std::find(clubs.begin(), clubs.end(), club) != clubs.end(); }

std::vector<League> leaguesOf(const MLSModule& game) {
  const int mlsClubs = std::clamp(static_cast<int>(CInt(game.MLSTeamCount)), 0, 16);
  std::vector<League> leagues = {
      {"mls", clubsWhere(1, mlsClubs, [](int) { return true; })},
      {"a-league", clubsWhere(17, 34, [](int) { return true; })},
      {"d3", clubsWhere(35, 52, [](int) { return true; })},
  };
  addDivisions(leagues, {"premiership", "division-one", "division-two", "division-three"}, 53, 148,
               [&game](int c) { return game.EnglishDivision(c - 52); });
  addDivisions(leagues, {"germany-1", "germany-2"}, 165, 204, [&game](int c) { return game.GermanDivision(c - 164); });
  addDivisions(leagues, {"mexico-1", "mexico-2", "mexico-3", "mexico-4"}, 205, 224,
               [&game](int c) { return game.TeamDivision(c); });
  leagues.push_back({"australia", clubsWhere(225, 237, [](int) { return true; })});
  return leagues;
}

std::vector<LeagueResult> leagueResults(const MLSModule& game, const League& league,
                                        const std::function<bool(int round)>& counted) {
  std::vector<LeagueResult> results;
  for (int round = 1; round <= kLastRound; ++round) {
    if (!counted(round)) continue;
    for (int home : league.clubs) {
      const int away = game.FixtureOpponent(home, round);
      // Both rows of the pair name each other: a league match the grid holds whole.
      if (game.FixtureCompetition(home, round) != 1 || game.FixtureVenue(home, round) != 1 || !league.has(away) ||
          game.FixtureOpponent(away, round) != home) {
        continue;
      }
      results.push_back({round, home, away, game.FixtureScore(home, round), game.FixtureScore(away, round)});
    }
  }
  return results;
}

std::vector<TableRow> tableOf(const League& league, const std::vector<LeagueResult>& results) {
  std::map<int, TableRow> rows;
  for (int club : league.clubs) rows[club].club = club;
  for (const LeagueResult& r : results) {
    count(rows[r.home], r.homeGoals, r.awayGoals);
    count(rows[r.away], r.awayGoals, r.homeGoals);
  }
  std::vector<TableRow> table;
  for (const auto& [club, row] : rows) table.push_back(row);
  auto rank = [](const TableRow& r) {
    return std::make_tuple(-r.points(), r.goalsAgainst - r.goalsFor, -r.goalsFor, r.club);
  };
  std::sort(table.begin(), table.end(), [&](const TableRow& a, const TableRow& b) { return rank(a) < rank(b); });
  return table;
}

}  // namespace kervale::sim
