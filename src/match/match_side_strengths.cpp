// Both sides' strengths: remade when an input changes, weighted by condition and morale every minute.
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

PairBits bitsOf(Pair v) { return reinterpret_cast<PairBits>(v); }

bool sameBits(double kept, double live) {
  return std::bit_cast<std::uint64_t>(kept) == std::bit_cast<std::uint64_t>(live);
}

// Whether rows 1..10 of the side's positions are the same to the bit as when
// the parts were made; if not, the new ones are kept.
[[gnu::always_inline]] inline bool samePositions(std::array<double, 11>& kept, const double* live) {
  PairBits differ{};
#pragma GCC unroll 5
  for (int i = 1; i <= 9; i += 2) differ |= bitsOf(loadPair(&kept[i])) ^ bitsOf(loadPair(live + i));
  if ((differ[0] | differ[1]) == 0) return true;
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

void storePair(double* p, Pair v) { std::memcpy(p, &v, sizeof v); }

// The line sum so far with the pair's two rows added, the first row first.
double addedInOrder(double sum, Pair v) { return sum + v[0] + v[1]; }

// The same for two lines at once, one in each lane: the defence's and the
// midfield's sums so far, with the pair's rows of each added in row order.
Pair addedInOrder(Pair sums, Pair def, Pair mid) {
  sums += Pair{def[0], mid[0]};
  return sums + Pair{def[1], mid[1]};
}

// Each lane rounded to the nearest whole number, halves to even, as CInt does
// inside the 16-bit range, held shifted: adding 1.5 x 2^52 rounds a value in
// the default rounding mode, and within that binade the sum's bits count whole
// numbers. A rounded value outside the range, a far value or a NaN all land
// outside 0..65535 once 32768 is added: those leave bits above the low 16 in
// `offsets`, which gathers every value so offset.
constexpr double kShift = detail::kRoundingShift;

Pair shiftedWhole(Pair x, PairBits& offsets) {
  const Pair shifted = x + kShift;
  offsets |= bitsOf(shifted) - (std::bit_cast<std::uint64_t>(kShift) - 32768);
  // Gathered here and now: left to the compiler, the gathering waits for the
  // last value and holds the others on the stack meanwhile.
#if defined(__x86_64__) || defined(__i386__)
  asm("" : "+x"(offsets));
#endif
  return shifted;
}

bool anyOutside(PairBits offsets) { return ((offsets[0] | offsets[1]) >> 16) != 0; }

// Two shifted whole numbers of the 16-bit range stored as two 16-bit cells:
// the low 16 bits of each lane are the number. The two words are gathered in
// the register first, into one 32-bit cell, so that they go out in one store.
void storeWholePair(std::int16_t* p, Pair shifted) {
  static_assert(std::endian::native == std::endian::little, "the low word of a lane comes first");
  using Dwords = std::int32_t __attribute__((vector_size(16)));
  using Words = std::int16_t __attribute__((vector_size(16)));
  const Dwords dwords = reinterpret_cast<Dwords>(shifted);
  const Words low = reinterpret_cast<Words>(__builtin_shufflevector(dwords, dwords, 0, 2, 0, 2));
  const Words gathered = __builtin_shufflevector(low, low, 0, 2, 0, 2, 4, 5, 6, 7);
  const std::int32_t both = reinterpret_cast<Dwords>(gathered)[0];
  std::memcpy(p, &both, sizeof both);
}

// The home midfield when a value reached the edge of the 16-bit range: each
// one clamped as the general rule does, and their sum. Apart from the minute's
// loop, so that the loop keeps its sums in registers.
template <class Strengths>
[[gnu::noinline]] double clampedMidfield(Strengths& st, double morale) {
  double sum = 0;
  for (int i = 0; i < 10; ++i) {
    st.midValue[i + 1] = CInt(CInt(st.midPart[i] * st.condition[i + 1]) * morale);
    sum += st.midValue[i + 1];
  }
  return sum;
}

// A side's working values and their line sums, two rows at a time.
template <class Strengths>
void rebuildSide(const MatchKernel& k, const KernelSide& s, Strengths& st, LineSums& sums) {
  const MLSModule& g = *k.game;
  if (!sameInputs(g, s, st)) makeParts(g, s, st);
  // Each value runs through its part, condition and morale, in that order,
  // and is added to its line in row order.
  const double morale = *s.morale;
  // The tables in locals: a store through one of them cannot move another.
  double* const conditions = st.condition;
  double* const defValue = st.defValue;
  auto* const midValue = st.midValue;
  double* const attValue = st.attValue;
  Pair defMidSums{};
  double attSum = 0;
  PairBits offsets{};
  // Unrolled: five passes, each with work enough to hide the others' latency.
#pragma GCC unroll 5
  for (int i = 0; i < 10; i += 2) {
    const int row = i + 1;
    const Pair condition = loadPair(conditions + row) - kConditionLoss;
    storePair(conditions + row, condition);
    const Pair def = loadPair(&st.defPart[i]) * condition * morale;
    storePair(defValue + row, def);
    const Pair att = loadPair(&st.attPart[i]) * condition * morale;
    storePair(attValue + row, att);
    attSum = addedInOrder(attSum, att);
    if constexpr (Strengths::kWholeMidfield) {
      // The home midfield is whole after every step.
      const Pair first = shiftedWhole(loadPair(&st.midPart[i]) * condition, offsets) - kShift;
      const Pair shifted = shiftedWhole(first * morale, offsets);
      storeWholePair(midValue + row, shifted);
      defMidSums = addedInOrder(defMidSums, def, shifted - kShift);
    } else {
      const Pair mid = loadPair(&st.midPart[i]) * condition * morale;
      storePair(midValue + row, mid);
      defMidSums = addedInOrder(defMidSums, def, mid);
    }
  }
  sums.def = defMidSums[0];
  sums.mid = defMidSums[1];
  sums.att = attSum;
  if constexpr (Strengths::kWholeMidfield) {
    if (anyOutside(offsets)) sums.mid = clampedMidfield(st, morale);
  }
}

}  // namespace

void rebuildStrengthsOfBothSides(MatchKernel& k) {
  rebuildSide(k, k.side[1], k.home, k.lines[1]);
  rebuildSide(k, k.side[2], k.away, k.lines[2]);
}

}  // namespace kervale
