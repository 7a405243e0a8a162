#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "data/mls_module.h"

namespace kervale {

// Readers of the tactical files: read...() parses and checks a whole file,
// apply...() writes it into a game and cannot fail.

inline constexpr int kMaxTactics = 30;
inline constexpr int kZones = 25;

// "tactics.dat": N, then (name, three factors) per tactic; only the first 30
// are read and the rest of the file is ignored.
struct TacticsData {
  std::vector<std::string> names;  // tactic t at t - 1
  std::vector<std::array<double, 3>> factors;
};
TacticsData readTactics(const std::filesystem::path& folder);
void applyTactics(const TacticsData& data, MLSModule& game);

// "flow.dat": N (1..8), then per flow its name and 200 zone values.
struct FlowData {
  std::string name;
  // tables[T - 1][side][zone], side 1 or 2 and zone 1..25 (index 0 unused).
  std::array<std::array<std::array<double, kZones + 1>, 3>, 4> tables{};
};
struct FlowsData {
  std::vector<FlowData> flows;  // flow f at f - 1
  bool pastCount = false;       // the file holds more values after the last flow
};
FlowsData readFlows(const std::filesystem::path& folder);
void applyFlows(const FlowsData& data, MLSModule& game);

// "formation.dat": N (1..50), then (name, ten position numbers, default flow)
// per formation. Position numbers must be 1..24 and flows 1..8 here; the
// counts of the other files are checked by checkTacticalFiles.
struct FormationData {
  std::string name;
  std::array<int, 10> positions{};  // outfield slot j at j - 1
  int flow = 0;
};
struct FormationsData {
  std::vector<FormationData> formations;  // formation f at f - 1
};
FormationsData readFormations(const std::filesystem::path& folder);
void applyFormations(const FormationsData& data, MLSModule& game);

// "Position.dat": N (1..24) and M factor rows (1..8), then per position the
// name, pick weight, three values not kept and M x 3 factors.
struct PositionData {
  std::string name;
  double pickWeight = 0;
  std::vector<std::array<double, 3>> factors;  // row j at j - 1
};
struct PositionsData {
  int rows = 0;
  std::vector<PositionData> positions;  // position p at p - 1
  bool pastCount = false;               // the file holds more values after the last position
};
PositionsData readPositions(const std::filesystem::path& folder);
void applyPositions(const PositionsData& data, MLSModule& game);

// The files together: every formation position within NumPositions, every
// default flow within NumFlows, and a factor row for every flow. A formation
// past a count is refused in formation.dat, unless the count's file goes on
// past its count: then the count falls short and that file is refused.
void checkTacticalFiles(const FlowsData& flows, const FormationsData& formations, const PositionsData& positions);

// All four files, checked together, then written into the game.
void loadTacticalFiles(const std::filesystem::path& folder, MLSModule& game);

}  // namespace kervale
