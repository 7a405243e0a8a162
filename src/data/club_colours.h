#pragma once

#include "base/colour.h"
#include "data/mls_module.h"
#include "ui/types.h"

namespace kervale {

// The colour of a club's name on its colour strip (the strip is its first
// colour): its second colour, or white when both are the same, so the name
// never disappears into the strip.
Colour clubNameColour(const MLSModule& g, double club);

}  // namespace kervale
