// A season from a new game of the real world, headless, with every match a
// computer match: the whole season, one mid-season matchday of every league
// with its between-matchday events, and those events alone.
#include <benchmark/benchmark.h>

#include <memory>

#include "base/random.h"
#include "bench_new_game.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "ui/screen.h"

namespace kervale {
namespace {

constexpr int kClub = 60;  // an English club: every league of its calendar runs
constexpr int kRounds = 104;
constexpr int kRoundsToMidSeason = 14;  // from the English first round (66) past the start of its league

// The game right after OK on the new-game screen, made once. The user's
// match would wait for the team talk, so the user leaves the club and every
// match runs as a computer match.
const MLSModule& startedGame() {
  static std::unique_ptr<MLSModule> made;
  if (!made) {
    made = gameThroughScreens(kClub, 7, true);
    made->MyTeam = 0;
  }
  return *made;
}

void restart(const MLSModule& start) {
  replaceGame(std::make_unique<MLSModule>(start));
  rng().seed(11);
  ui::screen<MatchEngine>().betweentally = {};
}

// The started game played on to a mid-season round where every league plays, made once.
const MLSModule& midSeason() {
  static std::unique_ptr<MLSModule> made;
  if (!made) {
    restart(startedGame());
    for (int round = 1; round <= kRoundsToMidSeason; ++round) playMatchday();
    playOnToARoundOfEveryLeague();
    made = std::make_unique<MLSModule>(mls());
  }
  return *made;
}

void BM_SeasonFromNewGame(benchmark::State& state) {
  guarded(state, [&] {
    const MLSModule& start = startedGame();
    for (auto _ : state) {
      state.PauseTiming();
      restart(start);
      state.ResumeTiming();
      for (int round = 1; round <= kRounds; ++round) playMatchday();
    }
    state.counters["matchday"] =
        benchmark::Counter(kRounds, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["transfers"] = static_cast<double>(ui::screen<MatchEngine>().betweentally.transfers);
  });
}
BENCHMARK(BM_SeasonFromNewGame)->Unit(benchmark::kMillisecond)->Iterations(3);

// A matchday of computer matches in a mid-season round, events included.
void BM_ComputerMatchdayMidSeason(benchmark::State& state) {
  guarded(state, [&] {
    const MLSModule& start = midSeason();
    for (auto _ : state) {
      state.PauseTiming();
      restart(start);
      state.ResumeTiming();
      playMatchday();
    }
    countMatches(state, start);
  });
}
BENCHMARK(BM_ComputerMatchdayMidSeason)->Unit(benchmark::kMillisecond);

// The between-matchday events alone, after that mid-season matchday.
void BM_BetweenMatchdayEventsMidSeason(benchmark::State& state) {
  guarded(state, [&] {
    restart(midSeason());
    playMatchday();
    const auto afterMatchday = std::make_unique<MLSModule>(mls());
    MatchEngine& match = ui::screen<MatchEngine>();
    for (auto _ : state) {
      state.PauseTiming();
      restart(*afterMatchday);
      state.ResumeTiming();
      match.matchdaydone = true;
      match.Minbox_Click();
    }
  });
}
BENCHMARK(BM_BetweenMatchdayEventsMidSeason)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kervale
