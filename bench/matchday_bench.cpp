// One whole matchday of the real world from a saved mid-season state, in a
// round where every league that runs plays: the computer line-ups, every
// match of the round (the user's one watched, with quick simulation), the
// after-match updates and the between-matchday events.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <memory>

#include "base/random.h"
#include "bench_new_game.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "shell/saved_game.h"
#include "standin/stand_in_user.h"
#include "ui/screen.h"

namespace kervale {
namespace {

constexpr int kClub = 1;           // an MLS club: its league and the others of its calendar run
constexpr int kRoundsPlayed = 40;  // from the new game's first round to mid-season

// A new game played forward to mid-season, on to a round where every league
// plays, saved and read back; made once.
const MLSModule& savedMidSeason() {
  static std::unique_ptr<MLSModule> saved;
  if (saved) return *saved;
  startGameThroughScreens(kClub, 5, false);
  rng().seed(3);
  {
    const StandInUser player;
    for (int n = 0; n < kRoundsPlayed; ++n) playMatchday();
    playOnToARoundOfEveryLeague();
  }
  const BenchTempDir folder;
  const std::filesystem::path file = folder.path() / "matchday.usa";
  writeSavedGame(file, mls());
  saved = readSavedGame(file, mls());
  return *saved;
}

void BM_MatchdayMidSeason(benchmark::State& state) {
  guarded(state, [&] {
    const MLSModule& start = savedMidSeason();
    std::uint64_t seed = 1;
    for (auto _ : state) {
      state.PauseTiming();
      replaceGame(std::make_unique<MLSModule>(start));
      rng().seed(seed++);
      const StandInUser player;
      MatchEngine& match = ui::screen<MatchEngine>();
      state.ResumeTiming();
      match.Show();
      match.Unload();
    }
    countMatches(state, start);
  });
}

BENCHMARK(BM_MatchdayMidSeason)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kervale
