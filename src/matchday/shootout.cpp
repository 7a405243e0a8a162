// The penalty shoot-out of a knockout tie that is level after play.
#include <cmath>

#include "base/numbers.h"
#include "base/random.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "matchday/lineup_picks.h"
#include "ui/backend.h"

namespace kervale {

namespace {

// Rounds of five kicks a side before a still level shoot-out goes to the lot.
// Sides that can score at all are separated long before; kickers who cannot
// (every attack rating below 1) would otherwise kick for ever.
constexpr int kMaxRounds = 20;

int playerIn(const MLSModule& g, int slot, int club) { return squadCellPlayer(g.TeamSquad(slot, club)); }

// One kick: the kicker's roll against the keeper's, the kicker's drawn first.
bool scores(const MLSModule& g, int kicker, int keeper) {
  const double shot = Int(Rnd() * g.PlayerAttack(kicker));
  const double save = Int(Rnd() * g.PlayerGoalkeeping(keeper));
  return shot > save;
}

}  // namespace

void MatchEngine::penalties() {
  MLSModule& g = mls();
  const int homeKeeper = playerIn(g, 1, hometeam);
  const int awayKeeper = playerIn(g, 1, awayteam);
  int home = 0;
  int away = 0;
  for (int round = 1; round == 1 || (home == away && round <= kMaxRounds); ++round) {
    for (int k = 1; k <= 5; ++k) {
      if (scores(g, playerIn(g, 12 - k, hometeam), awayKeeper)) ++home;
      if (scores(g, playerIn(g, 12 - k, awayteam), homeKeeper)) ++away;
    }
  }
  // Still level: the lot decides, and the side it favours is credited with the deciding kick.
  if (home == away) {
    if (rng().draw(2) == 0) {
      ++home;
    } else {
      ++away;
    }
  }
  if (home > away) {
    homegoals += 1;
  } else {
    awaygoals += 1;
  }
  if (hometeam == g.MyTeam || awayteam == g.MyTeam) {
    ui::MsgBox("Penalty kick score: " + Str(home) + ": " + Str(away), ui::MsgButtons::OK, ui::MsgIcon::None,
               "Penalties");
  }
}

}  // namespace kervale
