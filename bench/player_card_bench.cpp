// The player card opened on a hundred players of the real world in turn.
#include <benchmark/benchmark.h>

#include <exception>
#include <vector>

#include "club/player_directory.h"
#include "data/mls_module.h"
#include "newgame/new_game_loader.h"
#include "ui/screen.h"

namespace kervale {
namespace {

void BM_PlayerCardOpen(benchmark::State& state) {
  try {
    replaceGame(loadNewGame(KERVALE_WORLD_DIR, {}, LoaderOptions{.seed = 7}));
  } catch (const std::exception& e) {
    state.SkipWithError(e.what());
    return;
  }
  MLSModule& g = mls();
  g.MyTeam = 1;
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
  replaceGame(nullptr);
}
BENCHMARK(BM_PlayerCardOpen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kervale
