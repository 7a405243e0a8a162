// A new game from the world's files (the loader alone, and the whole start
// through the screens), and saving and loading a started game.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "bench_new_game.h"
#include "data/mls_module.h"
#include "newgame/new_game_loader.h"
#include "shell/saved_game.h"

namespace kervale {
namespace {

void BM_NewGameLoader(benchmark::State& state) {
  guarded(state, [&] {
    for (auto _ : state) benchmark::DoNotOptimize(loadNewGame(KERVALE_WORLD_DIR, {}, LoaderOptions{.seed = 7}));
  });
}
BENCHMARK(BM_NewGameLoader)->Unit(benchmark::kMillisecond);

void BM_NewGameThroughScreens(benchmark::State& state) {
  guarded(state, [&] {
    for (auto _ : state) startGameThroughScreens(1, 7, false);
  });
}
BENCHMARK(BM_NewGameThroughScreens)->Unit(benchmark::kMillisecond);

void BM_SaveGame(benchmark::State& state) {
  guarded(state, [&] {
    const auto game = gameThroughScreens(1, 7, false);
    const BenchTempDir folder;
    const std::filesystem::path file = folder.path() / "bench.usa";
    for (auto _ : state) writeSavedGame(file, *game);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
  });
}
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMillisecond);

void BM_LoadGame(benchmark::State& state) {
  guarded(state, [&] {
    const auto game = gameThroughScreens(1, 7, false);
    const BenchTempDir folder;
    const std::filesystem::path file = folder.path() / "bench.usa";
    writeSavedGame(file, *game);
    for (auto _ : state) benchmark::DoNotOptimize(readSavedGame(file, *game));
  });
}
BENCHMARK(BM_LoadGame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kervale
