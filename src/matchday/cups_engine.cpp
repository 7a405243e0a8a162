// The match screen's part in the cups, the playoffs and the six-club phase.
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "matchday/cups.h"

namespace kervale {

void MatchEngine::cuprecords() {
  MLSModule& g = mls();
  const PlayedTie tie{hometeam, awayteam, homegoals, awaygoals};
  recordCupMatch(g, RoundWinners{roundwinners, winnercounter}, tie);
  recordPlayoffMatch(g, tie);
}

void MatchEngine::cupdraws() {
  MLSModule& g = mls();
  drawCupRounds(g, RoundWinners{roundwinners, winnercounter});
  schedulePlayoffs(g);
  // The game reads its files from the working folder.
  runSixClubPhase(g, ".");
}

}  // namespace kervale
