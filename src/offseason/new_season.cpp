#include "offseason/new_season.h"

#include <array>

#include "base/numbers.h"
#include "base/random.h"
#include "offseason/season_summary.h"

namespace kervale {

namespace {

constexpr int kFirstAustralianClub = 225;
constexpr int kLastAustralianClub = 237;

// The top five of leagues 2..6 before anything moves: T(p, k) = L(p, k + 1).
using TopFive = std::array<std::array<double, 6>, 6>;

double& L(MLSModule& g, int place, int league) { return g.LeagueOrder(place, league); }

// The place of English club c in the first list of leagues 1..4 that holds
// it, scanning places first; 0 when no list holds it.
int englishPlace(const MLSModule& g, int club) {
  for (int p = 1; p <= 24; ++p) {
    for (int league = 1; league <= 4; ++league) {
      if (g.LeagueOrder(p, league) == club) return p;
    }
  }
  return 0;
}

// Each step tests the value the step before left.
double movedReputation(double r, int division, int p) {
  switch (division) {
    case 1:
      if (r > 80) r -= 5;
      if (r < 80) r += 5;
      if (p < 6) r += 10;
      if (p > 17) r -= 10;
      break;
    case 2:
    case 3:
    case 4: {
      static constexpr std::array<int, 5> kPromoted = {0, 0, 7, 3, 4};
      static constexpr std::array<int, 5> kBase = {0, 0, 60, 50, 40};
      static constexpr std::array<int, 5> kRelegated = {0, 0, 21, 20, 99};
      const auto d = static_cast<std::size_t>(division);
      if (p < kPromoted[d]) r += 10;
      if (r > kBase[d]) r -= 5;
      if (r < kBase[d]) r += 5;
      if (p > kRelegated[d]) r -= 10;
      break;
    }
    default:
      break;
  }
  return r;
}

void moveEnglishReputations(MLSModule& g) {
  for (int c = 53; c <= 148; ++c) {
    const int p = englishPlace(g, c);
    if (p == 0) continue;
    g.TeamReputation(c) = movedReputation(g.TeamReputation(c), CInt(g.EnglishDivision(c - 52)), p);
  }
}

// Replaces, in one list entry, each `from` club by the `to` club beside it.
template <std::size_t N>
void swapIn(double& entry, const std::array<double, N>& from, const std::array<double, N>& to) {
  for (std::size_t i = 0; i < N; ++i) {
    if (entry == from[i]) {
      entry = to[i];
      return;
    }
  }
}

void moveEnglishFixtureLists(MLSModule& g, const TopFive& t) {
  const std::array<double, 6> promoted1{t[1][1], t[2][1], t[3][1], L(g, 24, 2), L(g, 23, 2), L(g, 22, 2)};
  const std::array<double, 6> into1{L(g, 20, 1), L(g, 19, 1), L(g, 18, 1), t[1][2], t[2][2], t[3][2]};
  const std::array<double, 7> from2{L(g, 1, 3),  L(g, 2, 3),  L(g, 3, 3), L(g, 24, 3),
                                    L(g, 23, 3), L(g, 22, 3), L(g, 21, 3)};
  const std::array<double, 7> into2{L(g, 24, 2), L(g, 23, 2), L(g, 22, 2), t[1][3], t[2][3], t[3][3], t[4][3]};
  const std::array<double, 4> from3{L(g, 1, 4), L(g, 2, 4), L(g, 3, 4), L(g, 4, 4)};
  const std::array<double, 4> into3{L(g, 24, 3), L(g, 22, 3), L(g, 23, 3), L(g, 21, 3)};
  const std::array<double, 3> fromTop{L(g, 20, 1), L(g, 19, 1), L(g, 18, 1)};
  const std::array<double, 3> intoTop{t[1][1], t[2][1], t[3][1]};
  for (int x = 1; x <= 1104; ++x) {
    swapIn(g.EnglishLeagueFixture(x, 1), promoted1, into1);
    swapIn(g.EnglishLeagueFixture(x, 2), from2, into2);
    swapIn(g.EnglishLeagueFixture(x, 3), from3, into3);
    for (int col = 1; col <= 3; ++col) g.EnglishLeagueFixtureWork(x, col) = 0;
    if (x > 760) continue;
    swapIn(g.PremiershipFixture(x), fromTop, intoTop);
    g.Fixture20Template(x) = 0;
  }
}

void moveFixtureLists(MLSModule& g, const TopFive& t) {
  if (g.LeagueSkipped(2) == 0) moveEnglishFixtureLists(g, t);
  g.FixtureMLSWork.clear();
  g.FixtureSpare612B.clear();
  g.FixtureSpare612C.clear();
  if (g.LeagueSkipped(3) != 0) return;
  const std::array<double, 3> down{L(g, 16, 5), L(g, 17, 5), L(g, 18, 5)};
  const std::array<double, 3> up{L(g, 1, 6), L(g, 2, 6), L(g, 3, 6)};
  for (int x = 1; x <= 612; ++x) {
    swapIn(g.GermanLeagueFixture(x, 1), down, up);
    swapIn(g.GermanLeagueFixture(x, 2), up, down);
    g.GermanLeagueFixtureWork(x, 1) = 0;
    g.GermanLeagueFixtureWork(x, 2) = 0;
  }
}

void setDivision(MLSModule& g, int first, int last, int league, int division) {
  for (int p = first; p <= last; ++p) {
    const int c = CInt(L(g, p, league));
    if (league <= 4 && c >= 53 && c <= 148) g.EnglishDivision(c - 52) = division;
    if (league >= 5 && c >= 165 && c <= 204) g.GermanDivision(c - 164) = division;
  }
}

void moveDivisions(MLSModule& g) {
  setDivision(g, 18, 20, 1, 2);
  setDivision(g, 1, 3, 2, 1);
  setDivision(g, 22, 24, 2, 3);
  setDivision(g, 1, 3, 3, 2);
  setDivision(g, 21, 24, 3, 4);
  setDivision(g, 1, 4, 4, 3);
  setDivision(g, 1, 3, 6, 1);
  setDivision(g, 16, 18, 5, 2);
}

void moveOrderLists(MLSModule& g, const TopFive& t) {
  const std::array<double, 3> down1{L(g, 18, 1), L(g, 19, 1), L(g, 20, 1)};
  const std::array<double, 3> down2{L(g, 24, 2), L(g, 23, 2), L(g, 22, 2)};
  const std::array<double, 4> down3{L(g, 24, 3), L(g, 23, 3), L(g, 22, 3), L(g, 21, 3)};
  const std::array<double, 3> down5{L(g, 16, 5), L(g, 17, 5), L(g, 18, 5)};
  for (int i = 0; i < 3; ++i) {
    const auto k = static_cast<std::size_t>(i);
    L(g, 1 + i, 2) = down1[k];
    L(g, 18 + i, 1) = t[k + 1][1];
    L(g, 1 + i, 3) = down2[k];
    L(g, 22 + i, 2) = t[k + 1][2];
    L(g, 1 + i, 6) = down5[k];
    L(g, 16 + i, 5) = t[k + 1][5];
    L(g, 22 + i, 3) = t[k + 1][3];
  }
  for (int i = 0; i < 4; ++i) L(g, 1 + i, 4) = down3[static_cast<std::size_t>(i)];
  L(g, 21, 3) = t[4][3];
}

// The Australian second phase is still running: its final is drawn from the
// league counters, which the phase clears itself.
void clearSeasonCounters(MLSModule& g) {
  for (int c = 1; c <= kLastClub; ++c) {
    if (c < kFirstAustralianClub || c > kLastAustralianClub) {
      g.TeamWins(c) = g.TeamLosses(c) = g.TeamDraws(c) = g.TeamGames(c) = 0;
      g.TeamGoalsFor(c) = g.TeamGoalsAgainst(c) = 0;
    }
    g.TeamDisciplinePoints(c) = g.TeamYellowCards(c) = g.TeamRedCards(c) = 0;
    g.TeamShotsOnTarget(c) = g.TeamShotsAgainst(c) = 0;
    g.TeamFirstHalfGoals(c) = g.TeamSecondHalfGoals(c) = g.TeamExtraTimeGoals(c) = 0;
    g.TeamGamesPlayed(c) = 0;
  }
}

void buildPlannedSeats(MLSModule& g) {
  for (int c = 1; c <= kLastClub; ++c) {
    const int plan = g.StadiumExpansionPlan(c);
    if (plan == 0 || plan == 2) continue;  // 2: the chairman has not decided yet
    g.StadiumCapacity(c) = g.StadiumCapacity(c) + plan;
    g.StadiumExpansionPlan(c) = 0;
  }
}

// Every club of 1..52 in the MLS or below it takes a free slot of 1..52.
void drawUsCupAndCanadaCup(MLSModule& g) {
  for (int i = 1; i <= 52; ++i) {
    g.USCupRound1Team(i) = 0;
    g.USCupRound1Result(i) = 0.0;
  }
  for (int i = 1; i <= 32; ++i) {
    g.USCupRound2Team(i) = 0;
    g.USCupRound2Result(i) = 0.0;
  }
  for (int i = 1; i <= 16; ++i) {
    g.USCupRound3Team(i) = 0;
    g.USCupRound3Result(i) = 0.0;
  }
  std::array<bool, 53> taken{};
  int canada = 0;
  for (int c = 1; c <= 52; ++c) {
    if (!(c > g.MLSTeamCount && c <= 16)) {
      int r = 0;
      do {
        r = rng().draw(52, 1);
      } while (taken[static_cast<std::size_t>(r)]);
      taken[static_cast<std::size_t>(r)] = true;
      g.USCupRound1Team(r) = c;
    }
    if (g.TeamDivision(c) == 2 && canada < 4) g.CanadaCupSFTeam(++canada) = c;
  }
}

void drawContinentalCups(MLSModule& g) {
  for (int s = 1; s <= 4; ++s) {
    bool repeated = true;
    while (repeated) {
      g.CopaSFTeam(s) = rng().draw(12, 268);
      repeated = false;
      for (int k = 1; k < s; ++k) repeated = repeated || g.CopaSFTeam(k) == g.CopaSFTeam(s);
    }
  }
  static constexpr std::array<std::array<int, 2>, 9> kChampions = {
      {{0, 0}, {1, 1}, {6, 2}, {2, 2}, {4, 2}, {1, 2}, {5, 2}, {2, 1}, {3, 2}}};
  for (int s = 1; s <= 8; ++s) {
    g.ChampionsQFScore(s) = 0.0;
    const auto& at = kChampions[static_cast<std::size_t>(s)];
    g.ChampionsQFTeam(s) = L(g, at[0], at[1]);
  }
}

}  // namespace

void rollOverSeason(MLSModule& g) {
  sortFinalLeagueOrders(g);
  g.SeasonStartFlag = 1;
  g.CurrentSeason = g.CurrentSeason + 1;
  g.CurrentWeek = 1;
  moveEnglishReputations(g);
  TopFive t{};
  for (int p = 1; p <= 5; ++p) {
    for (int k = 1; k <= 5; ++k) t[static_cast<std::size_t>(p)][static_cast<std::size_t>(k)] = L(g, p, k + 1);
  }
  moveFixtureLists(g, t);
  g.SeasonStartFlag = 0;
  g.CurrentWeek = 0;
  moveDivisions(g);
  moveOrderLists(g, t);
  clearSeasonCounters(g);
  buildPlannedSeats(g);
  drawUsCupAndCanadaCup(g);
  drawContinentalCups(g);
}

}  // namespace kervale
