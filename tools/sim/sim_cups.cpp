#include "sim_cups.h"

#include <string>
#include <vector>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "matchday/cups.h"

namespace kervale::sim {

namespace {

template <class Table>
std::vector<int> clubsIn(const Table& teams, int n) {
  std::vector<int> clubs;
  for (int i = 1; i <= n; ++i) {
    if (teams(i) != 0) clubs.push_back(CInt(teams(i)));
  }
  return clubs;
}

void printRound(std::ostream& out, const std::string& key, const std::string& round, const std::vector<int>& clubs) {
  const MLSModule& g = mls();
  out << key << "=" << round << ":";
  for (std::size_t i = 0; i < clubs.size(); ++i) out << (i == 0 ? " " : ", ") << g.TeamName(clubs[i]);
  out << "\n";
}

// The winner of a played final, 0 while it is not played.
int finalWinner(int first, int second, const Variant& firstGoals, const Variant& secondGoals) {
  if (firstGoals.isEmpty() || secondGoals.isEmpty() || firstGoals == secondGoals) return 0;
  return firstGoals > secondGoals ? first : second;
}

void printUSOpenCup(std::ostream& out) {
  const MLSModule& g = mls();
  struct Round {
    const char* name;
    std::vector<int> clubs;
  };
  const Round rounds[] = {{"Final", clubsIn(g.USCupFinalTeam, 2)},
                          {"Semi-finals", clubsIn(g.USCupSemiTeam, 4)},
                          {"Quarter-finals", clubsIn(g.USCupRound4Team, 8)},
                          {"Round of 16", clubsIn(g.USCupRound3Team, 16)},
                          {"Round of 32", clubsIn(g.USCupRound2Team, 32)}};
  for (const Round& r : rounds) {
    if (r.clubs.empty()) continue;
    printRound(out, "us_open_cup", r.name, r.clubs);
    break;
  }
  const int winner =
      finalWinner(CInt(g.USCupFinalTeam(1)), CInt(g.USCupFinalTeam(2)), g.USCupFinalResult(1), g.USCupFinalResult(2));
  if (winner != 0) out << "us_open_cup_winner=" << g.TeamName(winner) << "\n";
}

void printEnglishCup(std::ostream& out) {
  const MLSModule& g = mls();
  const std::vector<int> third = clubsIn(g.USCupRound2Team, 32);
  const std::vector<int> second = clubsIn(g.USCupRound1Team, 64);
  if (!third.empty()) {
    printRound(out, "english_cup", "Third stage", third);
  } else if (!second.empty()) {
    printRound(out, "english_cup", "Second stage", second);
  }
}

void printPlayoffs(std::ostream& out) {
  const MLSModule& g = mls();
  std::vector<int> finalists;
  for (double club : {g.MLSFinalTeam1, g.MLSFinalTeam2}) {
    if (club != 0) finalists.push_back(CInt(club));
  }
  const std::vector<int> conference = clubsIn(g.PlayoffSFTeam, 4);
  const std::vector<int> quarters = clubsIn(g.PlayoffQFTeam, 8);
  if (!finalists.empty()) {
    printRound(out, "mls_playoffs", "Final", finalists);
  } else if (!conference.empty()) {
    printRound(out, "mls_playoffs", "Conference finals", conference);
  } else if (!quarters.empty()) {
    printRound(out, "mls_playoffs", "Quarter-finals", quarters);
  }
  const int champion = finalWinner(CInt(g.MLSFinalTeam1), CInt(g.MLSFinalTeam2), g.MLSFinalScore1, g.MLSFinalScore2);
  if (champion != 0) out << "mls_champion=" << g.TeamName(champion) << "\n";
}

}  // namespace

void printCupWinners(std::ostream& out) {
  const MLSModule& g = mls();
  if (keepsUSOpenCup(g)) printUSOpenCup(out);
  if (keepsEnglishCup(g)) printEnglishCup(out);
  if (runsMLSPlayoffs(g)) printPlayoffs(out);
}

}  // namespace kervale::sim
