#include "matchday/standings_order.h"

namespace kervale {

double standingsPoints(const MLSModule& game, int club) { return 3 * game.TeamWins(club) + game.TeamDraws(club); }

double goalDifference(const MLSModule& game, int club) { return game.TeamGoalsFor(club) - game.TeamGoalsAgainst(club); }

bool ranksAbove(const MLSModule& game, int a, int b) {
  const double pa = standingsPoints(game, a);
  const double pb = standingsPoints(game, b);
  return pa > pb || (pa == pb && goalDifference(game, a) > goalDifference(game, b));
}

void sortLeagueOrder(MLSModule& game, int league, int n) {
  const int last = std::clamp(n, 0, static_cast<int>(decltype(game.LeagueOrder)::upper1));
  sortStandings(game, last, [&game, league](int i) -> double& { return game.LeagueOrder(i, league); });
}

}  // namespace kervale
