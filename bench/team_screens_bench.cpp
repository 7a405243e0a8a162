// Opening the training plan on a new game of the real world, headless.
#include <benchmark/benchmark.h>

#include "bench_new_game.h"
#include "team/training.h"
#include "ui/screen.h"

namespace kervale {
namespace {

void BM_OpenTraining(benchmark::State& state) {
  guarded(state, [&] {
    startGameThroughScreens(1, 7, false);
    Training& training = ui::screen<Training>();
    for (auto _ : state) {
      showTraining();
      training.Unload();
    }
  });
}
BENCHMARK(BM_OpenTraining)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kervale
