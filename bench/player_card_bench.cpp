// The player card opened on a hundred players of the real world in turn.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench_new_game.h"
#include "club/player_directory.h"
#include "data/mls_module.h"
#include "ui/screen.h"

namespace kervale {
namespace {

void BM_PlayerCardOpen(benchmark::State& state) {
  guarded(state, [&] {
    startGameThroughScreens(1, 7, false);
    MLSModule& g = mls();
    std::vector<int> players;
    for (int p = 1; p <= g.NumPlayers && players.size() < 100; ++p) {
      if (!g.PlayerName(p).empty()) players.push_back(p);
    }
    PlayerDirectory& card = ui::screen<PlayerDirectory>();
    for (auto _ : state) {
      for (int p : players) {
        showPlayerCard(p);
        card.Unload();
      }
    }
    state.counters["cards"] = benchmark::Counter(static_cast<double>(players.size()) * state.iterations(),
                                                 benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  });
}
BENCHMARK(BM_PlayerCardOpen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kervale
