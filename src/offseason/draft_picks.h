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

// The area a club's squad needs most, by the draft's sums over slots 1..20:
// 0 keeping (no keeper), 1 defence, 2 midfield, 3 forward.
int neededArea(const MLSModule& g, int club);

// A new young player: his name and ratings, the nation, and his age drawn as
// Int(Rnd x ageSpan) + ageFrom.
struct Newcomer {
  std::string name;
  double keeping = 1;
  double defence = 1;
  double midfield = 1;
  double attack = 1;
  double nation = 0;
  double wage = 120;
  int ageSpan = 6;
  int ageFrom = 18;
};

// Record `record` becomes the newcomer, a fresh record (nothing of an earlier
// player stays but the training factor) in slot `slot` of club `club`, born
// on this day; contract 2, form 50. Draws the listing margin, the aggression
// and the age, in that order.
void makeNewPlayer(MLSModule& g, const Newcomer& who, int club, int slot, int record);

// Pool player k joins club `club` in slot `slot` as record `record`, as a
// newcomer aged 18..23. Returns the draft log line.
std::string makePick(MLSModule& g, DraftPool& pool, int k, int club, int slot, int record);

}  // namespace kervale
