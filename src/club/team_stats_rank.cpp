#include "club/team_stats_rank.h"

#include <algorithm>
#include <utility>

namespace kervale {

namespace {

// Box indexes of the league check boxes.
enum Box {
  kPremiership,
  kDivision1,
  kDivision2,
  kDivision3,
  kMls,
  kALeague,
  kD3Pro,
  kBundes1,
  kBundes2,
  kNsl,
  kMexico
};

constexpr int kFirstEnglish = 53, kLastEnglish = 144;
constexpr int kFirstGerman = 165, kLastGerman = 204;

struct BoxClubs {
  Box box;
  int first, last;
  int division;  // English or German division the club must be in; 0 = every club of the range
};

// Applied in this order, so a club in two ranges (224) follows the last box
// that names it: Mexico.
constexpr BoxClubs kBoxOrder[] = {
    {kNsl, 224, 237, 0},
    {kMexico, 205, 224, 0},
    {kPremiership, kFirstEnglish, kLastEnglish, 1},
    {kDivision1, kFirstEnglish, kLastEnglish, 2},
    {kDivision2, kFirstEnglish, kLastEnglish, 3},
    {kDivision3, kFirstEnglish, kLastEnglish, 4},
    {kMls, 1, 0, 0},
    {kALeague, 17, 34, 0},
    {kD3Pro, 35, 52, 0},
    {kBundes1, kFirstGerman, kLastGerman, 1},
    {kBundes2, kFirstGerman, kLastGerman, 2},
    {kMexico, 205, 224, 0},
};

double divisionOf(const MLSModule& g, Box box, int club) {
  if (box == kBundes1 || box == kBundes2) return g.GermanDivision(club - 164);
  return g.EnglishDivision(club - 52);
}

using Counter = MLSModule::Clubs<double> MLSModule::*;
constexpr Counter kCounters[kStatCount] = {
    &MLSModule::TeamDisciplinePoints,
    &MLSModule::TeamYellowCards,
    &MLSModule::TeamRedCards,
    &MLSModule::TeamShotsOnTarget,
    &MLSModule::TeamShotsAgainst,
    &MLSModule::TeamFirstHalfGoals,
    &MLSModule::TeamSecondHalfGoals,
    nullptr,
    nullptr,
    &MLSModule::TeamGoalsFor,
    &MLSModule::TeamGoalsAgainst,
};

}  // namespace

ClubFlags leagueExclusions(const MLSModule& g, const std::array<bool, kLeagueBoxes>& ticked) {
  ClubFlags excluded;
  excluded.fill(1);
  const int mlsLast = std::clamp(static_cast<int>(g.MLSTeamCount), 0, kLastClub);
  for (const BoxClubs& b : kBoxOrder) {
    const int last = b.box == kMls ? mlsLast : b.last;
    for (int club = b.first; club <= last; ++club) {
      if (b.division != 0 && divisionOf(g, b.box, club) != b.division) continue;
      excluded[club] = ticked[b.box] ? 0 : 1;
    }
  }
  return excluded;
}

bool statHasCounter(int stat) { return stat >= 0 && stat < kStatCount && kCounters[stat] != nullptr; }

double statValue(const MLSModule& g, int stat, int club, bool perGame) {
  const double count = (g.*kCounters[stat])(club);
  const double games = g.TeamGamesPlayed(club);
  return perGame && games != 0 ? count / games : count;
}

int rankClubs(ClubValues& values, ClubNumbers& clubs) {
  for (int i = 1; i <= kLastClub; ++i) {
    int best = i;
    for (int j = i + 1; j <= kLastClub; ++j) {
      if (values[j] > values[best]) best = j;
    }
    if (best == i) continue;
    std::swap(values[i], values[best]);
    std::swap(clubs[i], clubs[best]);
  }
  int listed = 0;
  for (int i = 1; i <= kLastClub; ++i) {
    if (values[i] != 0) ++listed;
  }
  for (int i = listed + 1; i <= kLastClub; ++i) {
    values[i] = 0;
    clubs[i] = 0;
  }
  return listed;
}

}  // namespace kervale
