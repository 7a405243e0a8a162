#pragma once

#include <string>
#include <unordered_map>

#include "data/mls_module.h"

namespace kervale::saved_game {

// Whole-number cells of the game whose value in the file they could not hold
// (a fraction, or a number beyond their type): the cell's place in the game
// and the value the file held.
using UnfitValues = std::unordered_map<const void*, double>;

// Checks every value a saved game carried against the table of value ranges
// (data/value_ranges.h), against the game's own counts (players, positions,
// tactics, flows, formations) and, with a trailer, the values that must agree
// with each other (checkAgreement). Without a trailer only the values of the
// long-standing layout came from the file. FileError naming the file, the
// first bad item, its index and its value.
void checkLoadedGame(const std::string& fileName, const MLSModule& game, bool trailerRead, const UnfitValues& unfit);

// The values that must agree with each other: squad slots with their players'
// clubs and the squad counts, every club's formation, tactic and flow, the
// English clubs' divisions, named coaches' ages, each standings order with
// its league's clubs, both sides of every fixture, squad counts within the
// slots, the key player's slot, and named players' ages and birth dates.
// FileError naming the first item that disagrees, its index and its value.
void checkAgreement(const std::string& fileName, const MLSModule& game);

// The name a refusal gives a cell of game outside the player tables:
// "CurrentWeek", "ScoutingFunding(12)", "TeamPosition(3, 12)".
std::string cellName(const MLSModule& game, const void* cell);

}  // namespace kervale::saved_game
