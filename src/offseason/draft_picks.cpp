#include "offseason/draft_picks.h"

#include "base/random.h"
#include "data/squad_moves.h"

namespace kervale {

namespace {

bool freeSlot(const MLSModule& g, int slot, int club) {
  const double p = g.TeamSquad(slot, club);
  return p == 0 || g.PlayerName(p).empty();
}

double rating(const PoolPlayer& p, int area) {
  switch (area) {
    case 0:
      return p.keeping;
    case 1:
      return p.defence;
    case 2:
      return p.midfield;
    default:
      return p.forward;
  }
}

}  // namespace

int neededArea(const MLSModule& g, int club) {
  double dsum = 0, msum = 0, fsum = 0;
  bool keeper = false;
  for (int s = 1; s <= 20; ++s) {
    const double p = g.TeamSquad(s, club);
    if (p == 0) continue;  // an empty slot adds nothing and is no keeper
    const double d = g.PlayerDefense(p), m = g.PlayerMidfield(p), f = g.PlayerAttack(p);
    dsum += d;
    msum += m;
    fsum += f;
    const double k = g.PlayerGoalkeeping(p);
    if (k > d && k > m && k > f) keeper = true;
  }
  fsum *= 1.25;
  if (!keeper) return 0;
  if (dsum <= msum && dsum <= fsum) return 1;
  if (dsum > msum && msum <= fsum) return 2;
  return 3;
}

namespace {

// A never-used record's values, but the training factor, which only a new
// game sets.
void resetRecord(MLSModule& g, int p) {
  const double factor = g.PlayerTrainingFactor(p);
  for (double* v :
       {&g.PlayerTeam(p),          &g.PlayerDefense(p),       &g.PlayerMidfield(p),        &g.PlayerAttack(p),
        &g.PlayerAge(p),           &g.PlayerNation(p),        &g.PlayerAggression(p),      &g.PlayerBallControl(p),
        &g.PlayerTackling(p),      &g.PlayerPassing(p),       &g.PlayerShooting(p),        &g.PlayerHeading(p),
        &g.PlayerSpeed(p),         &g.PlayerAwareness(p),     &g.PlayerAttribute14(p),     &g.PlayerAttribute18(p),
        &g.PlayerAttribute20(p),   &g.PlayerBirthMonth(p),    &g.PlayerBirthDay(p),        &g.PlayerWage(p),
        &g.PlayerForm(p),          &g.PlayerContractYears(p), &g.PlayerInjury(p),          &g.PlayerListingMargin(p),
        &g.PlayerGamesSeason(p),   &g.PlayerGamesCareer(p),   &g.PlayerRatingSumSeason(p), &g.PlayerRatingSumCareer(p),
        &g.PlayerRatingSumWeek(p), &g.PlayerGoalsSeason(p),   &g.PlayerGoalsCareer(p),     &g.PlayerAssistsSeason(p),
        &g.PlayerAssistsCareer(p), &g.PlayerShotsOnTarget(p), &g.PlayerTeamOfWeekCount(p)}) {
    *v = 0;
  }
  g.PlayerName(p).clear();
  g.PlayerInjuryText(p).clear();
  g.PlayerGoalkeeping(p) = 0;
  g.PlayerBookings(p) = 0;
  g.PlayerTransferListed(p) = 0;
  g.PlayerShotsSeason(p) = 0;
  for (int col = 0; col <= 5; ++col) g.PlayerInterest(p, col) = 0;
  g.PlayerTrainingFactor(p) = factor;
}

// Born on the day he joins, so his birthdays age him like every other
// player; the date needs no draw, so the draft's draws stay as they were. A
// February 29 becomes the 28th, as the new game does for a data file's player.
void bornToday(MLSModule& g, int p) {
  g.PlayerBirthMonth(p) = g.CurrentMonth;
  g.PlayerBirthDay(p) = g.CurrentMonth == 2 && g.MonthDay > 28 ? 28 : g.MonthDay;
}

}  // namespace

void makeRoomForDraftees(MLSModule& g) {
  int free = 0;
  for (int p = 1; p <= g.NumPlayers; ++p) free += g.PlayerName(p).empty() ? 1 : 0;
  if (free >= kPoolSize) return;
  const int grown = g.NumPlayers + (kPoolSize - free);
  g.NumPlayers = static_cast<MLSModule::Int16>(grown > kLastPlayer ? kLastPlayer : grown);
}

std::vector<bool> heldRecords(const MLSModule& g) {
  std::vector<bool> held(kLastPlayer + 1, false);
  for (int club = 1; club <= kLastClub; ++club) {
    for (int s = 1; s <= 20; ++s) {
      const double p = g.TeamSquad(s, club);
      if (p >= 1 && p <= kLastPlayer) held[static_cast<std::size_t>(p)] = true;
    }
  }
  return held;
}

int firstFreeRecord(const MLSModule& g, const std::vector<bool>& held) {
  for (int p = 1; p <= g.NumPlayers; ++p) {
    if (g.PlayerName(p).empty() && !held[static_cast<std::size_t>(p)]) return p;
  }
  return 0;
}

int computerChoice(const MLSModule& g, int club, const DraftPool& pool) {
  const int area = neededArea(g, club);
  int choice = 0;
  for (int i = 1; i <= kPoolSize; ++i) {
    const PoolPlayer& p = pool[static_cast<std::size_t>(i)];
    if (!p.taken && rating(p, area) > rating(pool[static_cast<std::size_t>(choice)], area)) choice = i;
  }
  return choice;
}

int lastFreeSquadSlot(const MLSModule& g, int club) {
  if (club < 1 || club > kLastClub) return 0;
  for (int s = 20; s >= 1; --s) {
    if (freeSlot(g, s, club)) return s;
  }
  return 0;
}

void makeNewPlayer(MLSModule& g, const Newcomer& who, int club, int slot, int record) {
  resetRecord(g, record);
  g.PlayerName(record) = who.name;
  g.PlayerGoalkeeping(record) = static_cast<float>(who.keeping);
  g.PlayerWage(record) = who.wage;
  g.PlayerDefense(record) = who.defence;
  g.PlayerMidfield(record) = who.midfield;
  g.PlayerAttack(record) = who.attack;
  g.PlayerListingMargin(record) = rng().draw(10, 1);
  g.PlayerAggression(record) = rng().draw(30, 10);
  g.PlayerNation(record) = who.nation;
  g.PlayerForm(record) = 50;
  g.PlayerContractYears(record) = 2;
  g.PlayerAge(record) = rng().draw(who.ageSpan, who.ageFrom);
  bornToday(g, record);
  movePlayer(g, record, club, slot);
}

std::string makePick(MLSModule& g, DraftPool& pool, int k, int club, int slot, int record) {
  PoolPlayer& pick = pool[static_cast<std::size_t>(k)];
  pick.taken = true;
  Newcomer who;
  who.name = pick.name;
  who.keeping = pick.keeping;
  who.defence = pick.defence;
  who.midfield = pick.midfield;
  who.attack = pick.forward;
  makeNewPlayer(g, who, club, slot, record);
  return draftTag(pick) + pick.name + " (" + pick.university + ")";
}

}  // namespace kervale
