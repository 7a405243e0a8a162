// Per-minute strengths of the twenty outfield players, condition, morale drift and rating bounds.
#include <cmath>
#include <cstdint>
#include <cstring>

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

void MatchEngine::resolveStrengthBase(StrengthBase& b, int side, int row, int flow, int tactic) {
  const MLSModule& g = mls();
  const bool home = side == 1;
  const double position = g.TeamPosition(row, home ? hometeam : awayteam);
  const double def = home ? homedefskill(row) : awaydefskill(row);
  const double mid = home ? homemidskill(row) : awaymidskill(row);
  const double att = home ? homeattskill(row) : awayattskill(row);
  const int pos = positionIndex(position);
  const double defPart = def * g.PositionFactor(pos, flow, 1) * g.TacticFactor(tactic, 1);
  double midPart = 0;
  if (home) {
    // The home midfield is held as a whole number at every step.
    std::int16_t whole16 = whole(mid);
    whole16 = whole(whole16 * g.PositionFactor(pos, flow, 2));
    whole16 = whole(whole16 * g.TacticFactor(tactic, 2));
    midPart = whole16;
  } else {
    midPart = mid * g.PositionFactor(pos, flow, 2) * g.TacticFactor(tactic, 2);
  }
  const double attPart = att * g.PositionFactor(pos, flow, 3) * g.TacticFactor(tactic, 3);
  b = StrengthBase{flow, tactic, position, def, mid, att, defPart, midPart, attPart};
}

template <class Mid>
bool MatchEngine::StrengthInputs<Mid>::update(int f, int t, const double* pos, const double* d, const Mid* m,
                                              const double* a) {
  const auto same = [](const auto& kept, const auto* live) { return std::memcmp(kept.data(), live, sizeof kept) == 0; };
  if (flow == f && tactic == t && same(position, pos) && same(def, d) && same(mid, m) && same(att, a)) return false;
  flow = f;
  tactic = t;
  std::memcpy(position.data(), pos, sizeof position);
  std::memcpy(def.data(), d, sizeof def);
  std::memcpy(mid.data(), m, sizeof mid);
  std::memcpy(att.data(), a, sizeof att);
  return true;
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

  for (int i = 1; i <= 10; ++i) homecondition(i) -= 0.0035;
  for (int i = 1; i <= 10; ++i) awaycondition(i) -= 0.0035;
  const double hMorale = g.TeamMorale(h);
  const double aMorale = g.TeamMorale(a);

  // Rows 1..10 of a side lie side by side in each table.
  if (homeinputs_.update(hFlow, hTactic, &g.TeamPosition(1, h), &homedefskill(1), &homemidskill(1), &homeattskill(1))) {
    for (int i = 1; i <= 10; ++i) {
      StrengthBase& hb = homebase_[static_cast<std::size_t>(i)];
      if (!hb.madeFrom(hFlow, hTactic, g.TeamPosition(i, h), homedefskill(i), homemidskill(i), homeattskill(i))) {
        resolveStrengthBase(hb, 1, i, hFlow, hTactic);
      }
    }
  }
  if (awayinputs_.update(aFlow, aTactic, &g.TeamPosition(1, a), &awaydefskill(1), &awaymidskill(1), &awayattskill(1))) {
    for (int i = 1; i <= 10; ++i) {
      StrengthBase& ab = awaybase_[static_cast<std::size_t>(i)];
      if (!ab.madeFrom(aFlow, aTactic, g.TeamPosition(i, a), awaydefskill(i), awaymidskill(i), awayattskill(i))) {
        resolveStrengthBase(ab, 2, i, aFlow, aTactic);
      }
    }
  }
  // Each value runs through skill, position under the flow, tactic, condition
  // and morale, in that order; only condition and morale change every minute.
  for (int i = 1; i <= 10; ++i) {
    const StrengthBase& hb = homebase_[static_cast<std::size_t>(i)];
    const StrengthBase& ab = awaybase_[static_cast<std::size_t>(i)];
    const double hCond = homecondition(i);
    const double aCond = awaycondition(i);

    homedefvalue(i) = hb.defPart * hCond * hMorale;
    std::int16_t mid = static_cast<std::int16_t>(hb.midPart);
    mid = whole(mid * hCond);
    mid = whole(mid * hMorale);
    homemidvalue(i) = mid;
    homeattvalue(i) = hb.attPart * hCond * hMorale;

    awaydefvalue(i) = ab.defPart * aCond * aMorale;
    awaymidvalue(i) = ab.midPart * aCond * aMorale;
    awayattvalue(i) = ab.attPart * aCond * aMorale;
  }

  // Morale drifts back towards 1, away club first.
  for (int club : {a, h}) {
    double& morale = g.TeamMorale(club);
    if (morale < 1) morale += 0.01;
    if (morale > 1) morale -= 0.01;
  }
}

}  // namespace kervale
