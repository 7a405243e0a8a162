// The off-season on the real world after a played season: the draft screen's
// load (expansion, season close, pool), the whole draft and Quit.
#include <benchmark/benchmark.h>

#include <memory>

#include "base/random.h"
#include "bench_new_game.h"
#include "data/mls_module.h"
#include "offseason/college_draft.h"
#include "shell/main_module.h"
#include "standin/stand_in_user.h"
#include "ui/screen.h"

namespace kervale {
namespace {

constexpr int kClub = 3;  // an MLS club; the user then leaves it, so every pick is the computer's

struct PlayedSeason {
  std::unique_ptr<MLSModule> beforeLastRound;  // just before round 41 is played
  std::unique_ptr<MLSModule> ended;            // round 41 played: the season is over
};

// A new game of the world played up to the end of its season, made once.
const PlayedSeason& playedSeason() {
  static PlayedSeason made;
  if (made.ended) return made;
  startGameThroughScreens(kClub, 7, false);
  MLSModule& g = mls();
  g.MyTeam = 0;
  rng().seed(5);
  while (g.CurrentWeek != 42) {
    if (g.CurrentWeek == 41) made.beforeLastRound = std::make_unique<MLSModule>(g);
    playMatchday();
  }
  made.ended = std::make_unique<MLSModule>(g);
  return made;
}

void BM_OffSeasonDraft(benchmark::State& state) {
  guarded(state, [&] {
    const MLSModule& start = *playedSeason().ended;
    CollegeDraft& draft = ui::screen<CollegeDraft>();
    for (auto _ : state) {
      state.PauseTiming();
      replaceGame(std::make_unique<MLSModule>(start));
      rng().seed(9);
      state.ResumeTiming();
      showCollegeDraft();
      draft.Command2.userClick();
      draft.Command1.userClick();
    }
    state.counters["drafted"] = draft.summary().drafted;
    state.counters["retired"] = draft.summary().retired;
  });
}
BENCHMARK(BM_OffSeasonDraft)->Unit(benchmark::kMillisecond);

// The press that plays round 41 and ends the season, to the hub: summary,
// draft, roll-over and next season's grid, with the stand-in player.
void BM_SeasonEndPress(benchmark::State& state) {
  guarded(state, [&] {
    const MLSModule& start = *playedSeason().beforeLastRound;
    const StandInUser player;
    MainModule& hub = ui::screen<MainModule>();
    for (auto _ : state) {
      state.PauseTiming();
      replaceGame(std::make_unique<MLSModule>(start));
      mls().WeekDay = 3;  // the next press plays the round
      rng().seed(9);
      hub.Show();
      state.ResumeTiming();
      hub.PlayGamesBUtton.userClick();
    }
    state.counters["week"] = mls().CurrentWeek;
    state.counters["season"] = mls().CurrentSeason;
    if (hub.loaded()) hub.Unload();
  });
}
BENCHMARK(BM_SeasonEndPress)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kervale
