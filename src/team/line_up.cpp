#include "team/line_up.h"

#include <cstdint>
#include <utility>

#include "base/numbers.h"

namespace kervale {

namespace {

constexpr int kSquadSlots = 20;
constexpr int kSavedSlots = 3;  // the three numbered slots; 0 is "Save"'s own
constexpr int kLastPushUp = 3;
constexpr const char* kPushUpCaptions[] = {"Push Up: Never", "Push Up: Rarely", "Push Up: Moderately",
                                           "Push Up: Always"};

bool isClub(int club) { return club >= 1 && club <= kLastClub; }
bool isSlot(int slot) { return slot >= 1 && slot <= kSquadSlots; }

}  // namespace

int squadPlayer(const MLSModule& g, int club, int slot) {
  if (!isClub(club) || !isSlot(slot)) return 0;
  const double player = g.TeamSquad(slot, club);
  if (!(player >= 1 && player <= g.NumPlayers && player <= kLastPlayer)) return 0;
  const int p = static_cast<int>(player);
  return p == player && !g.PlayerName(p).empty() ? p : 0;
}

bool exchangeSquadSlots(MLSModule& g, int club, int first, int second) {
  if (!isClub(club) || !isSlot(first) || !isSlot(second) || first == second) return false;
  std::swap(g.TeamSquad(first, club), g.TeamSquad(second, club));
  return true;
}

void nextTactic(MLSModule& g, int club) {
  if (!isClub(club)) return;
  double& tactic = g.TeamTactic(club);
  tactic += 1;
  if (tactic > g.NumTactics) tactic = 1;
}

void nextFlow(MLSModule& g, int club) {
  if (!isClub(club)) return;
  std::int16_t& flow = g.TeamFlow(club);
  flow = flow + 1 > g.NumFlows ? 1 : static_cast<std::int16_t>(flow + 1);
}

void nextPushUp(MLSModule& g, int club) {
  if (!isClub(club)) return;
  double& pushUp = g.TeamPushUp(club);
  pushUp += 1;
  if (pushUp > kLastPushUp) pushUp = 0;
}

std::string pushUpCaption(double pushUp) {
  for (int i = 0; i <= kLastPushUp; ++i) {
    if (pushUp == i) return kPushUpCaptions[i];
  }
  return "";
}

void saveTacticSlot(MLSModule& g, int club, int slot) {
  if (!isClub(club) || slot < 0 || slot > kSavedSlots) return;
  g.SavedTactic(slot) = CInt(g.TeamTactic(club));
  g.SavedFlow(slot) = g.TeamFlow(club);
}

bool loadTacticSlot(MLSModule& g, int club, int slot) {
  if (!isClub(club) || slot < 1 || slot > kSavedSlots) return false;
  if (g.SavedTactic(slot) == 0 || g.SavedFlow(slot) == 0) return false;
  g.TeamTactic(club) = g.SavedTactic(slot);
  g.TeamFlow(club) = static_cast<std::int16_t>(g.SavedFlow(slot));
  return true;
}

bool applyFormation(MLSModule& g, int club, int formation) {
  if (!isClub(club) || formation < 0 || formation > g.NumFormations) return false;
  if (formation > decltype(g.FormationPos)::upper1) return false;
  g.TeamFormation(club) = formation;
  for (int j = 1; j <= 10; ++j) g.TeamPosition(j, club) = formation == 0 ? 0 : g.FormationPos(formation, j);
  return true;
}

void storePositions(MLSModule& g, int club, const PositionCodes& codes) {
  if (!isClub(club)) return;
  for (int j = 1; j <= 10; ++j) g.TeamPosition(j, club) = codes[j - 1];
}

int firstEmptyStarterSlot(const MLSModule& g, int club) {
  for (int slot = 1; slot <= 11; ++slot) {
    if (squadPlayer(g, club, slot) == 0) return slot;
  }
  return 0;
}

}  // namespace kervale
