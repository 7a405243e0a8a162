#include "offseason/off_season_files.h"

#include "base/file_error.h"
#include "data/readers/reference_files.h"

namespace kervale {

OffSeasonFiles readOffSeasonFiles(const std::filesystem::path& folder) {
  OffSeasonFiles files;
  files.mls10 = readSchedule(folder, kMls10Schedule);
  files.mls12 = readSchedule(folder, kMls12Schedule);
  files.mls14 = readSchedule(folder, kMls14Schedule);
  files.firstNames = readNameList(folder, kUsaFirstNames);
  files.lastNames = readNameList(folder, kUsaLastNames);
  files.leagues = readLeagueSchedules(folder);
  try {
    files.expansion = readExpansionFile(folder);
  } catch (const FileError& error) {
    files.expansionProblem = error.what();
  }
  return files;
}

}  // namespace kervale
