#include "offseason/off_season_files.h"

#include "base/file_error.h"
#include "base/numbers.h"
#include "data/readers/reference_files.h"
#include "ui/backend.h"

namespace kervale {

namespace {

constexpr int kMlsGrowth = 2;

const ScheduleLayout* mlsLayout(int clubs) {
  for (const ScheduleLayout* layout : {&kMls10Schedule, &kMls12Schedule, &kMls14Schedule}) {
    if (layout->teams == clubs) return layout;
  }
  return nullptr;
}

// The MLS size the expansion starts from: a game in Expansion Mode starts
// from ten clubs.
int mlsSizeBefore(const MLSModule& game) { return game.ExpansionMode == 1 ? 10 : CInt(game.MLSTeamCount); }

}  // namespace

const Schedule* OffSeasonFiles::mlsSchedule(double clubs) const {
  for (const Schedule& schedule : mlsSchedules) {
    if (schedule.teams == clubs) return &schedule;
  }
  return nullptr;
}

OffSeasonFiles readOffSeasonFiles(const std::filesystem::path& folder, const MLSModule& game) {
  OffSeasonFiles files;
  const int before = mlsSizeBefore(game);
  if (const ScheduleLayout* layout = mlsLayout(before)) files.mlsSchedules.push_back(readSchedule(folder, *layout));
  files.firstNames = readNameList(folder, kUsaFirstNames);
  files.lastNames = readNameList(folder, kUsaLastNames);
  files.leagues = readLeagueSchedules(folder);
  const ScheduleLayout* grown = mlsLayout(before + kMlsGrowth);
  if (grown == nullptr) return files;
  try {
    Schedule schedule = readSchedule(folder, *grown);
    files.expansion = readExpansionFile(folder);
    files.mlsSchedules.push_back(std::move(schedule));
  } catch (const FileError& error) {
    files.expansionProblem = error.what();
  }
  return files;
}

void checkLaterFiles(const std::filesystem::path& folder) {
  for (const ScheduleLayout* layout : {&kMls10Schedule, &kMls12Schedule, &kMls14Schedule})
    readSchedule(folder, *layout);
  readExpansionFile(folder);
  readNameList(folder, kUsaFirstNames);
  readNameList(folder, kUsaLastNames);
  readLeagueSchedules(folder);
}

bool laterFilesUsable(const std::string& refusal) {
  try {
    checkLaterFiles(".");
  } catch (const FileError& error) {
    ui::MsgBox(refusal + ": the data file " + error.fileName() + " is not usable.\r" + error.problem(),
               ui::MsgButtons::OK, ui::MsgIcon::Critical);
    return false;
  }
  return true;
}

}  // namespace kervale
