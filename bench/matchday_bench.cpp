// One whole matchday of the real world from a saved mid-season state: the
// computer line-ups, every match of the round (the user's one watched, with
// quick simulation), the after-match updates and the between-matchday events.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "base/random.h"
#include "bench_new_game.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "shell/main_module.h"
#include "shell/saved_game.h"
#include "standin/stand_in_user.h"
#include "ui/headless/headless_backend.h"
#include "ui/screen.h"

namespace kervale {
namespace {

constexpr int kClub = 1;           // an MLS club: its league and the others of its calendar run
constexpr int kRoundsPlayed = 40;  // from the new game's first round to mid-season

// As the day loop hands it over: the match screen's load plays the round; then the round moves on.
void playMatchday() {
  const StandInUser player;
  MatchEngine& match = ui::screen<MatchEngine>();
  match.Show();
  match.Unload();
  MLSModule& g = mls();
  g.CurrentWeek = g.CurrentWeek >= kLastRound ? 1 : g.CurrentWeek + 1;
}

int matchesOf(const MLSModule& g) {
  int matches = 0;
  for (int c = 1; c <= kLastClub; ++c) {
    if (g.FixtureVenue(c, g.CurrentWeek) == 1 && g.FixtureOpponent(c, g.CurrentWeek) != 0) ++matches;
  }
  return matches;
}

// A new game played forward to mid-season, saved and read back; made once.
const MLSModule* savedMidSeason(std::string& error) {
  static std::unique_ptr<MLSModule> saved;
  static std::string failure;
  if (saved || !failure.empty()) {
    error = failure;
    return saved.get();
  }
  if (!startGameThroughScreens(kClub, 5, false, failure)) {
    error = failure;
    return nullptr;
  }
  rng().seed(3);
  for (int n = 0; n < kRoundsPlayed; ++n) playMatchday();
  while (matchesOf(mls()) == 0) playMatchday();
  try {
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "kervale-matchday-bench.usa";
    writeSavedGame(file, mls());
    saved = readSavedGame(file, mls());
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
  } catch (const std::exception& e) {
    failure = e.what();
  }
  error = failure;
  return saved.get();
}

void BM_MatchdayMidSeason(benchmark::State& state) {
  const std::filesystem::path before = std::filesystem::current_path();
  std::error_code ignored;
  // The game reads its files by bare name from the world folder.
  std::filesystem::current_path(KERVALE_WORLD_DIR, ignored);
  std::string error;
  const MLSModule* start = savedMidSeason(error);
  if (start == nullptr) {
    std::filesystem::current_path(before, ignored);
    state.SkipWithError(error.c_str());
    return;
  }
  std::uint64_t seed = 1;
  for (auto _ : state) {
    state.PauseTiming();
    replaceGame(std::make_unique<MLSModule>(*start));
    rng().seed(seed++);
    const StandInUser player;
    MatchEngine& match = ui::screen<MatchEngine>();
    state.ResumeTiming();
    match.Show();
    match.Unload();
  }
  state.counters["matches"] = matchesOf(*start);
  replaceGame(nullptr);
  std::filesystem::current_path(before, ignored);
}

BENCHMARK(BM_MatchdayMidSeason)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kervale
