// A new game from the world's files, and saving and loading a game.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "data/mls_module.h"
#include "newgame/new_game_loader.h"
#include "shell/saved_game.h"

namespace kervale {
namespace {

std::unique_ptr<MLSModule> newWorldGame() { return loadNewGame(KERVALE_WORLD_DIR, {}, LoaderOptions{.seed = 7}); }

// A game as the new-game screen leaves it: in its first round.
std::unique_ptr<MLSModule> startedWorldGame() {
  auto game = newWorldGame();
  game->CurrentWeek = 43;
  return game;
}

void BM_NewGame(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(newWorldGame());
}
BENCHMARK(BM_NewGame)->Unit(benchmark::kMillisecond);

std::filesystem::path benchSaveFile() { return std::filesystem::temp_directory_path() / "kervale-bench.usa"; }

void BM_SaveGame(benchmark::State& state) {
  const auto game = startedWorldGame();
  for (auto _ : state) writeSavedGame(benchSaveFile(), *game);
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(benchSaveFile()));
}
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMillisecond);

void BM_LoadGame(benchmark::State& state) {
  const auto game = startedWorldGame();
  writeSavedGame(benchSaveFile(), *game);
  for (auto _ : state) benchmark::DoNotOptimize(readSavedGame(benchSaveFile(), *game));
  std::filesystem::remove(benchSaveFile());
}
BENCHMARK(BM_LoadGame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kervale
