// Per-minute strengths of the twenty outfield players, condition, morale drift and rating bounds.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "data/tactics_in_play.h"
#include "match/match_engine.h"
#include "match/match_kernel.h"

namespace kervale {

namespace {

constexpr double kConditionLoss = 0.0035;

// Position numbers are whole; a cell holding a fraction indexes as the tables do.
int positionIndex(double p) { return p >= 0 && p < 32767 ? CInt(p) : -1; }

bool sameBits(double kept, double live) {
  return std::bit_cast<std::uint64_t>(kept) == std::bit_cast<std::uint64_t>(live);
}

// Whether rows 1..10 of the side's positions are the same to the bit as when
// the parts were made; if not, the new ones are kept.
bool samePositions(std::array<double, 11>& kept, const double* live) {
  std::uint64_t differ = 0;
  for (int i = 1; i <= 10; ++i) differ |= std::bit_cast<std::uint64_t>(kept[i]) ^ std::bit_cast<std::uint64_t>(live[i]);
  if (differ == 0) return true;
  std::copy(live + 1, live + 11, kept.begin() + 1);
  return false;
}

// Whether the side's inputs are still the ones its parts were made from; the
// new ones are kept either way. Flow and tactic are read afresh every minute:
// a change on the team sheet takes effect from the next minute.
template <class Strengths>
bool sameInputs(const MLSModule& g, const KernelSide& s, Strengths& st) {
  const bool sameSettings = st.made && !*st.skillsChanged && *s.flowCell == st.flowCell && g.NumFlows == st.flowCount &&
                            sameBits(*s.tacticCell, st.tacticCell) && sameBits(g.NumTactics, st.tacticCount);
  if (samePositions(st.position, s.position) && sameSettings) return true;
  st.made = true;
  *st.skillsChanged = false;
  st.flowCell = *s.flowCell;
  st.flowCount = g.NumFlows;
  st.tacticCell = *s.tacticCell;
  st.tacticCount = g.NumTactics;
  return false;
}

// Skill x position factor under the flow x tactic factor, for each row.
template <class Strengths>
void makeParts(const MLSModule& g, const KernelSide& s, Strengths& st) {
  const int flow = flowInPlay(g, s.club);
  const int tactic = tacticInPlay(g, s.club);
  for (int i = 1; i <= 10; ++i) {
    const int pos = positionIndex(st.position[i]);
    const int at = i - 1;
    st.defPart[at] = st.def[i] * g.PositionFactor(pos, flow, 1) * g.TacticFactor(tactic, 1);
    if constexpr (Strengths::kWholeMidfield) {
      // The home midfield is held as a whole number at every step.
      std::int16_t mid = CInt(st.mid[i]);
      mid = CInt(mid * g.PositionFactor(pos, flow, 2));
      mid = CInt(mid * g.TacticFactor(tactic, 2));
      st.midPart[at] = mid;
    } else {
      st.midPart[at] = st.mid[i] * g.PositionFactor(pos, flow, 2) * g.TacticFactor(tactic, 2);
    }
    st.attPart[at] = st.att[i] * g.PositionFactor(pos, flow, 3) * g.TacticFactor(tactic, 3);
  }
}

template <class Strengths>
void rebuildSide(const MatchKernel& k, const KernelSide& s, Strengths& st) {
  const MLSModule& g = *k.game;
  if (!sameInputs(g, s, st)) makeParts(g, s, st);
  double* condition = st.condition;
  for (int i = 1; i <= 10; ++i) condition[i] -= kConditionLoss;
  // Each value runs through its part, condition and morale, in that order.
  const double morale = *s.morale;
  for (int i = 1; i <= 10; ++i) {
    const double c = condition[i];
    st.defValue[i] = st.defPart[i - 1] * c * morale;
    if constexpr (Strengths::kWholeMidfield) {
      st.midValue[i] = CInt(CInt(st.midPart[i - 1] * c) * morale);
    } else {
      st.midValue[i] = st.midPart[i - 1] * c * morale;
    }
    st.attValue[i] = st.attPart[i - 1] * c * morale;
  }
}

}  // namespace

void rebuildSideStrengths(const MatchKernel& k, const KernelSide& s, HomeStrengths& st) { rebuildSide(k, s, st); }
void rebuildSideStrengths(const MatchKernel& k, const KernelSide& s, AwayStrengths& st) { rebuildSide(k, s, st); }

void MatchEngine::adjustRating(int slot, int side, double change) {
  double& r = kernel_.game->MatchRating(slot, side);
  r += change;
  if (!(r >= 0.5 && r <= 10)) ratingsOutside_ = true;
}

void MatchEngine::clampRatings() {
  ratingsOutside_ = false;
  for (int side = 1; side <= 2; ++side) {
    // Slots 1..11 worked on as a copy; below 0.5 a rating becomes 0.5, then
    // above 10 it becomes 10 (a NaN stays as it is).
    std::array<double, 11> slots;
    double* rating = kernel_.side[side].rating + 1;
    std::copy(rating, rating + 11, slots.begin());
    for (double& r : slots) {
      r = r < 0.5 ? 0.5 : r;
      r = r > 10 ? 10 : r;
    }
    std::copy(slots.begin(), slots.end(), rating);
  }
}

void MatchEngine::rebuildStrengths() {
  const KernelSide& home = kernel_.side[1];
  const KernelSide& away = kernel_.side[2];
  rebuildSideStrengths(kernel_, home, kernel_.home);
  rebuildSideStrengths(kernel_, away, kernel_.away);
  // Morale drifts back towards 1, away club first.
  for (double* morale : {away.morale, home.morale}) {
    if (*morale < 1) *morale += 0.01;
    if (*morale > 1) *morale -= 0.01;
  }
}

}  // namespace kervale
