#pragma once

namespace kervale {

// The season starts at round 42 and wraps after round 104 to round 1, so a
// round is over for this season when it lies between the start and the
// current round, counted round the wrap.
inline constexpr int kSeasonStartRound = 42;

bool playedThisSeason(int round, int currentWeek);

// The weekday values of the Wednesday and Saturday matchdays: a press of the
// continue button that brings WeekDay to one of them plays the round.
constexpr bool isMatchday(double weekDay) { return weekDay == 4 || weekDay == 7; }

}  // namespace kervale
