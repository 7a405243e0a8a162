// The events of a minute: the rare interruption, fouls and cards, attacks.
//
// Not played yet: a minute has no fouls, no interruption, and an attack that
// starts leaves the ball where the possession step put it (the attacking side
// holds it in its attacking zone, and the next minute's contest plays on from
// there).
#include "match/match_engine.h"

namespace kervale {

void MatchEngine::rareEvent() {}

void MatchEngine::foulStep() {}

void MatchEngine::awayAttack() {}

void MatchEngine::homeAttack() {}

}  // namespace kervale
