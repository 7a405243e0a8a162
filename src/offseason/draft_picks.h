#pragma once

#include <string>
#include <vector>

#include "data/mls_module.h"
#include "offseason/draft_pool.h"

namespace kervale {

// Grows NumPlayers (never past 10000) until 50 records are free.
void makeRoomForDraftees(MLSModule& g);

// Records no squad holds: a draftee's record must not stand in another squad.
std::vector<bool> heldRecords(const MLSModule& g);
// The first record 1..NumPlayers with an empty name that no squad holds; 0 none.
int firstFreeRecord(const MLSModule& g, const std::vector<bool>& held);

// The pool index a computer club takes by its squad's need; 0 none.
int computerChoice(const MLSModule& g, int club, const DraftPool& pool);
// The last free squad slot of the user's club (his draftee joins the bench); 0 none.
int lastFreeSquadSlot(const MLSModule& g, int club);

// Pool player k joins club `club` in slot `slot` as record `record` (a fresh
// record: nothing of an earlier player stays but the training factor), born
// on the day of the draft. Returns the draft log line.
std::string makePick(MLSModule& g, DraftPool& pool, int k, int club, int slot, int record);

}  // namespace kervale
