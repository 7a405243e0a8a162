#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "data/table.h"

namespace kervale {

struct MLSModule;

// Rows 0..10 of one of a side's skill copies (defence, midfield or attack).
// Every use of the non-const operator(), the only way to write them, marks
// the side's strengths for remaking, so that no minute has to compare the
// copies with what they were.
template <class T>
class SkillRows {
 public:
  SkillRows(const char* name, bool& changed) : rows_(name), changed_(&changed) {}
  SkillRows(const SkillRows&) = delete;
  SkillRows& operator=(const SkillRows&) = delete;

  template <class I>
  T& operator()(const I& row) {
    *changed_ = true;
    return rows_(row);
  }
  template <class I>
  const T& operator()(const I& row) const {
    return rows_(row);
  }
  const T* begin() const { return rows_.begin(); }

 private:
  Table1<T, 10> rows_;
  bool* changed_;
};

// A side's outfield strengths before condition and morale (skill x position
// factor x tactic factor, rows 1..10) are remade only when an input changes: a
// skill copy (a sending-off), a position, the flow or the tactic (the team
// sheet). The home midfield is held as a whole number at every step, the
// away one is not; MidSkill and MidValue are the types of the two tables.
template <class MidSkill, class MidValue>
struct SideStrengths {
  static constexpr bool kWholeMidfield = sizeof(MidValue) < sizeof(double);

  // The match's own tables of the side, rows 0..10 (condition 0..20).
  const double* def = nullptr;
  const MidSkill* mid = nullptr;
  const double* att = nullptr;
  bool* skillsChanged = nullptr;
  double* condition = nullptr;
  double* defValue = nullptr;
  MidValue* midValue = nullptr;
  double* attValue = nullptr;

  // The inputs besides the skills as they were when the parts were made.
  bool made = false;
  std::int16_t flowCell = 0, flowCount = 0;
  double tacticCell = 0, tacticCount = 0;
  std::array<double, 11> position{};
  std::array<double, 10> defPart{}, midPart{}, attPart{};  // rows 1..10
};

using HomeStrengths = SideStrengths<double, std::int16_t>;
using AwayStrengths = SideStrengths<std::int16_t, double>;

// A side's working values of rows 1..10 added up line by line, in row order.
struct LineSums {
  double def = 0, mid = 0, att = 0;
};

// One side of a match where the minute loop finds it: the players of squad
// slots 1..11 and the side's rows of the shared tables, resolved at set-up
// with every index checked there, so that a minute reads plain arrays instead
// of rounding and checking a table index at each cell. The values stay in
// their tables and are read live (the team sheet changes some of them during
// a match); only where they are is fixed for the match.
struct KernelSide {
  int club = 0;
  std::array<int, 12> player{};               // squad slot 1..11: player record
  double* rating = nullptr;                   // MatchRating(slot, side)
  double* morale = nullptr;                   // TeamMorale(club)
  const double* position = nullptr;           // TeamPosition(row, club), rows 0..10
  const std::int16_t* flowCell = nullptr;     // TeamFlow(club)
  const double* tacticCell = nullptr;         // TeamTactic(club)
  std::string* name = nullptr;                // onpitchname(row, side), rows 0..20
  const double* moveTo = nullptr;             // FlowTable1(zone, match flow, side): where a won ball goes
  std::array<const double*, 3> zoneWeight{};  // FlowTable2..4(zone, match flow, side)
};

// Both sides of the match being played, and their strengths.
struct MatchKernel {
  MLSModule* game = nullptr;
  std::array<KernelSide, 3> side{};  // 1 home, 2 away (0: only its ratings)
  HomeStrengths home;
  AwayStrengths away;
  std::array<LineSums, 3> lines{};  // 1 home, 2 away: the sums of the last rebuild

  // MatchRating(slot, side), checked as a read of the table would be.
  double& rating(int slot, int sideOfMatch) const {
    return side[detail::checkedIndex(sideOfMatch, 2, "MatchRating", 2)]
        .rating[detail::checkedIndex(slot, 60, "MatchRating", 1)];
  }
};

// Per minute: each side's strengths remade where an input changed, the
// condition loss, then the working values weighted by condition and morale,
// and their line sums.
void rebuildStrengthsOfBothSides(MatchKernel& k);

}  // namespace kervale
