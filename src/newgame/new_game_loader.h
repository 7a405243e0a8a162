#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "data/mls_module.h"
#include "data/table.h"

namespace kervale {

using LoaderProgress = std::function<void(const std::string& caption)>;

// What the loader fills for the new-game screen besides the shared tables.
struct NewGameScreenTables {
  // Clubs in the order the team buttons page through them (positions 1..250 used).
  Table1<double, 400> TeamPickList{"TeamPickList"};
  // Squad averages behind the strength bars.
  Table1<std::int16_t, kLastClub> DefenseStrength{"DefenseStrength"};
  Table1<std::int16_t, kLastClub> MidfieldStrength{"MidfieldStrength"};
  Table1<std::int16_t, kLastClub> AttackStrength{"AttackStrength"};
  Table1<std::int16_t, kLastClub> OverallStrength{"OverallStrength"};
};

struct LoaderOptions {
  // Seeds the generator with this value instead of the clock (tests, the runner).
  std::optional<std::uint64_t> seed;
  // Filled when given.
  NewGameScreenTables* screenTables = nullptr;
};

// A player's wage (k) by the new game's rule for his club and rating sum.
double newGameWage(const MLSModule& game, int player);

// Runs the new-game loader on the data files in `folder` into a fresh game and returns it
// (the running game is untouched); throws FileError naming the file on a bad file.
std::unique_ptr<MLSModule> loadNewGame(const std::filesystem::path& folder, const LoaderProgress& progress = {});
std::unique_ptr<MLSModule> loadNewGame(const std::filesystem::path& folder, const LoaderProgress& progress,
                                       const LoaderOptions& options);

}  // namespace kervale
