#include "offseason/off_season.h"

#include "offseason/college_draft.h"

namespace kervale {

void runOffSeason() { showCollegeDraft(); }

void afterCollegeDraft(MLSModule& g) { g.PlayoffStage = 0; }

}  // namespace kervale
