#include "world_fields.h"

#include <set>
#include <utility>

#include "data/readers/reader_support.h"
#include "data/readers/schedule_file.h"
#include "newgame/new_game_loader.h"
#include "offseason/off_season_files.h"

namespace kervale::edges {

std::vector<Field> readWorldFields(const std::filesystem::path& world) {
  std::vector<Field> fields;
  std::set<std::pair<std::string, std::size_t>> seen;  // files read twice tell twice
  readers::watchCheckedNumbers([&](const readers::CheckedNumber& n) {
    if (!seen.emplace(std::string(n.fileName), n.valueNumber).second) return;
    fields.push_back(
        {std::string(n.fileName), std::string(n.record), n.valueNumber, std::string(n.name), n.value, n.low, n.high});
  });
  LoaderOptions options;
  options.seed = 1;
  loadNewGame(world, {}, options);
  checkLaterFiles(world);
  readSchedule(world, kFixt6Schedule);  // the six-club second phase reads it in play
  readers::watchCheckedNumbers({});
  return fields;
}

}  // namespace kervale::edges
