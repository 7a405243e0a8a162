#pragma once

#include <cstdint>
#include <memory>

#include "data/mls_module.h"
#include "standin/stand_in_user.h"

namespace kervale::test {

// A copy of a game started on the committed world through the start-up and
// new-game screens with the given loader seed, managing `club` (an MLS club
// 1..10, an A-League club 17..34, an English club 53..144 or an Australian
// club 225..237). Each (club, seed) is started once per test program. Null,
// with a failure that says why, when the world is missing or the club's game
// does not start.
std::unique_ptr<MLSModule> startedWorldGame(int club, std::uint64_t seed = 2003);

// One matchday as the day loop hands it over: the match screen is shown
// (its load plays round CurrentWeek) and unloaded, then the round moves on.
void playMatchdayAndAdvance();

}  // namespace kervale::test
