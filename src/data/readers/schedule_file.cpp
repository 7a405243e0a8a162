#include "data/readers/schedule_file.h"

#include "data/readers/reader_support.h"

namespace kervale {

Schedule readSchedule(const std::filesystem::path& folder, const ScheduleLayout& layout) {
  CsvReader file = readers::openDataFile(folder, layout.fileName);
  Schedule schedule{layout.fileName, layout.teams, layout.rounds, {}};
  schedule.values.reserve(static_cast<std::size_t>(layout.teams) * layout.rounds);
  std::vector<int> seenIn(static_cast<std::size_t>(layout.teams) + 1, 0);
  for (int round = 1; round <= layout.rounds; ++round) {
    readers::inRecord("round " + std::to_string(round), [&] {
      for (int k = 0; k < layout.teams; ++k) {
        const int team = readers::readWhole(file, 1, layout.teams, "team");
        if (seenIn[team] == round) file.fail("team " + std::to_string(team) + " appears twice");
        seenIn[team] = round;
        schedule.values.push_back(team);
      }
    });
  }
  return schedule;
}

}  // namespace kervale
