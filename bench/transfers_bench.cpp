// The computer clubs' shortlisting over the real world, and the checks of a
// card bid and of a purchase on a hundred players in turn.
#include <benchmark/benchmark.h>

#include <exception>
#include <memory>
#include <vector>

#include "base/random.h"
#include "club/player_dealings.h"
#include "club/player_price.h"
#include "club/player_purchase.h"
#include "club/shortlisting.h"
#include "data/mls_module.h"
#include "newgame/new_game_loader.h"

namespace kervale {
namespace {

std::unique_ptr<MLSModule> worldGame(benchmark::State& state) {
  try {
    auto game = loadNewGame(KERVALE_WORLD_DIR, {}, LoaderOptions{.seed = 7});
    game->MyTeam = 60;
    return game;
  } catch (const std::exception& e) {
    state.SkipWithError(e.what());
    return nullptr;
  }
}

void BM_ShortlistingPass(benchmark::State& state) {
  const auto start = worldGame(state);
  if (!start) return;
  rng().seed(11);
  double looks = 0;
  for (auto _ : state) {
    state.PauseTiming();
    replaceGame(std::make_unique<MLSModule>(*start));
    state.ResumeTiming();
    shortlistPlayers(mls());
    state.PauseTiming();
    for (int c = 1; c <= 237; ++c) looks += mls().ScoutingFunding(c);
    state.ResumeTiming();
  }
  state.counters["looks"] = looks / static_cast<double>(state.iterations());
  replaceGame(nullptr);
}
BENCHMARK(BM_ShortlistingPass)->Unit(benchmark::kMillisecond);

void BM_CardAndBuyChecks(benchmark::State& state) {
  auto game = worldGame(state);
  if (!game) return;
  std::vector<int> players;
  for (int p = 1; p <= game->NumPlayers && players.size() < 100; ++p) {
    if (!game->PlayerName(p).empty() && game->PlayerTeam(p) != 60) players.push_back(p);
  }
  for (auto _ : state) {
    for (int p : players) {
      const std::int32_t asking = PlayerAskingPrice(*game, p);
      benchmark::DoNotOptimize(decideBid(*game, p, 60, asking + 1, 2, asking));
      const int seller = static_cast<int>(game->PlayerTeam(p));
      benchmark::DoNotOptimize(purchaseRefusal(*game, {p, seller, 50}, 60));
    }
  }
  state.counters["actions"] = benchmark::Counter(2.0 * static_cast<double>(players.size()) * state.iterations(),
                                                 benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CardAndBuyChecks)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kervale
