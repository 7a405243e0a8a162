#include "data/tactics_in_play.h"

#include <cmath>

namespace kervale {

int flowInPlay(const MLSModule& g, int club) {
  const int flow = g.TeamFlow(club);
  return flow >= 1 && flow <= g.NumFlows && flow <= decltype(g.FlowTable1)::upper2 ? flow : 1;
}

int tacticInPlay(const MLSModule& g, int club) {
  const double tactic = g.TeamTactic(club);
  if (tactic >= 1 && tactic <= g.NumTactics && tactic <= decltype(g.TacticFactor)::upper1) {
    return static_cast<int>(std::nearbyint(tactic));
  }
  return 1;
}

}  // namespace kervale
