// The MLS playoffs from the conference ranking to the final, and the
// A-League's top four.
#include "base/numbers.h"
#include "matchday/cups.h"
#include "matchday/cups_bracket.h"
#include "matchday/fixture_check.h"
#include "matchday/standings_order.h"

namespace kervale {

namespace {

constexpr int kFirstLegs = 83;
constexpr int kSecondLegs = 84;
constexpr int kConferenceFinals = 85;
constexpr int kFinal = 86;

cups::Bracket quarterFinals(MLSModule& game) { return cups::Bracket::of(game.PlayoffQFTeam, game.PlayoffQFResult, 8); }
cups::Bracket conferenceFinals(MLSModule& game) {
  return cups::Bracket::of(game.PlayoffSFTeam, game.PlayoffSFResult, 4);
}

// Nothing of an earlier season's playoffs is left to show or to seed from.
void clearPlayoffs(MLSModule& game) {
  quarterFinals(game).clear();
  conferenceFinals(game).clear();
  game.PlayoffEastHomeScore = Variant();
  game.PlayoffEastAwayScore = Variant();
  game.PlayoffWestHomeScore = Variant();
  game.PlayoffWestAwayScore = Variant();
  game.MLSFinalTeam1 = 0;
  game.MLSFinalTeam2 = 0;
  game.MLSFinalScore1 = Variant();
  game.MLSFinalScore2 = Variant();
}

void seedPlayoffs(MLSModule& game) {
  sortStandings(game, game.WestOrder, game.MLSMatchesPerRound);
  sortStandings(game, game.EastOrder, game.MLSMatchesPerRound);
  clearPlayoffs(game);
  if (game.PlayoffTeams == 8) {
    static constexpr int kSeeds[] = {1, 4, 2, 3};
    for (int k = 0; k < 4; ++k) {
      game.PlayoffQFTeam(k + 1) = game.EastOrder(kSeeds[k]);
      game.PlayoffQFTeam(k + 5) = game.WestOrder(kSeeds[k]);
    }
    // The higher seed is away in the first leg and at home in the second.
    for (int i = 1; i <= 7; i += 2) {
      const int higher = CInt(game.PlayoffQFTeam(i));
      const int lower = CInt(game.PlayoffQFTeam(i + 1));
      fixturecheck(game, lower, higher, kFirstLegs, 2);
      fixturecheck(game, higher, lower, kSecondLegs, 2);
    }
  } else if (game.PlayoffTeams == 4) {
    // Four clubs go straight to the conference finals, first against second
    // at the home of the first, on the round the eight-club mode plays them.
    game.PlayoffSFTeam(1) = game.EastOrder(1);
    game.PlayoffSFTeam(2) = game.EastOrder(2);
    game.PlayoffSFTeam(3) = game.WestOrder(1);
    game.PlayoffSFTeam(4) = game.WestOrder(2);
    for (int i = 1; i <= 3; i += 2) {
      fixturecheck(game, CInt(game.PlayoffSFTeam(i)), CInt(game.PlayoffSFTeam(i + 1)), kConferenceFinals, 2);
    }
  }
}

// The second leg alone decides, the visitors' goals counting twice; a tie on
// those figures goes to the lower seed.
void placeConferenceFinals(MLSModule& game) {
  if (game.PlayoffTeams != 8 || game.PlayoffQFTeam(1) == 0) return;
  for (int i = 1; i <= 7; i += 2) {
    const bool higherThrough = game.PlayoffQFResult(i) > game.PlayoffQFResult(i + 1);
    game.PlayoffSFTeam((i + 1) / 2) = higherThrough ? game.PlayoffQFTeam(i) : game.PlayoffQFTeam(i + 1);
  }
  for (int i = 1; i <= 3; i += 2) {
    fixturecheck(game, CInt(game.PlayoffSFTeam(i)), CInt(game.PlayoffSFTeam(i + 1)), kConferenceFinals, 2);
  }
}

// The final at the ground of the finalist with more points (the East's on equal points).
void placeFinal(MLSModule& game) {
  if (game.PlayoffSFTeam(1) == 0 && game.PlayoffSFTeam(3) == 0) return;
  auto through = [&game](int i) {
    return CInt(game.PlayoffSFResult(i) > game.PlayoffSFResult(i + 1) ? game.PlayoffSFTeam(i)
                                                                      : game.PlayoffSFTeam(i + 1));
  };
  int home = through(1);
  int away = through(3);
  if (standingsPoints(game, home) < standingsPoints(game, away)) std::swap(home, away);
  fixturecheck(game, home, away, kFinal, 2);
  game.MLSFinalTeam1 = home;
  game.MLSFinalTeam2 = away;
  game.MLSFinalScore1 = Variant();
  game.MLSFinalScore2 = Variant();
}

void recordFinal(MLSModule& game, const PlayedTie& tie) {
  const int first = CInt(game.MLSFinalTeam1);
  const int second = CInt(game.MLSFinalTeam2);
  if (!((first == tie.home && second == tie.away) || (first == tie.away && second == tie.home))) return;
  const bool firstHome = first == tie.home;
  game.MLSFinalScore1 = firstHome ? tie.homeGoals : tie.awayGoals;
  game.MLSFinalScore2 = firstHome ? tie.awayGoals : tie.homeGoals;
  const int champion = cups::winnerOf(tie);
  if (champion == 0) return;
  if (const int season = cups::historySeason(game)) game.MLSChampionHistory(season) = champion;
}

void recordConferenceFinal(MLSModule& game, const PlayedTie& tie) {
  const cups::Bracket finals = conferenceFinals(game);
  const int position = finals.tieOf(tie.home, tie.away);
  if (position == 0) return;
  finals.writeResult(position, tie, tie.homeGoals, tie.awayGoals);
  if (game.PlayoffTeams != 4) return;
  // The four-club bracket shows each conference final by home and away club.
  Variant& home = position == 1 ? game.PlayoffEastHomeScore : game.PlayoffWestHomeScore;
  Variant& away = position == 1 ? game.PlayoffEastAwayScore : game.PlayoffWestAwayScore;
  home = game.PlayoffSFResult(position);
  away = game.PlayoffSFResult(position + 1);
}

}  // namespace

bool runsMLSPlayoffs(const MLSModule& game) {
  // Without a club the game follows the league it was started in.
  if (game.MyTeam == 0) return game.CurrentLeague != 3;
  return game.MyTeam <= 52;
}

void recordPlayoffMatch(MLSModule& game, const PlayedTie& tie) {
  if (!runsMLSPlayoffs(game)) return;
  const double w = game.CurrentWeek;
  if (w == kSecondLegs && game.PlayoffTeams == 8) {
    const cups::Bracket quarters = quarterFinals(game);
    if (const int position = quarters.tieOf(tie.home, tie.away)) {
      quarters.writeResult(position, tie, tie.homeGoals, 2 * tie.awayGoals);
    }
  }
  if (w == kConferenceFinals) recordConferenceFinal(game, tie);
  if (w == kFinal) recordFinal(game, tie);
}

void schedulePlayoffs(MLSModule& game) {
  // The A-League's top four, every matchday.
  sortStandings(game, game.ALeagueOrder, 18);
  for (int i = 1; i <= 4; ++i) game.ALeaguePlayoffSFTeam(i) = game.ALeagueOrder(i);

  if (!runsMLSPlayoffs(game)) return;
  const double w = game.CurrentWeek;
  if (w == kConferenceRanking) seedPlayoffs(game);
  if (w == kSecondLegs) placeConferenceFinals(game);
  if (w == kConferenceFinals) placeFinal(game);
}

}  // namespace kervale
