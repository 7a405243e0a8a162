#include "offseason/youth_intake.h"

#include <algorithm>

#include "data/news.h"
#include "data/squad_floor.h"
#include "data/squad_moves.h"
#include "newgame/new_game_loader.h"
#include "offseason/draft_picks.h"
#include "offseason/youth_player.h"
#include "team/line_up.h"

namespace kervale {

namespace {

constexpr int kLastNorthAmericanClub = 52;
constexpr double kDraftWage = 120;

// A free record no squad holds, else the next record past NumPlayers; 0 when
// the table is full.
int recordForYouth(MLSModule& g, const std::vector<bool>& held) {
  if (const int p = firstFreeRecord(g, held)) return p;
  while (g.NumPlayers < kLastPlayer) {
    ++g.NumPlayers;
    const int p = g.NumPlayers;
    if (g.PlayerName(p).empty() && !held[static_cast<std::size_t>(p)]) return p;
  }
  return 0;
}

// One pass of youths over the clubs: the names of each area, the records held.
struct Intake {
  YouthNames northAmerican;
  YouthNames others;
  std::vector<bool> held;
  std::vector<int> made;
};

// A list pair with both lists filled, else `otherwise`.
YouthNames namesOr(const std::vector<std::string>& first, const std::vector<std::string>& last,
                   const YouthNames& otherwise) {
  return !first.empty() && !last.empty() ? YouthNames{&first, &last} : otherwise;
}

// Gives one club youths while it has fewer than `players` of its own (or,
// with `keepers`, too few fit keepers) and a slot is free; false when no
// record is left.
bool fillClub(MLSModule& g, int club, int players, bool keepers, Intake& intake) {
  const YouthNames& names = club <= kLastNorthAmericanClub ? intake.northAmerican : intake.others;
  while (namedSquadPlayers(g, club, true) < players || (keepers && keeperWanted(g, club))) {
    const int slot = firstFreeSquadSlot(g, club);
    if (slot == 0) return true;
    const int record = recordForYouth(g, intake.held);
    if (record == 0) return false;
    makeNewPlayer(g, makeYouth(g, club, youthArea(g, club), names), club, slot, record);
    // A draftee's wage, but never above what the club pays such a player.
    g.PlayerWage(record) = std::min(kDraftWage, newGameWage(g, record));
    intake.held[static_cast<std::size_t>(record)] = true;
    intake.made.push_back(record);
    if (club == g.MyTeam) addClubNews(g, g.PlayerName(record) + " joins the squad from the youth team.");
  }
  return true;
}

}  // namespace

std::vector<int> runYouthIntake(MLSModule& g, const std::vector<std::string>& usaFirst,
                                const std::vector<std::string>& usaLast) {
  const YouthNames northAmerican{&usaFirst, &usaLast};
  Intake intake{northAmerican, namesOr(g.YouthFirstNames, g.YouthLastNames, northAmerican), heldRecords(g), {}};
  for (int club = 1; club <= kLastIntakeClub; ++club) {
    // Youths of a club that plays no league would never play, so never grow:
    // an MLS expansion would open with a squad seasons behind the league.
    if (outsideItsLeague(g, club)) continue;
    if (!fillClub(g, club, kSquadFloor, true, intake)) break;
  }
  return intake.made;
}

std::vector<int> callUpYouths(MLSModule& g) {
  const YouthNames none;
  const YouthNames english = namesOr(g.YouthFirstNames, g.YouthLastNames, none);
  const YouthNames northAmerican = namesOr(g.UsaFirstNames, g.UsaLastNames, english);
  Intake intake{northAmerican, english.first != nullptr ? english : northAmerican, {}, {}};
  if (intake.others.first == nullptr) return {};
  for (int club = 1; club <= kLastIntakeClub; ++club) {
    const int floor = squadFloor(g, club);
    if (club == g.MyTeam || outsideItsLeague(g, club) || namedSquadPlayers(g, club, true) >= floor) continue;
    if (intake.held.empty()) intake.held = heldRecords(g);
    if (!fillClub(g, club, floor, false, intake)) break;
  }
  return intake.made;
}

}  // namespace kervale
