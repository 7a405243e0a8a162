#include "season_tables.h"

#include <string>
#include <vector>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "data/season_rounds.h"
#include "league_tables.h"
#include "matchday/cups.h"

namespace kervale::sim {

namespace {

struct Watch {
  int firstRound = kSeasonStartRound;  // the first round of the season that this run played
  std::vector<std::string> kept;       // the lines of the seasons that ended during the run
};

Watch& watch() {
  static Watch w;
  return w;
}

bool counted(const MLSModule& g, const League& league, int round, bool seasonOver) {
  if (playedThisSeason(round, watch().firstRound)) return false;  // before the run's season began
  if (!seasonOver && !playedThisSeason(round, CInt(g.CurrentWeek))) return false;
  // After the split the league goes on as a six-club phase from a head start,
  // whose last rounds fall early in the next season.
  return league.key != "australia" || round <= kSixClubSplit || round > kSixClubFinalDraw;
}

std::string tableLine(const MLSModule& g, const std::string& head, int place, const TableRow& row) {
  return "table=" + head + " place=" + std::to_string(place) + " club=" + std::to_string(row.club) +
         " played=" + std::to_string(row.played) + " won=" + std::to_string(row.won) +
         " drawn=" + std::to_string(row.drawn) + " lost=" + std::to_string(row.lost) +
         " goalsfor=" + std::to_string(row.goalsFor) + " goalsagainst=" + std::to_string(row.goalsAgainst) +
         " points=" + std::to_string(row.points()) + " team=" + g.TeamName(row.club);
}

std::string resultLine(const std::string& head, const LeagueResult& r) {
  return "result=" + head + " round=" + std::to_string(r.round) + " home=" + std::to_string(r.home) +
         " away=" + std::to_string(r.away) + " score=" + std::to_string(r.homeGoals) + "-" +
         std::to_string(r.awayGoals);
}

void addSeasonLines(const MLSModule& g, const Options& options, bool seasonOver, std::vector<std::string>& lines) {
  for (const League& league : leaguesOf(g)) {
    const std::vector<LeagueResult> results =
        leagueResults(g, league, [&](int round) { return counted(g, league, round, seasonOver); });
    if (results.empty()) continue;
    const std::string head = league.key + " season=" + numText(g.CurrentSeason) + " final=" + (seasonOver ? "1" : "0");
    if (options.tables) {
      int place = 0;
      for (const TableRow& row : tableOf(league, results)) lines.push_back(tableLine(g, head, ++place, row));
    }
    if (options.results) {
      for (const LeagueResult& r : results) lines.push_back(resultLine(head, r));
    }
  }
}

}  // namespace

void watchSeasonTables(StandInUser& player, const Options& options) {
  if (!options.tables && !options.results) return;
  watch().firstRound = options.load ? kSeasonStartRound : CInt(mls().CurrentWeek);
  player.onSummary([options] {
    addSeasonLines(mls(), options, true, watch().kept);
    watch().firstRound = kSeasonStartRound;
  });
}

void printSeasonTables(const Options& options, std::ostream& out) {
  if (!options.tables && !options.results) return;
  for (const std::string& line : watch().kept) out << line << "\n";
  std::vector<std::string> current;
  addSeasonLines(mls(), options, false, current);
  for (const std::string& line : current) out << line << "\n";
}

}  // namespace kervale::sim
