#include "data/club_colours.h"

#include "base/colour.h"

namespace kervale {

Colour clubNameColour(const MLSModule& g, double club) {
  if (g.TeamColour1(club) == g.TeamColour2(club)) return ui::kWhite;
  return colourFromText(g.TeamColour2(club));
}

}  // namespace kervale
