#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data/readers/expansion_file.h"
#include "data/readers/schedule_file.h"
#include "newgame/season_fixtures.h"

namespace kervale {

// Every file the off-season reads, read once before anything changes.
struct OffSeasonFiles {
  // Empty when "mlsexp.dat" cannot be used; expansionProblem then says why.
  std::optional<std::vector<ExpansionRecord>> expansion;
  std::string expansionProblem;
  Schedule mls10;
  Schedule mls12;
  Schedule mls14;
  std::vector<std::string> firstNames;
  std::vector<std::string> lastNames;
  LeagueSchedules leagues;  // next season's grid
};

// FileError naming the file when a schedule or a name file cannot be used; a bad expansion
// file only leaves `expansion` empty.
OffSeasonFiles readOffSeasonFiles(const std::filesystem::path& folder);

}  // namespace kervale
