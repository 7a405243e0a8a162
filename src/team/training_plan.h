#pragma once

#include <array>
#include <string_view>

#include "data/mls_module.h"

namespace kervale {

// The weekly training plan of the user's squad: three groups, each with a
// type and an intensity for every working day, and a group (or rest) for
// every squad slot. The stored value of a type or intensity is its list position.

inline constexpr std::array<std::string_view, 8> kTrainingTypes = {
    "Rest", "Individual Skills", "Team Skills", "Tactical", "Speed", "Set Pieces", "Conditioning", "Goalkeeping"};
inline constexpr std::array<std::string_view, 3> kTrainingIntensities = {"Light", "Moderate", "Intense"};

inline constexpr int kTrainingGroups = 3;
inline constexpr int kTrainingDays = 5;  // Monday to Friday
inline constexpr int kPlanCells = kTrainingGroups * kTrainingDays;
inline constexpr int kTrainingSlots = 20;

// The plan cell of a group (1..3) on a working day (1..5): 1..15.
constexpr int trainingPlanCell(int group, int day) { return (group - 1) * kTrainingDays + day; }

// The list position a stored value selects: -1 when it is not a whole number
// inside the list (a value no list entry stands for).
int storedListPosition(double stored, int listSize);

// The name of the player in squad slot `slot` of the user's club; "" for an
// empty slot.
const std::string& trainingSlotName(const MLSModule& g, int slot);

// Puts squad slot `slot` (1..20) into group 0 (rest) to 3. Refused, and
// false, for a slot out of range, an empty slot or a group out of range.
bool setTrainingGroup(MLSModule& g, int slot, int group);

// Stores plan cell `cell` (1..15): each of type and intensity only when it is
// a position of its list, so a list left without a selection keeps the cell.
void storePlanCell(MLSModule& g, int cell, int type, int intensity);

// Every squad slot to rest.
void restWholeSquad(MLSModule& g);

}  // namespace kervale
