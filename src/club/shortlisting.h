#pragma once

#include "data/mls_module.h"

namespace kervale {

// Once a season every computer club sets its scouting budget from its money
// and looks at that many randomly drawn players, noting its interest in each
// who would strengthen its squad and whom it can attract.
void shortlistPlayers(MLSModule& g);

}  // namespace kervale
