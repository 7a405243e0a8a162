#include "offseason/youth_intake.h"

#include <algorithm>

#include "data/news.h"
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

// Fills one club, and gives it its keepers while a slot is free; false when no
// record is left.
bool fillClub(MLSModule& g, int club, const YouthNames& names, std::vector<bool>& held, std::vector<int>& made) {
  while (namedSquadPlayers(g, club, true) < kIntakeSquad || keeperWanted(g, club)) {
    const int slot = firstFreeSquadSlot(g, club);
    if (slot == 0) return true;
    const int record = recordForYouth(g, held);
    if (record == 0) return false;
    makeNewPlayer(g, makeYouth(g, club, youthArea(g, club), names), club, slot, record);
    // A draftee's wage, but never above what the club pays such a player.
    g.PlayerWage(record) = std::min(kDraftWage, newGameWage(g, record));
    held[static_cast<std::size_t>(record)] = true;
    made.push_back(record);
    if (club == g.MyTeam) addClubNews(g, g.PlayerName(record) + " joins the squad from the youth team.");
  }
  return true;
}

}  // namespace

std::vector<int> runYouthIntake(MLSModule& g, const std::vector<std::string>& usaFirst,
                                const std::vector<std::string>& usaLast) {
  const YouthNames northAmerican{&usaFirst, &usaLast};
  const bool ownNames = !g.YouthFirstNames.empty() && !g.YouthLastNames.empty();
  const YouthNames youth = ownNames ? YouthNames{&g.YouthFirstNames, &g.YouthLastNames} : northAmerican;
  std::vector<bool> held = heldRecords(g);
  std::vector<int> made;
  for (int club = 1; club <= kLastIntakeClub; ++club) {
    // Youths of a club that plays no league would never play, so never grow:
    // an MLS expansion would open with a squad seasons behind the league.
    if (outsideItsLeague(g, club)) continue;
    const YouthNames& names = club <= kLastNorthAmericanClub ? northAmerican : youth;
    if (!fillClub(g, club, names, held, made)) break;
  }
  return made;
}

}  // namespace kervale
