#pragma once

#include "data/mls_module.h"

namespace kervale {

// The off-season, run by the day loop after the press whose matchday ends the
// season: the college draft (its load runs expansion and the season close),
// then what follows it.
void runOffSeason();

// What follows the draft, run by its Quit (or when the draft cannot run).
void afterCollegeDraft(MLSModule& g);

}  // namespace kervale
