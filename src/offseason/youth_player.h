#pragma once

#include <string>
#include <vector>

#include "data/mls_module.h"
#include "offseason/draft_picks.h"

namespace kervale {

// The name lists a youth player's name is drawn from (each at least one name).
struct YouthNames {
  const std::vector<std::string>* first = nullptr;
  const std::vector<std::string>* last = nullptr;
};

// A youth player's youngest age and the number of ages he may have.
inline constexpr int kYouthAgeFrom = 17;
inline constexpr int kYouthAges = 3;

// An MLS number past the league's size: a club that plays no league yet.
bool outsideItsLeague(const MLSModule& g, int club);

// A club's level: the mean of its named players' best ratings, or, for a club
// without one, that of the named players of its league.
double clubLevel(const MLSModule& g, int club);

// Keeps every club's level of the new game in StartingLevel.
void keepStartingLevels(MLSModule& g);

// How far the club's league has moved from its level at the new game: the
// league's starting levels over its levels now (1 without starting levels).
double leagueScale(const MLSModule& g, int club);

// The lowest level a club of the club's league had at the new game (0
// without starting levels). A club's youths are never rated below it, grown
// as the league has grown: a sunk club's weakness would otherwise breed ever
// weaker youths.
double leagueFloor(const MLSModule& g, int club);

// The club's level at the new game over the mean of those of the clubs its
// league holds now (1 without starting levels).
double clubStanding(const MLSModule& g, int club);

// The nation most of the club's named players (else its league's) have; the
// lowest number among equals, 0 when nobody is named.
double fittingNation(const MLSModule& g, int club);

// Whether the club has fewer than two fit named keepers: one sold or hurt
// during the season would leave it none.
bool keeperWanted(const MLSModule& g, int club);

// The area the club's next youth player plays: keeping while a keeper is
// wanted, else the draft's need (0 keeping, 1 defence, 2 midfield, 3 forward).
int youthArea(const MLSModule& g, int club);

// A youth player for `club` in `area`: his best rating a share of 65 to 95 per
// cent of the club's level, brought back to its league's scale at the new
// game, but never below its league's grown floor nor below 2. In the English
// and German divisions that level is also times the square of the club's
// standing, and the floor is the division's weakest start, not grown. His other
// ratings a smaller share of that, a name from `names`, the fitting nation,
// aged 17..19. Draws the first and last name, the share and three outfield
// ratings, in that order.
Newcomer makeYouth(const MLSModule& g, int club, int area, const YouthNames& names);

}  // namespace kervale
