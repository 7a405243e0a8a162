// A side's strengths: remade when an input changes, weighted by condition and morale every minute.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "data/tactics_in_play.h"
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

// Two rows at a time in the compiler's two-lane vectors (GCC and Clang): each
// lane does its row's arithmetic on its own, in the same order and rounding
// as one row at a time, so the values are the same to the bit.
using Pair = double __attribute__((vector_size(16)));
using PairBits = std::uint64_t __attribute__((vector_size(16)));

Pair loadPair(const double* p) {
  Pair v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

void storePair(double* p, Pair v) { std::memcpy(p, &v, sizeof v); }

// Each lane rounded to the nearest whole number, halves to even, as CInt does
// inside the 16-bit range; a lane outside it leaves bits in `outside`. Adding
// 1.5 x 2^52 rounds a value in the default rounding mode, and within that
// binade the sum's bits count whole numbers: a rounded value outside the
// range, a far value or a NaN all land outside 0..65535 once 32768 is added.
Pair roundedIn16Bits(Pair x, PairBits& outside) {
  constexpr double kShift = detail::kRoundingShift;
  const Pair shifted = x + kShift;
  outside |= (reinterpret_cast<PairBits>(shifted) - std::bit_cast<std::uint64_t>(kShift) + 32768) >> 16;
  return shifted - kShift;
}

template <class Strengths>
void rebuildSide(const MatchKernel& k, const KernelSide& s, Strengths& st) {
  const MLSModule& g = *k.game;
  if (!sameInputs(g, s, st)) makeParts(g, s, st);
  // Each value runs through its part, condition and morale, in that order.
  const double morale = *s.morale;
  // The tables in locals: a store through one of them cannot move another.
  double* const conditions = st.condition;
  double* const defValue = st.defValue;
  double* const attValue = st.attValue;
  std::array<double, 10> wholeMid;
  PairBits outside{};
  for (int i = 0; i < 10; i += 2) {
    const int row = i + 1;
    const Pair condition = loadPair(conditions + row) - kConditionLoss;
    storePair(conditions + row, condition);
    storePair(defValue + row, loadPair(&st.defPart[i]) * condition * morale);
    storePair(attValue + row, loadPair(&st.attPart[i]) * condition * morale);
    if constexpr (Strengths::kWholeMidfield) {
      // The home midfield is whole after every step.
      const Pair mid =
          roundedIn16Bits(roundedIn16Bits(loadPair(&st.midPart[i]) * condition, outside) * morale, outside);
      storePair(&wholeMid[i], mid);
    } else {
      storePair(st.midValue + row, loadPair(&st.midPart[i]) * condition * morale);
    }
  }
  if constexpr (Strengths::kWholeMidfield) {
    if ((outside[0] | outside[1]) == 0) {
      for (int i = 0; i < 10; ++i) st.midValue[i + 1] = static_cast<std::int16_t>(wholeMid[i]);
    } else {
      // A value at the edge of the range is clamped, as the general rule does.
      for (int i = 0; i < 10; ++i) st.midValue[i + 1] = CInt(CInt(st.midPart[i] * st.condition[i + 1]) * morale);
    }
  }
}

}  // namespace

void rebuildSideStrengths(const MatchKernel& k, const KernelSide& s, HomeStrengths& st) { rebuildSide(k, s, st); }
void rebuildSideStrengths(const MatchKernel& k, const KernelSide& s, AwayStrengths& st) { rebuildSide(k, s, st); }

}  // namespace kervale
