#pragma once

#include <array>
#include <string>

#include "data/mls_module.h"

namespace kervale {

// The five leagues the season end puts into their final order, and how many
// places of each take part.
inline constexpr std::array<int, 6> kFinalOrderPlaces = {0, 20, 24, 24, 24, 12};

// The final order of leagues 1..5 (the one standings order).
void sortFinalLeagueOrders(MLSModule& g);

// The season's close of the two top English leagues: final orders, the
// Premiership champion recorded, reputations moved by final place.
void closeEnglishTables(MLSModule& g);

// The knock-out tables of the cups and MLS playoffs emptied for next season.
void clearKnockoutTables(MLSModule& g);

// A club's name from a season history; "" for a season the histories do not hold.
template <class Table>
std::string historyClubName(const MLSModule& g, const Table& history, double season) {
  if (season < 0 || season > Table::upper) return "";
  const double club = history(static_cast<int>(season));
  return club >= 0 && club <= kLastClub ? g.TeamName(static_cast<int>(club)) : "";
}

// The summary's four winner lines for the user's part of the world.
std::array<std::string, 4> winnerLines(const MLSModule& g, int userClub);

// The all-star squad: place 1 keeper, 2..4 defenders, 5..8 midfielders,
// 9..11 forwards, each group best average first; club 0 = place left empty.
struct AllStarSquad {
  std::string title;
  std::array<int, 12> slot{};
  std::array<int, 12> club{};
  std::array<double, 12> best{};

  int player(const MLSModule& g, int place) const;
};

// Picks the squad among the players of more than 13 games this season of the
// clubs the user's club looks at. Rating sums are left for the development.
AllStarSquad pickAllStars(const MLSModule& g, int userClub);

}  // namespace kervale
