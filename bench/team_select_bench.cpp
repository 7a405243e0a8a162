// The squad screen and the pitch view on a club of the real world: opening,
// the redraw after an exchange, and the pitch view.
#include <benchmark/benchmark.h>

#include <exception>

#include "data/mls_module.h"
#include "newgame/new_game_loader.h"
#include "team/pitch_settings.h"
#include "team/team_select.h"
#include "ui/screen.h"

namespace kervale {
namespace {

bool realGame(benchmark::State& state) {
  try {
    replaceGame(loadNewGame(KERVALE_WORLD_DIR, {}, LoaderOptions{.seed = 7}));
  } catch (const std::exception& e) {
    state.SkipWithError(e.what());
    return false;
  }
  mls().MyTeam = 1;
  return true;
}

void BM_TeamSelectOpen(benchmark::State& state) {
  if (!realGame(state)) return;
  TeamSelect& sheet = ui::screen<TeamSelect>();
  for (auto _ : state) {
    showTeamSelect();
    sheet.Unload();
  }
  replaceGame(nullptr);
}
BENCHMARK(BM_TeamSelectOpen)->Unit(benchmark::kMillisecond);

void BM_TeamSelectExchange(benchmark::State& state) {
  if (!realGame(state)) return;
  TeamSelect& sheet = ui::screen<TeamSelect>();
  showTeamSelect();
  for (auto _ : state) {
    sheet.PlayerName(5).userClick();
    sheet.PlayerName(14).userClick();
  }
  sheet.Unload();
  replaceGame(nullptr);
}
BENCHMARK(BM_TeamSelectExchange)->Unit(benchmark::kMillisecond);

void BM_PitchSettingsOpen(benchmark::State& state) {
  if (!realGame(state)) return;
  pitchsettings& view = ui::screen<pitchsettings>();
  for (auto _ : state) {
    showPitchSettings();
    view.Unload();
  }
  replaceGame(nullptr);
}
BENCHMARK(BM_PitchSettingsOpen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kervale
