// The computer clubs' shortlisting over the real world, and the checks of a
// card bid and of a purchase on a hundred players in turn.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "base/random.h"
#include "bench_new_game.h"
#include "club/player_dealings.h"
#include "club/player_price.h"
#include "club/player_purchase.h"
#include "club/shortlisting.h"
#include "data/mls_module.h"

namespace kervale {
namespace {

constexpr int kClub = 60;  // an English club

void BM_ShortlistingPass(benchmark::State& state) {
  guarded(state, [&] {
    const auto start = gameThroughScreens(kClub, 7, true);
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
  });
}
BENCHMARK(BM_ShortlistingPass)->Unit(benchmark::kMillisecond);

void BM_CardAndBuyChecks(benchmark::State& state) {
  guarded(state, [&] {
    const auto game = gameThroughScreens(kClub, 7, true);
    std::vector<int> players;
    for (int p = 1; p <= game->NumPlayers && players.size() < 100; ++p) {
      if (!game->PlayerName(p).empty() && game->PlayerTeam(p) != kClub) players.push_back(p);
    }
    for (auto _ : state) {
      for (int p : players) {
        const std::int32_t asking = PlayerAskingPrice(*game, p);
        benchmark::DoNotOptimize(decideBid(*game, p, kClub, asking + 1, 2, asking));
        const int seller = static_cast<int>(game->PlayerTeam(p));
        benchmark::DoNotOptimize(purchaseRefusal(*game, {p, seller, 50}, kClub));
      }
    }
    state.counters["actions"] = benchmark::Counter(2.0 * static_cast<double>(players.size()) * state.iterations(),
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  });
}
BENCHMARK(BM_CardAndBuyChecks)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kervale
