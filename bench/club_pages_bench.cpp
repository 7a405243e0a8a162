// The portal's transfer and free-transfer lists over every player record, and
// a team-statistics refresh over all 285 clubs, on the real world at
// mid-season.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <system_error>

#include "base/random.h"
#include "bench_new_game.h"
#include "club/team_stats.h"
#include "club/website.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "shell/main_module.h"
#include "standin/stand_in_user.h"
#include "ui/headless/headless_backend.h"
#include "ui/screen.h"

namespace kervale {
namespace {

constexpr int kRoundsPlayed = 40;

// A new game of club 1 played forward forty rounds; false when it did not start.
bool midSeason() {
  const std::filesystem::path before = std::filesystem::current_path();
  std::error_code ignored;
  std::filesystem::current_path(KERVALE_WORLD_DIR, ignored);
  std::string error;
  startGameThroughScreens(1, 5, false, error);
  rng().seed(3);
  for (int n = 0; n < kRoundsPlayed && mls().MyTeam == 1; ++n) {
    const StandInUser player;
    ui::screen<MatchEngine>().Show();
    ui::screen<MatchEngine>().Unload();
    mls().CurrentWeek = mls().CurrentWeek >= kLastRound ? 1 : mls().CurrentWeek + 1;
  }
  std::filesystem::current_path(before, ignored);
  return mls().MyTeam == 1;
}

bool ready() {
  static const bool made = midSeason();
  return made;
}

template <class Step>
void run(benchmark::State& state, Step step) {
  if (!ready()) {
    state.SkipWithError("the new game did not start");
    return;
  }
  for (auto _ : state) step();
}

void BM_PortalTransferList(benchmark::State& state) {
  Website& site = ui::screen<Website>();
  site.Load();
  run(state, [&] { site.transferlistupdate(); });
  state.counters["rows"] = site.List1.listCount();
  site.Unload();
}

void BM_PortalFreeTransferList(benchmark::State& state) {
  Website& site = ui::screen<Website>();
  site.Load();
  run(state, [&] { site.freetransferlistupdate(); });
  state.counters["rows"] = site.List1.listCount();
  site.Unload();
}

void BM_TeamStatsRefresh(benchmark::State& state) {
  teamstats& stats = ui::screen<teamstats>();
  stats.Load();
  for (int box = 0; box < kLeagueBoxes; ++box) stats.leagues(box).setValue(1);
  stats.Check1.setValue(1);
  run(state, [&] { stats.statsstart(); });
  state.counters["rows"] = stats.listedClubs();
  stats.Unload();
}

BENCHMARK(BM_PortalTransferList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PortalFreeTransferList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TeamStatsRefresh)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kervale
