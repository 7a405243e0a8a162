// The portal's transfer and free-transfer lists over every player record, and
// a team-statistics refresh over all 285 clubs, on the real world at
// mid-season.
#include <benchmark/benchmark.h>

#include <memory>

#include "base/random.h"
#include "bench_new_game.h"
#include "club/team_stats.h"
#include "club/website.h"
#include "data/mls_module.h"
#include "standin/stand_in_user.h"
#include "ui/screen.h"

namespace kervale {
namespace {

constexpr int kClub = 1;
constexpr int kRoundsPlayed = 40;

// A new game of club 1 played forward forty rounds, made once and then
// installed afresh for each bench.
void midSeason() {
  static std::unique_ptr<MLSModule> made;
  if (!made) {
    startGameThroughScreens(kClub, 5, false);
    rng().seed(3);
    const StandInUser player;
    for (int n = 0; n < kRoundsPlayed; ++n) playMatchday();
    made = std::make_unique<MLSModule>(mls());
  }
  replaceGame(std::make_unique<MLSModule>(*made));
}

void BM_PortalTransferList(benchmark::State& state) {
  guarded(state, [&] {
    midSeason();
    Website& site = ui::screen<Website>();
    site.Load();
    for (auto _ : state) site.transferlistupdate();
    state.counters["rows"] = site.List1.listCount();
    site.Unload();
  });
}

void BM_PortalFreeTransferList(benchmark::State& state) {
  guarded(state, [&] {
    midSeason();
    Website& site = ui::screen<Website>();
    site.Load();
    for (auto _ : state) site.freetransferlistupdate();
    state.counters["rows"] = site.List1.listCount();
    site.Unload();
  });
}

void BM_TeamStatsRefresh(benchmark::State& state) {
  guarded(state, [&] {
    midSeason();
    teamstats& stats = ui::screen<teamstats>();
    stats.Load();
    for (int box = 0; box < kLeagueBoxes; ++box) stats.leagues(box).setValue(1);
    stats.Check1.setValue(1);
    for (auto _ : state) stats.statsstart();
    state.counters["rows"] = stats.listedClubs();
    stats.Unload();
  });
}

BENCHMARK(BM_PortalTransferList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PortalFreeTransferList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TeamStatsRefresh)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kervale
