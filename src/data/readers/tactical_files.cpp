#include "data/readers/tactical_files.h"

#include <algorithm>

#include "base/file_error.h"
#include "base/numbers.h"
#include "data/readers/reader_support.h"

namespace kervale {

using readers::checkWhole;
using readers::openDataFile;
using readers::readText;
using readers::readValue;
using readers::readWholeValue;

TacticsData readTactics(const std::filesystem::path& folder) {
  CsvReader file = openDataFile(folder, "tactics.dat");
  const int count = readWholeValue(file, "TacticCount", "count");
  TacticsData data;
  readers::readRecords(file, count, std::min(count, kMaxTactics), "tactic", [&] {
    data.names.push_back(readText(file, "TacticName", "name"));
    std::array<double, 3> factors{};
    for (double& factor : factors) factor = readValue(file, "TacticFactor", "factor");
    data.factors.push_back(factors);
  });
  return data;
}

void applyTactics(const TacticsData& data, MLSModule& game) {
  game.NumTactics = static_cast<double>(data.names.size());
  for (std::size_t i = 0; i < data.names.size(); ++i) {
    game.TacticName(i + 1) = data.names[i];
    for (int k = 1; k <= 3; ++k) game.TacticFactor(i + 1, k) = data.factors[i][k - 1];
  }
}

FlowsData readFlows(const std::filesystem::path& folder) {
  CsvReader file = openDataFile(folder, "flow.dat");
  const int count = file.nextInt16();
  readers::checkValue(file, count, "NumFlows", "count");
  FlowsData data;
  readers::readRecords(file, count, "flow", [&] {
    FlowData flow;
    flow.name = readText(file, "FlowName", "name");
    for (int table = 1; table <= 4; ++table) {
      for (int side : {2, 1}) {
        for (int zone = 1; zone <= kZones; ++zone) {
          // The match moves the ball to a zone of table 1 without a check.
          const std::string what = (table == 1 ? "next zone of zone " : "weight of zone ") + std::to_string(zone) +
                                   ", side " + std::to_string(side);
          flow.tables[table - 1][side][zone] = readValue(file, table == 1 ? "FlowTable1" : "FlowWeight", what);
        }
      }
    }
    data.flows.push_back(std::move(flow));
  });
  data.pastCount = !file.atEnd();
  return data;
}

void applyFlows(const FlowsData& data, MLSModule& game) {
  Table3<double, 25, 8, 2>* tables[] = {&game.FlowTable1, &game.FlowTable2, &game.FlowTable3, &game.FlowTable4};
  game.NumFlows = static_cast<std::int16_t>(data.flows.size());
  for (std::size_t i = 0; i < data.flows.size(); ++i) {
    const int f = static_cast<int>(i) + 1;
    game.FlowName(f) = data.flows[i].name;
    for (int table = 0; table < 4; ++table) {
      for (int side = 1; side <= 2; ++side) {
        for (int zone = 1; zone <= kZones; ++zone)
          (*tables[table])(zone, f, side) = data.flows[i].tables[table][side][zone];
      }
    }
  }
}

FormationsData readFormations(const std::filesystem::path& folder) {
  CsvReader file = openDataFile(folder, "formation.dat");
  // The set-up draws formations 1..count, so a count past the table is an error.
  const int count = readWholeValue(file, "NumFormations", "count");
  FormationsData data;
  readers::readRecords(file, count, "formation", [&] {
    FormationData formation;
    formation.name = readText(file, "FormationName", "name");
    for (int j = 1; j <= 10; ++j) {
      formation.positions[j - 1] = readWholeValue(file, "FormationPos", "position of slot " + std::to_string(j));
    }
    formation.flow = readWholeValue(file, "FormationFlow", "default flow");
    data.formations.push_back(std::move(formation));
  });
  return data;
}

void applyFormations(const FormationsData& data, MLSModule& game) {
  game.NumFormations = static_cast<double>(data.formations.size());
  for (std::size_t i = 0; i < data.formations.size(); ++i) {
    const FormationData& formation = data.formations[i];
    game.FormationName(i + 1) = formation.name;
    for (int j = 1; j <= 10; ++j) game.FormationPos(i + 1, j) = formation.positions[j - 1];
    game.FormationFlow(i + 1) = formation.flow;
  }
}

PositionsData readPositions(const std::filesystem::path& folder) {
  CsvReader file = openDataFile(folder, "Position.dat");
  const int count = readWholeValue(file, "NumPositions", "count");
  PositionsData data;
  data.rows = readWholeValue(file, "PositionRows", "number of factor rows");
  readers::readRecords(file, count, "position", [&] {
    PositionData position;
    position.name = readText(file, "PositionName", "name");
    position.pickWeight = readValue(file, "PositionPickWeight", "pick weight");
    for (int k = 0; k < 3; ++k) readValue(file, "PositionUnused", "value");  // not kept
    for (int j = 1; j <= data.rows; ++j) {
      std::array<double, 3> row{};
      for (double& factor : row) factor = readValue(file, "PositionFactor", "factor");
      position.factors.push_back(row);
    }
    data.positions.push_back(std::move(position));
  });
  data.pastCount = !file.atEnd();
  return data;
}

void applyPositions(const PositionsData& data, MLSModule& game) {
  game.NumPositions = static_cast<double>(data.positions.size());
  for (std::size_t i = 0; i < data.positions.size(); ++i) {
    const PositionData& position = data.positions[i];
    game.PositionName(i + 1) = position.name;
    game.PositionPickWeight(i + 1) = position.pickWeight;
    for (std::size_t j = 0; j < position.factors.size(); ++j) {
      for (int k = 1; k <= 3; ++k) game.PositionFactor(i + 1, j + 1, k) = position.factors[j][k - 1];
    }
  }
}

namespace {

// A number `used` by a formation (`use` says where) past the `count` of the
// file it refers to.
void refusePastCount(const std::string& countFile, bool countFileGoesOn, int count, const std::string& formation,
                     const std::string& use, int used, const char* things) {
  if (countFileGoesOn) {
    throw FileError(countFile, "count " + std::to_string(count) + " stops short of the values that follow it, and of " +
                                   things + " " + std::to_string(used) + ", the " + use + " of " + formation +
                                   " of formation.dat");
  }
  throw FileError("formation.dat", formation + ": " + use + " " + std::to_string(used) + " is outside 1.." +
                                       std::to_string(count) + " (the " + things + "s of " + countFile + ")");
}

}  // namespace

void checkTacticalFiles(const FlowsData& flows, const FormationsData& formations, const PositionsData& positions) {
  const int numFlows = static_cast<int>(flows.flows.size());
  const int numPositions = static_cast<int>(positions.positions.size());
  for (std::size_t i = 0; i < formations.formations.size(); ++i) {
    const FormationData& formation = formations.formations[i];
    const std::string which = "formation " + std::to_string(i + 1);
    for (int j = 1; j <= 10; ++j) {
      const int position = formation.positions[j - 1];
      if (position > numPositions) {
        refusePastCount("Position.dat", positions.pastCount, numPositions, which,
                        "position of slot " + std::to_string(j), position, "position");
      }
    }
    if (formation.flow > numFlows) {
      refusePastCount("flow.dat", flows.pastCount, numFlows, which, "default flow", formation.flow, "flow");
    }
  }
  // The match looks up the factors of a position by the club's flow.
  if (positions.rows < numFlows) {
    throw FileError("Position.dat", "number of factor rows " + std::to_string(positions.rows) + " is below the " +
                                        std::to_string(numFlows) + " flows of flow.dat");
  }
}

void loadTacticalFiles(const std::filesystem::path& folder, MLSModule& game) {
  TacticsData tactics = readTactics(folder);
  FlowsData flows = readFlows(folder);
  FormationsData formations = readFormations(folder);
  PositionsData positions = readPositions(folder);
  checkTacticalFiles(flows, formations, positions);
  applyTactics(tactics, game);
  applyFlows(flows, game);
  applyFormations(formations, game);
  applyPositions(positions, game);
}

}  // namespace kervale
