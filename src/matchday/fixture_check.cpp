#include "matchday/fixture_check.h"

#include <string>

#include "base/numbers.h"
#include "data/news.h"
#include "data/season_rounds.h"

namespace kervale {

namespace {

// The round after `week` at `step` rounds' distance, passing from 104 to 1.
int roundAfter(int week, int step) { return (week - 1 + step) % kLastRound + 1; }

// Whether a fixture may be moved to `round`: not to a round of this season
// already played, nor to the current one, whose matches are being played. A
// calendar not yet started (round 0) has played nothing.
bool roundOpen(int round, int currentWeek) {
  if (currentWeek < 1 || currentWeek > kLastRound) return true;
  return round != currentWeek && !playedThisSeason(round, currentWeek);
}

void clearCell(MLSModule& game, int club, int round) {
  game.FixtureOpponent(club, round) = 0;
  game.FixtureCompetition(club, round) = 0;
  game.FixtureVenue(club, round) = 0;
  game.FixtureScore(club, round) = 0;
}

void moveCell(MLSModule& game, int club, int from, int to) {
  game.FixtureOpponent(club, to) = game.FixtureOpponent(club, from);
  game.FixtureCompetition(club, to) = game.FixtureCompetition(club, from);
  game.FixtureVenue(club, to) = game.FixtureVenue(club, from);
  game.FixtureScore(club, to) = game.FixtureScore(club, from);
  clearCell(game, club, from);
}

// Empties `club`'s row of round `week`: its fixture moves, on both rows, to the
// first later round free for both clubs, or is dropped when there is none.
void clearRound(MLSModule& game, int club, int week, int currentWeek) {
  const int other = game.FixtureOpponent(club, week);
  if (other == 0) return;
  // A row of the other club that belongs to another fixture stays as it is.
  const bool pair = game.FixtureOpponent(other, week) == club;

  int target = 0;
  for (int step = 1; step < kLastRound && target == 0; ++step) {
    const int r = roundAfter(week, step);
    const bool free = game.FixtureOpponent(club, r) == 0 && game.FixtureOpponent(other, r) == 0;
    if (free && roundOpen(r, currentWeek)) target = r;
  }

  if (target == 0) {
    const bool clubHome = game.FixtureVenue(club, week) != 2;
    const std::string line = game.TeamName(clubHome ? club : other) + " v " + game.TeamName(clubHome ? other : club) +
                             " could not be rescheduled and has been called off.";
    addHeadline(game, line);
    const int me = CInt(game.MyTeam);
    if (me != 0 && (me == club || me == other)) addClubNews(game, line);
    clearCell(game, club, week);
    if (pair) clearCell(game, other, week);
    return;
  }

  const std::int16_t code = game.FixtureCompetition(club, week);
  const std::int16_t venue = game.FixtureVenue(club, week);
  moveCell(game, club, week, target);
  if (pair) {
    moveCell(game, other, week, target);
  } else {
    game.FixtureOpponent(other, target) = static_cast<std::int16_t>(club);
    game.FixtureCompetition(other, target) = code;
    game.FixtureVenue(other, target) = static_cast<std::int16_t>(venue == 0 ? 0 : 3 - venue);
    game.FixtureScore(other, target) = 0;
  }
}

}  // namespace

void fixturecheck(MLSModule& game, int home, int away, int week, int type) {
  if (type == 0) type = 2;
  if (home == 0 || away == 0 || home == away) return;
  const double current = Int(game.CurrentWeek);
  const int currentWeek = current >= 1 && current <= kLastRound ? static_cast<int>(current) : 0;

  clearRound(game, home, week, currentWeek);
  clearRound(game, away, week, currentWeek);

  game.FixtureOpponent(home, week) = static_cast<std::int16_t>(away);
  game.FixtureOpponent(away, week) = static_cast<std::int16_t>(home);
  game.FixtureCompetition(home, week) = static_cast<std::int16_t>(type);
  game.FixtureCompetition(away, week) = static_cast<std::int16_t>(type);
  game.FixtureVenue(home, week) = 1;
  game.FixtureVenue(away, week) = 2;
  game.FixtureScore(home, week) = 0;
  game.FixtureScore(away, week) = 0;
}

}  // namespace kervale
