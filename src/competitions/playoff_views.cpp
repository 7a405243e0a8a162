#include "competitions/playoff_views.h"

#include "base/numbers.h"
#include "matchday/standings_order.h"

namespace kervale {

namespace {

enum class Name { Short, Long };
enum class Score { Plain, ZeroMarked, Signed };

std::string clubName(const MLSModule& g, double number, Name form) {
  const int club = CInt(number);
  if (club < 0 || club > kLastClub) return "";  // no club table holds one; show nothing
  if (form == Name::Short) return g.TeamName(club);
  return g.TeamName(club) + " " + g.TeamNickname(club);
}

std::string scoreText(const Variant& score, Score form) {
  switch (form) {
    case Score::Plain:
      return score.text();
    case Score::ZeroMarked:
      return score.isEmpty() || (score.isNumber() && score.number() == 0) ? "0" : score.text();
    case Score::Signed:
      return score.isText() ? score.text() : Str(score.number());
  }
  return score.text();
}

BracketEntry entry(const MLSModule& g, double club, Name name, const Variant& score, Score form) {
  return {clubName(g, club, name), scoreText(score, form)};
}

// Entries 1..n of a club table and its parallel score table into rows.
template <std::size_t N, class Clubs, class Scores>
void fillRound(const MLSModule& g, std::array<std::optional<BracketEntry>, N>& rows, const Clubs& clubs,
               const Scores& scores, Name name, Score form) {
  for (std::size_t k = 1; k <= N; ++k) rows[k - 1] = entry(g, Variant(clubs(k)).number(), name, scores(k), form);
}

template <class Clubs, class Scores>
void fillFinal(const MLSModule& g, BracketView& view, const Clubs& clubs, const Scores& scores, Name name) {
  for (int k = 1; k <= 2; ++k) view.finals[k - 1] = entry(g, Variant(clubs(k)).number(), name, scores(k), Score::Plain);
}

void mlsView(MLSModule& g, BracketView& view) {
  // The driver seeds with this same order, so a list it sorted is left as it is.
  sortStandings(g, g.WestOrder, g.MLSMatchesPerRound);
  sortStandings(g, g.EastOrder, g.MLSMatchesPerRound);
  if (g.PlayoffTeams == 8) {
    static constexpr int kSeeds[] = {1, 4, 2, 3};
    for (int k = 0; k < 4; ++k) {
      g.PlayoffQFTeam(k + 1) = g.EastOrder(kSeeds[k]);
      g.PlayoffQFTeam(k + 5) = g.WestOrder(kSeeds[k]);
    }
    fillRound(g, view.quarters, g.PlayoffQFTeam, g.PlayoffQFResult, Name::Short, Score::Plain);
    fillRound(g, view.semis, g.PlayoffSFTeam, g.PlayoffSFResult, Name::Short, Score::Plain);
  } else if (g.PlayoffTeams == 4) {
    view.semis = {entry(g, g.EastOrder(2), Name::Short, g.PlayoffEastAwayScore, Score::Plain),
                  entry(g, g.EastOrder(1), Name::Short, g.PlayoffEastHomeScore, Score::Plain),
                  entry(g, g.WestOrder(2), Name::Short, g.PlayoffWestAwayScore, Score::Plain),
                  entry(g, g.WestOrder(1), Name::Short, g.PlayoffWestHomeScore, Score::Plain)};
  }
  view.finals = {entry(g, g.MLSFinalTeam1, Name::Short, g.MLSFinalScore1, Score::Plain),
                 entry(g, g.MLSFinalTeam2, Name::Short, g.MLSFinalScore2, Score::Plain)};
}

// The A-League and D3 Pro League: the top four of the table meet 1 v 4 and 2 v 3.
template <class Order, class Seeds, class SemiScores, class Finalists, class FinalScores>
void leagueView(MLSModule& g, BracketView& view, Order& order, Seeds& seeds, const SemiScores& semiScores,
                const Finalists& finalists, const FinalScores& finalScores) {
  sortStandings(g, order, 18);
  for (int k = 1; k <= 4; ++k) seeds(k) = order(k);
  static constexpr int kRowSeed[] = {4, 1, 2, 3};
  for (int r = 0; r < 4; ++r) {
    view.semis[r] = entry(g, seeds(kRowSeed[r]), Name::Short, semiScores(kRowSeed[r]), Score::Plain);
  }
  view.finals = {entry(g, finalists(2), Name::Short, finalScores(2), Score::Plain),
                 entry(g, finalists(1), Name::Short, finalScores(1), Score::Plain)};
}

}  // namespace

BracketView bracketView(MLSModule& g, int view) {
  BracketView out;
  switch (view) {
    case 1:
      out.caption = "Quorra Canada Cup";
      fillRound(g, out.semis, g.CanadaCupSFTeam, g.CanadaCupSFScore, Name::Short, Score::ZeroMarked);
      fillFinal(g, out, g.CanadaCupFinalTeam, g.CanadaCupFinalScore, Name::Short);
      break;
    case 2:
      out.caption = "European Champions League";
      fillRound(g, out.quarters, g.ChampionsQFTeam, g.ChampionsQFScore, Name::Long, Score::Signed);
      fillRound(g, out.semis, g.ChampionsSFTeam, g.ChampionsFinalTeam, Name::Long, Score::ZeroMarked);
      fillFinal(g, out, g.ChampionsSFScore, g.ChampionsFinalScore, Name::Long);
      break;
    case 3:
      out.caption = "Copa Liberadores";
      fillRound(g, out.semis, g.CopaSFTeam, g.CopaFinalTeam, Name::Long, Score::ZeroMarked);
      fillFinal(g, out, g.CopaSFScore, g.CopaFinalScore, Name::Long);
      break;
    case 4:
      out.caption = "World Club Cup";
      fillRound(g, out.semis, g.WorldClubSFTeam, g.WorldClubFinalTeam, Name::Long, Score::Plain);
      fillFinal(g, out, g.WorldClubSFScore, g.WorldClubFinalScore, Name::Long);
      break;
    case 5:
      out.caption = "A-League Playoffs";
      leagueView(g, out, g.ALeagueOrder, g.ALeaguePlayoffSFTeam, g.ALeaguePlayoffSFScore, g.ALeaguePlayoffFinalTeam,
                 g.ALeaguePlayoffFinalScore);
      break;
    case 6:
      out.caption = "CONCACAF Cup";
      fillRound(g, out.quarters, g.ConcacafQFTeam, g.ConcacafQFResult, Name::Long, Score::Signed);
      fillRound(g, out.semis, g.ConcacafSFTeam, g.ConcacafSFResult, Name::Long, Score::Plain);
      fillFinal(g, out, g.ConcacafFinalTeam, g.ConcacafFinalResult, Name::Long);
      break;
    case 7:
      out.caption = "D3 Pro League Playoffs";
      leagueView(g, out, g.D3Order, g.D3PlayoffSFTeam, g.D3PlayoffSemiScore, g.D3PlayoffFinalist,
                 g.D3PlayoffFinalScore);
      break;
    default:
      mlsView(g, out);
      break;
  }
  return out;
}

}  // namespace kervale
