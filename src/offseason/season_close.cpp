#include "offseason/season_close.h"

#include <type_traits>

#include "base/numbers.h"
#include "base/random.h"
#include "data/squad_moves.h"
#include "ui/backend.h"

namespace kervale {

namespace {

constexpr int kLastClosedClub = 237;

bool isRecord(double p) { return p >= 1 && p <= kLastPlayer; }

void develop(MLSModule& g, int p) {
  const double games = g.PlayerGamesSeason(p);
  if (games <= 0) return;
  const double goals = g.PlayerGoalsSeason(p);
  if (goals < 0) {
    g.PlayerGoalkeeping(p) = static_cast<float>(g.PlayerGoalkeeping(p) + (2 - goals / games) * 0.8);
    return;
  }
  double amount = Rnd() * (g.PlayerRatingSumSeason(p) / games + g.PlayerAssistsSeason(p) / 10 + goals / 10);
  const double d = Rnd() * amount;
  g.PlayerDefense(p) += d;
  amount -= d;
  const double m = Rnd() * amount;
  g.PlayerMidfield(p) += m;
  amount -= m;
  g.PlayerAttack(p) += amount;
}

// A rating that falls to exactly 0 goes back to 1; below 0 it stops at 0.
template <class T>
void decline(T& rating) {
  rating = rating - T{1};
  if (rating == T{0}) {
    rating = T{1};
  } else if (rating < T{0}) {
    rating = T{0};
  }
}

void retire(MLSModule& g, int club, int slot, int p) {
  if (club == g.MyTeam && !g.PlayerName(p).empty()) {
    ui::MsgBox(g.PlayerName(p) + " has retired at the age of " + numText(g.PlayerAge(p)), ui::MsgButtons::OK,
               ui::MsgIcon::Information, "Going to the Old Folks home");
  }
  movePlayer(g, p, 0, 0);
  clearRetiredPlayer(g, p);
  g.TeamSquad(slot, club) = 0;  // also when his club number had gone astray
}

// Decline or retirement above 32; true when he retired.
bool ageStep(MLSModule& g, int club, int slot, int p) {
  const double age = g.PlayerAge(p);
  if (age <= 32) return false;
  if (Int(Rnd() * (41 - age)) == 0) {
    retire(g, club, slot, p);
    return true;
  }
  decline(g.PlayerGoalkeeping(p));
  decline(g.PlayerDefense(p));
  decline(g.PlayerMidfield(p));
  decline(g.PlayerAttack(p));
  return false;
}

void clearSeasonFigures(MLSModule& g, int p) {
  g.PlayerGamesSeason(p) = 0;
  g.PlayerGoalsSeason(p) = 0;
  g.PlayerAssistsSeason(p) = 0;
  g.PlayerShotsSeason(p) = 0;
  g.PlayerRatingSumSeason(p) = 0;
}

}  // namespace

void clearRetiredSlots(MLSModule& g) {
  for (int club = 1; club <= kLastClosedClub; ++club) {
    for (int slot = 1; slot <= 20; ++slot) {
      const double p = g.TeamSquad(slot, club);
      if (p == 0 || !isRecord(p) || !g.PlayerName(p).empty()) continue;
      if (g.PlayerTeam(p) == club) movePlayer(g, static_cast<int>(p), 0, 0);
      g.TeamSquad(slot, club) = 0;
    }
  }
}

int closeSeason(MLSModule& g) {
  int retired = 0;
  for (int club = 1; club <= kLastClosedClub; ++club) {
    for (int slot = 1; slot <= 20; ++slot) {
      const double held = g.TeamSquad(slot, club);
      if (!isRecord(held) || g.PlayerName(held).empty()) continue;
      const int p = static_cast<int>(held);
      develop(g, p);
      if (ageStep(g, club, slot, p)) ++retired;
      clearSeasonFigures(g, p);
      if (g.PlayerContractYears(p) > 0) g.PlayerContractYears(p) -= 1;
    }
  }
  // Record 0 stands in every empty slot: a keeperless club's conceded goals
  // count down its goals, and its shots count up. Its season starts again
  // too, or the counts would grow past any range over many seasons.
  clearSeasonFigures(g, 0);
  return retired;
}

}  // namespace kervale
