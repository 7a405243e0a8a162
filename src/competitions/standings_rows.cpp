#include "competitions/standings_rows.h"

#include "base/numbers.h"
#include "matchday/standings_order.h"

namespace kervale {

void StandingsRow::setVisible(bool visible) const {
  name->setVisible(visible);
  for (ui::Label* label : numbers()) label->setVisible(visible);
}

void StandingsRow::fill(const MLSModule& game, int club) const {
  // An order list holds only checked club numbers; anything else shows as no club.
  if (club < 0 || club > kLastClub) club = 0;
  name->setCaption(game.TeamName(club));
  games->setCaption(numText(game.TeamGames(club)));
  wins->setCaption(numText(game.TeamWins(club)));
  draws->setCaption(numText(game.TeamDraws(club)));
  losses->setCaption(numText(game.TeamLosses(club)));
  goalsFor->setCaption(numText(game.TeamGoalsFor(club)));
  goalsAgainst->setCaption(numText(game.TeamGoalsAgainst(club)));
  points->setCaption(numText(standingsPoints(game, club)));
  difference->setCaption(Str(goalDifference(game, club)));
}

}  // namespace kervale
