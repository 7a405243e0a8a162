// Opening the training plan on a new game of the real world, headless.
#include <benchmark/benchmark.h>

#include "data/mls_module.h"
#include "newgame/new_game_loader.h"
#include "team/training.h"
#include "ui/headless/headless_backend.h"
#include "ui/screen.h"

namespace kervale {
namespace {

void BM_OpenTraining(benchmark::State& state) {
  replaceGame(loadNewGame(KERVALE_WORLD_DIR, {}, LoaderOptions{.seed = 7}));
  mls().MyTeam = 1;
  ui::headless().setPolicy(ui::HeadlessBackend::Policy::Defaults);
  Training& training = ui::screen<Training>();
  for (auto _ : state) {
    showTraining();
    training.Unload();
  }
  replaceGame(nullptr);
}
BENCHMARK(BM_OpenTraining)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kervale
