#include "team/training_plan.h"

#include <cmath>
#include <string>

namespace kervale {

int storedListPosition(double stored, int listSize) {
  if (!(stored >= 0 && stored < listSize) || stored != std::floor(stored)) return -1;
  return static_cast<int>(stored);
}

const std::string& trainingSlotName(const MLSModule& g, int slot) {
  static const std::string none;
  const double player = g.TeamSquad(slot, g.MyTeam);
  if (!(player >= 1 && player <= kLastPlayer) || player != std::floor(player)) return none;
  return g.PlayerName(player);
}

bool setTrainingGroup(MLSModule& g, int slot, int group) {
  if (slot < 1 || slot > kTrainingSlots || group < 0 || group > kTrainingGroups) return false;
  if (trainingSlotName(g, slot).empty()) return false;
  g.TrainingGroup(slot) = static_cast<std::int16_t>(group);
  return true;
}

void storePlanCell(MLSModule& g, int cell, int type, int intensity) {
  if (cell < 1 || cell > kPlanCells) return;
  if (type >= 0 && type < static_cast<int>(kTrainingTypes.size())) g.TrainingPlanType(cell) = type;
  if (intensity >= 0 && intensity < static_cast<int>(kTrainingIntensities.size())) {
    g.TrainingPlanIntensity(cell) = intensity;
  }
}

void restWholeSquad(MLSModule& g) {
  for (int slot = 1; slot <= kTrainingSlots; ++slot) g.TrainingGroup(slot) = 0;
}

}  // namespace kervale
