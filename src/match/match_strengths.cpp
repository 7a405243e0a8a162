// Per-minute strengths of the twenty outfield players, condition, morale drift and rating bounds.
#include <cmath>
#include <cstdint>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "match/match_engine.h"

namespace kervale {

namespace {

// A store into the 16-bit home midfield table: nearest, halves to even. Adding
// and taking away 1.5 x 2^52 rounds in the FPU's default mode (to nearest,
// ties to even) without a library call; far values take the general rule.
inline std::int16_t whole(double x) {
  if (!(x > -32768.5 && x < 32767.5)) return CInt(x);
  constexpr double kShift = 6755399441055744.0;
  return static_cast<std::int16_t>((x + kShift) - kShift);
}

// Position numbers are whole; a cell holding a fraction indexes as the tables do.
inline int positionIndex(double p) { return p >= 0 && p < 32767 ? whole(p) : -1; }

}  // namespace

void MatchEngine::clampRatings() {
  MLSModule& g = mls();
  for (int side = 1; side <= 2; ++side) {
    for (int slot = 1; slot <= 11; ++slot) {
      double& r = g.MatchRating(slot, side);
      if (r < 0.5) r = 0.5;
      if (r > 10) r = 10;
    }
  }
}

void MatchEngine::rebuildStrengths() {
  MLSModule& g = mls();
  const int h = hometeam;
  const int a = awayteam;
  // Flow and tactic are read afresh every minute: a change on the team sheet
  // takes effect from the next minute.
  const int hFlow = flowOf(h);
  const int aFlow = flowOf(a);
  const int hTactic = tacticOf(h);
  const int aTactic = tacticOf(a);
  const double hTf[4] = {0, g.TacticFactor(hTactic, 1), g.TacticFactor(hTactic, 2), g.TacticFactor(hTactic, 3)};
  const double aTf[4] = {0, g.TacticFactor(aTactic, 1), g.TacticFactor(aTactic, 2), g.TacticFactor(aTactic, 3)};

  for (int i = 1; i <= 10; ++i) homecondition(i) -= 0.0035;
  for (int i = 1; i <= 10; ++i) awaycondition(i) -= 0.0035;
  const double hMorale = g.TeamMorale(h);
  const double aMorale = g.TeamMorale(a);

  // Each value runs through skill, position under the flow, tactic, condition
  // and morale; the home midfield is held as a whole number at every step.
  for (int i = 1; i <= 10; ++i) {
    const int hPos = positionIndex(g.TeamPosition(i, h));
    const int aPos = positionIndex(g.TeamPosition(i, a));
    const double hCond = homecondition(i);
    const double aCond = awaycondition(i);

    homedefvalue(i) = homedefskill(i) * g.PositionFactor(hPos, hFlow, 1) * hTf[1] * hCond * hMorale;
    std::int16_t mid = whole(homemidskill(i));
    mid = whole(mid * g.PositionFactor(hPos, hFlow, 2));
    mid = whole(mid * hTf[2]);
    mid = whole(mid * hCond);
    mid = whole(mid * hMorale);
    homemidvalue(i) = mid;
    homeattvalue(i) = homeattskill(i) * g.PositionFactor(hPos, hFlow, 3) * hTf[3] * hCond * hMorale;

    awaydefvalue(i) = awaydefskill(i) * g.PositionFactor(aPos, aFlow, 1) * aTf[1] * aCond * aMorale;
    awaymidvalue(i) = awaymidskill(i) * g.PositionFactor(aPos, aFlow, 2) * aTf[2] * aCond * aMorale;
    awayattvalue(i) = awayattskill(i) * g.PositionFactor(aPos, aFlow, 3) * aTf[3] * aCond * aMorale;
  }

  // Morale drifts back towards 1, away club first.
  for (int club : {a, h}) {
    double& morale = g.TeamMorale(club);
    if (morale < 1) morale += 0.01;
    if (morale > 1) morale -= 0.01;
  }
}

}  // namespace kervale
