#include "league_counters.h"

#include "base/numbers.h"
#include "data/mls_module.h"

namespace kervale::sim {

void printLeagueCounters(std::ostream& out) {
  const MLSModule& g = mls();
  const double club = g.MyTeam;
  if (!(club >= 1 && club <= kLastClub)) return;
  out << "games=" << numText(g.TeamGames(club)) << "\n";
  out << "wins=" << numText(g.TeamWins(club)) << "\n";
  out << "draws=" << numText(g.TeamDraws(club)) << "\n";
  out << "losses=" << numText(g.TeamLosses(club)) << "\n";
  out << "goalsfor=" << numText(g.TeamGoalsFor(club)) << "\n";
  out << "goalsagainst=" << numText(g.TeamGoalsAgainst(club)) << "\n";
  out << "points=" << numText(3 * g.TeamWins(club) + g.TeamDraws(club)) << "\n";
}

}  // namespace kervale::sim
