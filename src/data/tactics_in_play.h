#pragma once

#include "data/mls_module.h"

namespace kervale {

// The flow and tactic a club plays with: its own when inside the tables, else
// the first. The match and every screen that shows what the match will play
// read them here, so the two never disagree.
int flowInPlay(const MLSModule& g, int club);
int tacticInPlay(const MLSModule& g, int club);

}  // namespace kervale
