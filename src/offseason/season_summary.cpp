#include "offseason/season_summary.h"

#include <algorithm>

#include "base/numbers.h"
#include "matchday/standings_order.h"

namespace kervale {

namespace {

constexpr int kAllStarGames = 13;  // more than this to be eligible

void moveReputation(MLSModule& g, int club, int place) {
  if (club < 1 || club > kLastClub) return;
  double r = g.TeamReputation(club) - 10 + (23 - place);
  if (r > 100) r = 99;
  if (r < 10) r = 10;
  g.TeamReputation(club) = r;
}

// The clubs a user club's all-star squad is chosen from.
struct AllStarRange {
  std::string title;
  int first = 0;
  int last = 0;
  bool premiershipOnly = false;
};

AllStarRange allStarRange(int user) {
  if (user < 53) return {"All-MLS Team", 1, 16, false};
  if (user <= 144) return {"All-Premiership Squad", 53, 144, true};
  return {"All-UEFA Team", 85, 96, false};
}

// Puts average a into the first place of first..last it beats, moving the
// places below down one.
void enter(AllStarSquad& squad, int first, int last, double a, int slot, int club) {
  for (int place = first; place <= last; ++place) {
    if (!(a > squad.best[static_cast<std::size_t>(place)])) continue;
    for (int k = last; k > place; --k) {
      const auto to = static_cast<std::size_t>(k);
      squad.best[to] = squad.best[to - 1];
      squad.slot[to] = squad.slot[to - 1];
      squad.club[to] = squad.club[to - 1];
    }
    const auto at = static_cast<std::size_t>(place);
    squad.best[at] = a;
    squad.slot[at] = slot;
    squad.club[at] = club;
    return;
  }
}

void consider(const MLSModule& g, AllStarSquad& squad, int slot, int club) {
  const double p = g.TeamSquad(slot, club);
  if (p < 1 || p > kLastPlayer || !(g.PlayerGamesSeason(p) > kAllStarGames)) return;
  const double a = g.PlayerRatingSumSeason(p) / g.PlayerGamesSeason(p);
  const double gk = g.PlayerGoalkeeping(p);
  const double d = g.PlayerDefense(p);
  const double m = g.PlayerMidfield(p);
  const double f = g.PlayerAttack(p);
  // A keeper also goes through the outfield places.
  if (gk > d && gk > m && gk > f) enter(squad, 1, 1, a, slot, club);
  if (d >= m && d >= f) {
    enter(squad, 2, 4, a, slot, club);
  } else if (m > d && m >= f) {
    enter(squad, 5, 8, a, slot, club);
  } else if (f > d && f > m) {
    enter(squad, 9, 11, a, slot, club);
  }
}

}  // namespace

void sortFinalLeagueOrders(MLSModule& g) {
  for (int league = 1; league <= 5; ++league) sortLeagueOrder(g, league, kFinalOrderPlaces[league]);
}

void closeEnglishTables(MLSModule& g) {
  sortFinalLeagueOrders(g);
  if (g.CurrentSeason >= 0 && g.CurrentSeason <= decltype(g.PremiershipChampionHistory)::upper) {
    g.PremiershipChampionHistory(g.CurrentSeason) = g.LeagueOrder(1, 1);
  }
  for (int place = 1; place <= 20; ++place) {
    for (int league = 1; league <= 2; ++league) moveReputation(g, CInt(g.LeagueOrder(place, league)), place);
  }
}

void clearKnockoutTables(MLSModule& g) {
  for (int i = 1; i <= 8; ++i) {
    g.USCupRound4Team(i) = 0;
    g.USCupRound4Result(i) = 0.0;
    g.ConcacafQFResult(i) = 0.0;
    g.ChampionsQFScore(i) = 0.0;
    g.PlayoffQFTeam(i) = 0;
    g.PlayoffQFResult(i) = Variant{};
  }
  for (int i = 1; i <= 4; ++i) {
    g.USCupSemiTeam(i) = 0;
    g.USCupSemiResult(i) = 0.0;
    g.ConcacafSFResult(i) = 0.0;
    g.ChampionsSFTeam(i) = 0;
    g.ChampionsFinalTeam(i) = 0.0;  // the semi-final scores
    g.PlayoffSFTeam(i) = 0;
    g.PlayoffSFResult(i) = Variant{};
  }
  for (int i = 1; i <= 2; ++i) {
    g.USCupFinalTeam(i) = 0;
    g.USCupFinalResult(i) = 0.0;
    g.ConcacafFinalResult(i) = 0.0;
    g.ChampionsSFScore(i) = 0.0;  // the finalists
    g.ChampionsFinalScore(i) = 0.0;
  }
}

std::array<std::string, 4> winnerLines(const MLSModule& g, int userClub) {
  const double season = g.CurrentSeason;
  auto clubName = [&g](double club) { return club >= 0 && club <= kLastClub ? g.TeamName(CInt(club)) : ""; };
  const std::string worldCup = "World Club Cup Winner: " + historyClubName(g, g.WorldClubWinnerHistory, season);
  if (userClub <= 52) {
    return {"MLS Champion: " + historyClubName(g, g.MLSChampionHistory, season),
            "US Open Cup Winner: " + historyClubName(g, g.CupWinnerHistory, season),
            "CONCACAF Winner: " + clubName(g.WorldClubSFTeam(1)), worldCup};
  }
  return {"Premiership Champion: " + historyClubName(g, g.PremiershipChampionHistory, season),
          "FA Cup Winner: " + historyClubName(g, g.CupWinnerHistory, season),
          "Champions League Winner: " + clubName(g.WorldClubSFTeam(3)), worldCup};
}

int AllStarSquad::player(const MLSModule& g, int place) const {
  const auto at = static_cast<std::size_t>(place);
  if (club[at] == 0) return 0;
  return CInt(g.TeamSquad(slot[at], club[at]));
}

AllStarSquad pickAllStars(const MLSModule& g, int userClub) {
  const AllStarRange range = allStarRange(userClub);
  AllStarSquad squad;
  squad.title = range.title;
  for (int slot = 1; slot <= 20; ++slot) {
    for (int club = range.first; club <= range.last; ++club) {
      if (range.premiershipOnly && g.EnglishDivision(club - 52) != 1) continue;
      consider(g, squad, slot, club);
    }
  }
  return squad;
}

}  // namespace kervale
