#pragma once

namespace kervale {

// The season starts at round 42 and wraps after round 104 to round 1, so a
// round is over for this season when it lies between the start and the
// current round, counted round the wrap.
inline constexpr int kSeasonStartRound = 42;

bool playedThisSeason(int round, int currentWeek);

}  // namespace kervale
