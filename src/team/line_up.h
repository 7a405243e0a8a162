#pragma once

#include <array>
#include <string>

#include "data/mls_module.h"

namespace kervale {

// The squad screen's changes to a club's line-up and tactics. Each checks its
// arguments before it writes; a call that cannot apply writes nothing.

// The player record in squad slot 1..20 of a club: 0 when the slot is outside
// the squad, names no record in 1..NumPlayers, or a record without a name.
int squadPlayer(const MLSModule& g, int club, int slot);

// Exchanges the players of two squad slots (1..20) of one club. The position
// codes stay with their slots. False when a slot is outside the squad or the
// two are the same slot.
bool exchangeSquadSlots(MLSModule& g, int club, int first, int second);

// Step to the next tactic, flow or push-up setting, back to the first after
// the last.
void nextTactic(MLSModule& g, int club);
void nextFlow(MLSModule& g, int club);
void nextPushUp(MLSModule& g, int club);

// The push-up caption of a setting 0..3; "" for any other value.
std::string pushUpCaption(double pushUp);

// Keeps the club's tactic and flow in saved slot 0..3 (0 is the one "Save"
// keeps).
void saveTacticSlot(MLSModule& g, int club, int slot);
// Puts a saved slot 1..3 back. A slot never saved holds no tactic or flow and
// changes nothing: false.
bool loadTacticSlot(MLSModule& g, int club, int slot);

// Applies preset formation 0..NumFormations (0 clears all ten positions).
// False, nothing written, for any other number.
bool applyFormation(MLSModule& g, int club, int formation);

// Ten position codes for squad slots 2..11 (codes[0] is slot 2); 0 is none.
using PositionCodes = std::array<int, 10>;
void storePositions(MLSModule& g, int club, const PositionCodes& codes);

// The first starter slot 1..11 with no player, 0 when all eleven stand.
int firstEmptyStarterSlot(const MLSModule& g, int club);

}  // namespace kervale
