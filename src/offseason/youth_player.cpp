#include "offseason/youth_player.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "base/random.h"
#include "data/squad_floor.h"
#include "team/line_up.h"

namespace kervale {

namespace {

constexpr double kLeastShare = 0.65;
constexpr double kShareSpread = 0.30;
constexpr double kLeastBest = 2;
// The other ratings: an outfielder's other outfield areas, a keeper's outfield.
constexpr double kOtherShare = 0.2;
constexpr double kOtherSpread = 0.4;
constexpr double kKeeperOtherShare = 0.1;
constexpr double kKeeperOtherSpread = 0.2;
// Club numbers 1..16 are kept for the MLS, whatever its size.
constexpr int kLastMlsNumber = 16;

double bestRating(const MLSModule& g, int p) {
  return std::max(
      {static_cast<double>(g.PlayerGoalkeeping(p)), g.PlayerDefense(p), g.PlayerMidfield(p), g.PlayerAttack(p)});
}

bool isEnglish(int club) { return club >= 53 && club <= 148; }
bool isGerman(int club) { return club >= 165 && club <= 204; }

// Clubs of one league share a key: the English and German divisions by their
// division, every other league by its block of club numbers.
int leagueKey(const MLSModule& g, int club) {
  if (isEnglish(club)) return 1000 + static_cast<int>(g.EnglishDivision(club - 52));
  if (isGerman(club)) return 2000 + static_cast<int>(g.GermanDivision(club - 164));
  static constexpr int kBlockStarts[] = {1, 17, 35, 149, 205, 225, 238};
  int key = 0;
  for (int start : kBlockStarts) key = club >= start ? start : key;
  return key;
}

// The named players of the club, or of its league when the club has none or
// plays no league yet.
std::vector<int> namedPlayers(const MLSModule& g, int club) {
  std::vector<int> players;
  for (int s = 1; s <= 20 && !outsideItsLeague(g, club); ++s) {
    if (const int p = squadPlayer(g, club, s)) players.push_back(p);
  }
  if (!players.empty()) return players;
  const int key = leagueKey(g, club);
  for (int c = 1; c <= kLastClub; ++c) {
    if (c == club || leagueKey(g, c) != key || outsideItsLeague(g, c)) continue;
    for (int s = 1; s <= 20; ++s) {
      if (const int p = squadPlayer(g, c, s)) players.push_back(p);
    }
  }
  return players;
}

const std::string& drawName(const std::vector<std::string>& names) {
  return names[static_cast<std::size_t>(rng().draw(static_cast<int>(names.size())))];
}

double rounded(double rating) { return std::max(1.0, std::round(rating)); }

// The starting levels of the clubs the club's league holds now.
struct LeagueStart {
  double sum = 0;
  int clubs = 0;
  double weakest = 0;
};

LeagueStart leagueStart(const MLSModule& g, int club) {
  LeagueStart start;
  const int key = leagueKey(g, club);
  for (int c = 1; c <= kLastClub; ++c) {
    if (leagueKey(g, c) != key || outsideItsLeague(g, c)) continue;
    const double then = g.StartingLevel[static_cast<std::size_t>(c)];
    start.sum += then;
    ++start.clubs;
    if (then > 0 && (start.weakest == 0 || then < start.weakest)) start.weakest = then;
  }
  return start;
}

bool hasStartingLevels(const MLSModule& g) { return g.StartingLevel.size() == kLastClub + 1; }

}  // namespace

bool outsideItsLeague(const MLSModule& g, int club) {
  return g.MLSTeamCount > 0 && club > g.MLSTeamCount && club <= kLastMlsNumber;
}

double clubLevel(const MLSModule& g, int club) {
  const std::vector<int> players = namedPlayers(g, club);
  if (players.empty()) return kLeastBest;
  double sum = 0;
  for (int p : players) sum += bestRating(g, p);
  return sum / static_cast<double>(players.size());
}

void keepStartingLevels(MLSModule& g) {
  g.StartingLevel.assign(kLastClub + 1, 0);
  for (int c = 1; c <= kLastClub; ++c) g.StartingLevel[static_cast<std::size_t>(c)] = clubLevel(g, c);
}

double leagueScale(const MLSModule& g, int club) {
  if (!hasStartingLevels(g)) return 1;
  const int key = leagueKey(g, club);
  double now = 0;
  for (int c = 1; c <= kLastClub; ++c) {
    if (leagueKey(g, c) == key && !outsideItsLeague(g, c)) now += clubLevel(g, c);
  }
  const double then = leagueStart(g, club).sum;
  return now > 0 && then > 0 ? then / now : 1;
}

double leagueFloor(const MLSModule& g, int club) { return hasStartingLevels(g) ? leagueStart(g, club).weakest : 0; }

double clubStanding(const MLSModule& g, int club) {
  if (!hasStartingLevels(g)) return 1;
  const LeagueStart start = leagueStart(g, club);
  const double mean = start.clubs > 0 ? start.sum / start.clubs : 0;
  return mean > 0 ? g.StartingLevel[static_cast<std::size_t>(club)] / mean : 1;
}

double fittingNation(const MLSModule& g, int club) {
  std::map<double, int> counts;
  for (int p : namedPlayers(g, club)) ++counts[g.PlayerNation(p)];
  double nation = 0;
  int most = 0;
  for (const auto& [n, count] : counts) {
    if (count > most) {
      nation = n;
      most = count;
    }
  }
  return nation;
}

bool keeperWanted(const MLSModule& g, int club) { return ownKeepers(g, club, true) < kKeepersFloor; }

int youthArea(const MLSModule& g, int club) { return keeperWanted(g, club) ? 0 : neededArea(g, club); }

Newcomer makeYouth(const MLSModule& g, int club, int area, const YouthNames& names) {
  Newcomer who;
  const std::string& first = drawName(*names.first);
  who.name = first + " " + drawName(*names.last);
  const double scale = leagueScale(g, club);
  // Development adds about as much to every player wherever he plays, which
  // levels a division within a decade. Where clubs go up and down, the
  // square of a club's standing at the new game keeps its big clubs big, and
  // relegation, not a floor grown with the division, catches a sunk club.
  const bool relegation = isEnglish(club) || isGerman(club);
  const double standing = relegation ? std::pow(clubStanding(g, club), 2) : 1;
  const double drawn = std::round(clubLevel(g, club) * scale * standing * (kLeastShare + kShareSpread * Rnd()));
  // The floor holds after the share: a floor under the level alone still let
  // the weakest clubs' youths sink to 65% of it, and such a club sank further
  // each season while the rest of its league did not.
  const double floor = relegation ? leagueFloor(g, club) : leagueFloor(g, club) / scale;
  const double best = std::max({kLeastBest, drawn, std::round(floor)});
  const double share = area == 0 ? kKeeperOtherShare : kOtherShare;
  const double spread = area == 0 ? kKeeperOtherSpread : kOtherSpread;
  double* outfield[] = {&who.defence, &who.midfield, &who.attack};
  for (double* rating : outfield) *rating = rounded(best * (share + spread * Rnd()));
  who.keeping = 1;
  if (area == 0) {
    who.keeping = best;
  } else {
    *outfield[area - 1] = best;
  }
  who.nation = fittingNation(g, club);
  who.ageSpan = kYouthAges;
  who.ageFrom = kYouthAgeFrom;
  return who;
}

}  // namespace kervale
