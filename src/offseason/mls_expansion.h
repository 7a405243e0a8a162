#pragma once

#include <array>
#include <vector>

#include "data/mls_module.h"
#include "data/readers/expansion_file.h"
#include "data/readers/schedule_file.h"

namespace kervale {

// What the expansion step left for the expansion draft: whether the MLS grew
// this off-season, and the A-League club each new club moved (index 1 for
// club MLSTeamCount - 1, index 2 for club MLSTeamCount; 0 none).
struct ExpansionOutcome {
  bool expanded = false;
  std::array<int, 3> movedBy{};
};

// The expansion-mode start, the vote and, when decided, the expansion with its
// boxes; nothing when the MLS cannot grow to 12 or 14 clubs. Records null:
// the expansion's files could not be used (problem says why), so there is no
// vote; a file with no fitting record for a new club is refused the same way,
// before anything changes.
ExpansionOutcome runMlsExpansion(MLSModule& g, const std::vector<ExpansionRecord>* records, const std::string& problem);

// Rebuilds FixtureMLSTemplate from the schedule of the current MLS size,
// mapped through the conference orders.
void applyMlsTemplate(MLSModule& g, const Schedule& schedule);

}  // namespace kervale
