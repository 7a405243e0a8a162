#pragma once

#include "data/mls_module.h"
#include "offseason/mls_expansion.h"

namespace kervale {

// Empties every squad slot of clubs 1..237 whose player has retired (an empty
// name), so the close and the drafts see it as free.
void clearRetiredSlots(MLSModule& g);

// The close of the season for every squad player of clubs 1..237: development
// from the season's games, decline or retirement above 32, season figures
// cleared (record 0's too, which empty slots stand for), a contract year
// used. Ages stay: the birthdays add the years.
// Returns the number of players who retired.
int closeSeason(MLSModule& g);

// Allocations and the expansion draft of the two new clubs.
void runExpansionDraft(MLSModule& g, const ExpansionOutcome& expansion);

}  // namespace kervale
