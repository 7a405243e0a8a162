// A season from a new game of the real world, headless: the whole season,
// one matchday with its between-matchday events, and those events alone.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "base/random.h"
#include "bench_new_game.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "shell/main_module.h"
#include "ui/headless/headless_backend.h"
#include "ui/screen.h"

namespace kervale {
namespace {

constexpr int kClub = 60;  // an English club: every league of its calendar runs
constexpr int kRounds = 104;

// The game right after OK on the new-game screen, made once. The user's
// match would wait for the team talk, so the user leaves the club and every
// match runs as a computer match.
const MLSModule* startedGame(std::string& error) {
  static std::unique_ptr<MLSModule> made;
  static std::string failure;
  if (made || !failure.empty()) {
    error = failure;
    return made.get();
  }
  const std::filesystem::path before = std::filesystem::current_path();
  std::error_code ignored;
  std::filesystem::current_path(KERVALE_WORLD_DIR, ignored);
  if (startGameThroughScreens(kClub, 7, true, failure)) {
    made = std::make_unique<MLSModule>(mls());
    made->MyTeam = 0;
  }
  std::filesystem::current_path(before, ignored);
  error = failure;
  return made.get();
}

void restart(const MLSModule& start) {
  replaceGame(std::make_unique<MLSModule>(start));
  rng().seed(11);
  ui::screen<MatchEngine>().betweentally = {};
}

// As the day loop does it: the match screen's load plays the round, then the round moves on.
void playMatchday() {
  MLSModule& g = mls();
  MatchEngine& match = ui::screen<MatchEngine>();
  match.Show();
  match.Unload();
  g.CurrentWeek = g.CurrentWeek + 1;
  if (g.CurrentWeek == 105) g.CurrentWeek = 1;
}

// The started game, or nullptr after marking the case skipped with the reason.
const MLSModule* startedGameOrSkip(benchmark::State& state) {
  std::string error;
  const MLSModule* start = startedGame(error);
  if (start == nullptr) state.SkipWithError(error.c_str());
  return start;
}

void BM_SeasonFromNewGame(benchmark::State& state) {
  const MLSModule* start = startedGameOrSkip(state);
  if (start == nullptr) return;
  for (auto _ : state) {
    state.PauseTiming();
    restart(*start);
    state.ResumeTiming();
    for (int round = 1; round <= kRounds; ++round) playMatchday();
  }
  state.counters["matchday"] =
      benchmark::Counter(kRounds, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["transfers"] = static_cast<double>(ui::screen<MatchEngine>().betweentally.transfers);
}
BENCHMARK(BM_SeasonFromNewGame)->Unit(benchmark::kMillisecond)->Iterations(3);

// The first matchday of the season, events included.
void BM_OneMatchday(benchmark::State& state) {
  const MLSModule* start = startedGameOrSkip(state);
  if (start == nullptr) return;
  for (auto _ : state) {
    state.PauseTiming();
    restart(*start);
    state.ResumeTiming();
    playMatchday();
  }
}
BENCHMARK(BM_OneMatchday)->Unit(benchmark::kMillisecond);

// The between-matchday events alone, after the first matchday.
void BM_BetweenMatchdayEvents(benchmark::State& state) {
  const MLSModule* start = startedGameOrSkip(state);
  if (start == nullptr) return;
  restart(*start);
  playMatchday();
  const auto afterFirst = std::make_unique<MLSModule>(mls());
  MatchEngine& match = ui::screen<MatchEngine>();
  for (auto _ : state) {
    state.PauseTiming();
    restart(*afterFirst);
    state.ResumeTiming();
    match.matchdaydone = true;
    match.Minbox_Click();
  }
}
BENCHMARK(BM_BetweenMatchdayEvents)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kervale
