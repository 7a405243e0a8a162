#include "squad_matches.h"

#include <map>
#include <utility>
#include <vector>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "data/season_rounds.h"
#include "data/squad_floor.h"
#include "data/squad_moves.h"
#include "squad_starts.h"

namespace kervale::sim {

namespace {

constexpr int kNone = -1;

struct Fielded {
  int leagueFewest = kNone;
  int cupFewest = kNone;
};

struct KeeperlessSide {
  int season = 0;
  int round = 0;
  int club = 0;
};

struct Watch {
  std::map<std::pair<int, int>, Fielded> bySeasonAndClub;
  std::vector<KeeperlessSide> keeperless;
};

Watch& watch() {
  static Watch w;
  return w;
}

void noteFewest(int& fewest, int players) {
  if (fewest == kNone || players < fewest) fewest = players;
}

}  // namespace

void noteSidesOfRound(const Options& options) {
  const MLSModule& g = mls();
  if (!options.tables || !isMatchday(g.WeekDay + 1)) return;
  const int season = CInt(g.CurrentSeason);
  const int round = CInt(g.CurrentWeek);
  for (int club = 1; club <= kLastClub; ++club) {
    const int opponent = g.FixtureOpponent(club, round);
    if (opponent < 1 || opponent > kLastClub || g.FixtureOpponent(opponent, round) != club) continue;
    const int own = namedSquadPlayers(g, club, true);
    const bool league = g.FixtureCompetition(club, round) == 1;
    Fielded& fielded = watch().bySeasonAndClub[{season, club}];
    noteFewest(league ? fielded.leagueFewest : fielded.cupFewest, own);
    if (league && ownKeepers(g, club, true) == 0) watch().keeperless.push_back({season, round, club});
  }
}

void printSidesFielded(const Options& options, std::ostream& out) {
  if (!options.tables) return;
  for (const auto& [key, fielded] : watch().bySeasonAndClub) {
    out << "fielded=" << key.first << " club=" << key.second << " start=" << namedAtRunStart(key.second)
        << " league_fewest=" << fielded.leagueFewest << " cup_fewest=" << fielded.cupFewest << "\n";
  }
  for (const KeeperlessSide& side : watch().keeperless) {
    out << "nokeeper=" << side.season << " round=" << side.round << " club=" << side.club << "\n";
  }
}

}  // namespace kervale::sim
