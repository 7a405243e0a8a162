#pragma once

#include <filesystem>

#include "data/mls_module.h"
#include "data/table.h"

namespace kervale {

// The knockout bookkeeping of a matchday: the cups, the MLS playoffs and the
// six-club second phase, each on its fixed rounds of the fixture grid.

// The clubs through from the matchday's knockout ties in the order the ties
// were played, then the clubs with a bye: the driver's roundwinners and its
// winner counter (the next free position, 1 at the start of every matchday).
// The same counter numbers the English cup's entrants.
struct RoundWinners {
  Table1<int, 64>& list;
  int& counter;
};

// One played cup or playoff match, its goals after any shoot-out.
struct PlayedTie {
  int home = 0;
  int away = 0;
  int homeGoals = 0;
  int awayGoals = 0;
};

// Which cup the game keeps follows the user's club: the US Open Cup for cup
// entry 0 or 2, the English cup for 16, none otherwise; without a club
// (MyTeam 0) the cup of the league the game was started in (CurrentLeague).
bool keepsUSOpenCup(const MLSModule& game);
bool keepsEnglishCup(const MLSModule& game);
// The MLS plays a season (and so its playoffs) when the user's club is one of
// the North-American clubs 1..52, or none in a game started in a North-American
// league (expansion mode, or after a resignation).
bool runsMLSPlayoffs(const MLSModule& game);

// Per cup match of round CurrentWeek: the bracket's result and the club through.
void recordCupMatch(MLSModule& game, RoundWinners winners, const PlayedTie& tie);
// After the round: byes, the next round's draw and its ties in the grid.
void drawCupRounds(MLSModule& game, RoundWinners winners);

// Per playoff match of round CurrentWeek.
void recordPlayoffMatch(MLSModule& game, const PlayedTie& tie);
// After the round: the conference ranking and seeding at round 82, the later
// playoff rounds, and every matchday the A-League's top four.
void schedulePlayoffs(MLSModule& game);

// After rounds 24 and 46: the six-club second phase of league 12 (the head
// start and the ten rounds from "fixt6.dat" in `folder`, then the final).
// A missing or broken "fixt6.dat" is reported in a box and nothing changes.
void runSixClubPhase(MLSModule& game, const std::filesystem::path& folder);

// Rounds of the calendar.
inline constexpr int kUSCupRounds[] = {48, 54, 60, 67, 70, 78};
inline constexpr int kEnglishFirstStage = 72;
inline constexpr int kEnglishFirstReplays = 74;
inline constexpr int kEnglishSecondStage = 83;
inline constexpr int kEnglishSecondReplays = 86;
inline constexpr int kEnglishThirdStage = 94;
inline constexpr int kConferenceRanking = 82;
inline constexpr int kSixClubSplit = 24;
inline constexpr int kSixClubFinalDraw = 46;

}  // namespace kervale
