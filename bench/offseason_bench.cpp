// The off-season on the real world after a played season: the draft screen's
// load (expansion, season close, pool), the whole draft and Quit.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <system_error>

#include "base/random.h"
#include "bench_new_game.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "offseason/college_draft.h"
#include "shell/main_module.h"
#include "standin/stand_in_user.h"
#include "ui/headless/headless_backend.h"
#include "ui/screen.h"

namespace kervale {
namespace {

constexpr int kClub = 3;  // an MLS club; the user then leaves it, so every pick is the computer's

// The same game just before its last round (41) is played.
std::unique_ptr<MLSModule>& beforeLastRound() {
  static std::unique_ptr<MLSModule> made;
  return made;
}

// A new game of the world played up to the end of its season (round 41), made once.
const MLSModule* playedSeason() {
  static std::unique_ptr<MLSModule> made;
  static bool tried = false;
  if (tried) return made.get();
  tried = true;
  std::string error;
  if (!startGameThroughScreens(kClub, 7, false, error)) return nullptr;
  MLSModule& g = mls();
  g.MyTeam = 0;
  rng().seed(5);
  MatchEngine& match = ui::screen<MatchEngine>();
  while (g.CurrentWeek != 42) {
    if (g.CurrentWeek == 41) beforeLastRound() = std::make_unique<MLSModule>(g);
    match.Show();
    match.Unload();
    g.CurrentWeek = g.CurrentWeek == 104 ? 1 : g.CurrentWeek + 1;
  }
  made = std::make_unique<MLSModule>(g);
  return made.get();
}

void BM_OffSeasonDraft(benchmark::State& state) {
  const std::filesystem::path before = std::filesystem::current_path();
  std::error_code ignored;
  std::filesystem::current_path(KERVALE_WORLD_DIR, ignored);
  const MLSModule* start = playedSeason();
  if (start == nullptr) {
    state.SkipWithError("the new game did not start");
  } else {
    CollegeDraft& draft = ui::screen<CollegeDraft>();
    for (auto _ : state) {
      state.PauseTiming();
      replaceGame(std::make_unique<MLSModule>(*start));
      rng().seed(9);
      state.ResumeTiming();
      showCollegeDraft();
      draft.Command2.userClick();
      draft.Command1.userClick();
    }
    state.counters["drafted"] = draft.summary().drafted;
    state.counters["retired"] = draft.summary().retired;
  }
  std::filesystem::current_path(before, ignored);
}
BENCHMARK(BM_OffSeasonDraft)->Unit(benchmark::kMillisecond);

// The press that plays round 41 and ends the season, to the hub: summary,
// draft, roll-over and next season's grid, with the stand-in player.
void BM_SeasonEndPress(benchmark::State& state) {
  const std::filesystem::path before = std::filesystem::current_path();
  std::error_code ignored;
  std::filesystem::current_path(KERVALE_WORLD_DIR, ignored);
  if (playedSeason() == nullptr || !beforeLastRound()) {
    state.SkipWithError("the new game did not start");
  } else {
    const StandInUser player;
    MainModule& hub = ui::screen<MainModule>();
    for (auto _ : state) {
      state.PauseTiming();
      replaceGame(std::make_unique<MLSModule>(*beforeLastRound()));
      mls().WeekDay = 3;  // the next press plays the round
      rng().seed(9);
      hub.Show();
      state.ResumeTiming();
      hub.PlayGamesBUtton.userClick();
    }
    state.counters["week"] = mls().CurrentWeek;
    state.counters["season"] = mls().CurrentSeason;
    if (hub.loaded()) hub.Unload();
  }
  std::filesystem::current_path(before, ignored);
}
BENCHMARK(BM_SeasonEndPress)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kervale
