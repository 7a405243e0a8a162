// The six-club second phase of league 12: its top six play ten more rounds
// from a head start, then its top two meet in a final.
#include <optional>

#include "base/file_error.h"
#include "base/numbers.h"
#include "data/readers/schedule_file.h"
#include "matchday/cups.h"
#include "matchday/fixture_check.h"
#include "matchday/standings_order.h"
#include "ui/backend.h"

namespace kervale {

namespace {

constexpr int kLeague = 12;
constexpr int kTablePlaces = 13;
constexpr int kFirstLeagueClub = 225;
constexpr int kLastLeagueClub = 237;
constexpr int kSixClubFinal = 47;

int place(const MLSModule& game, int position) { return CInt(game.LeagueOrder(position, kLeague)); }

bool anyGamePlayed(const MLSModule& game) {
  for (int c = kFirstLeagueClub; c <= kLastLeagueClub; ++c) {
    if (game.TeamGames(c) > 0) return true;
  }
  return false;
}

void resetCounters(MLSModule& game) {
  for (int c = kFirstLeagueClub; c <= kLastLeagueClub; ++c) {
    game.TeamWins(c) = 0;
    game.TeamGames(c) = 0;
    game.TeamLosses(c) = 0;
    game.TeamDraws(c) = 0;
    game.TeamGoalsFor(c) = 0;
    game.TeamGoalsAgainst(c) = 0;
  }
}

}  // namespace

void runSixClubPhase(MLSModule& game, const std::filesystem::path& folder) {
  const double w = game.CurrentWeek;
  if (w != kSixClubSplit && w != kSixClubFinalDraw) return;
  // A game that starts after round 24 has had no second phase yet: no final.
  if (w == kSixClubFinalDraw && !anyGamePlayed(game)) return;

  // The schedule is read before anything changes, so a bad file leaves the
  // league as it was.
  std::optional<Schedule> rounds;
  if (w == kSixClubSplit) {
    try {
      rounds = readSchedule(folder, kFixt6Schedule);
    } catch (const FileError& error) {
      ui::MsgBox("The second phase of the league cannot be played: the data file " + error.fileName() +
                     " is not usable.\r" + error.problem(),
                 ui::MsgButtons::OK, ui::MsgIcon::Critical);
      return;
    }
  }

  game.TableLeague = kLeague;
  sortLeagueOrder(game, kLeague, kTablePlaces);
  resetCounters(game);

  if (rounds) {
    game.TeamWins(place(game, 1)) = 2;
    game.TeamWins(place(game, 2)) = 1;
    for (int r = 1; r <= kFixt6Schedule.rounds; ++r) {
      for (int k = 1; k < kFixt6Schedule.teams; k += 2) {
        const int entry = (r - 1) * kFixt6Schedule.teams + k;
        fixturecheck(game, place(game, rounds->entry(entry)), place(game, rounds->entry(entry + 1)), 25 + 2 * r, 1);
      }
    }
  } else {
    fixturecheck(game, place(game, 1), place(game, 2), kSixClubFinal, 2);
  }
}

}  // namespace kervale
