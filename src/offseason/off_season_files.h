#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data/mls_module.h"
#include "data/readers/expansion_file.h"
#include "data/readers/schedule_file.h"
#include "newgame/season_fixtures.h"

namespace kervale {

// The files one season end reads: only those it needs, read before anything
// changes.
struct OffSeasonFiles {
  // The MLS expansion's records; empty when the MLS cannot grow this
  // off-season, or when one of its files cannot be used (expansionProblem
  // then says which and why).
  std::optional<std::vector<ExpansionRecord>> expansion;
  std::string expansionProblem;
  // The MLS schedule of the current size and, with the expansion's records,
  // that of the size after it.
  std::vector<Schedule> mlsSchedules;
  std::vector<std::string> firstNames;
  std::vector<std::string> lastNames;
  LeagueSchedules leagues;  // next season's grid

  // The schedule of an MLS of `clubs` clubs; null when none was read.
  const Schedule* mlsSchedule(double clubs) const;
};

// FileError naming the file when a file every season end needs cannot be
// used; a bad expansion file or schedule of a larger MLS only leaves
// `expansion` empty.
OffSeasonFiles readOffSeasonFiles(const std::filesystem::path& folder, const MLSModule& game);

// Reads every file a season end may need (the MLS schedules of every size,
// the expansion file, the draft's name lists, the league schedules), so that
// a running game never meets a bad one. FileError naming the first file that
// cannot be used.
void checkLaterFiles(const std::filesystem::path& folder);

// checkLaterFiles on the working folder; when a file cannot be used, a box
// says `refusal` + ": the data file X is not usable." and why, and false.
bool laterFilesUsable(const std::string& refusal);

}  // namespace kervale
