// The squad screen and the pitch view on a club of the real world: opening,
// the redraw after an exchange, and the pitch view.
#include <benchmark/benchmark.h>

#include "bench_new_game.h"
#include "team/pitch_settings.h"
#include "team/team_select.h"
#include "ui/screen.h"

namespace kervale {
namespace {

void BM_TeamSelectOpen(benchmark::State& state) {
  guarded(state, [&] {
    startGameThroughScreens(1, 7, false);
    TeamSelect& sheet = ui::screen<TeamSelect>();
    for (auto _ : state) {
      showTeamSelect();
      sheet.Unload();
    }
  });
}
BENCHMARK(BM_TeamSelectOpen)->Unit(benchmark::kMillisecond);

void BM_TeamSelectExchange(benchmark::State& state) {
  guarded(state, [&] {
    startGameThroughScreens(1, 7, false);
    TeamSelect& sheet = ui::screen<TeamSelect>();
    showTeamSelect();
    for (auto _ : state) {
      sheet.PlayerName(5).userClick();
      sheet.PlayerName(14).userClick();
    }
    sheet.Unload();
  });
}
BENCHMARK(BM_TeamSelectExchange)->Unit(benchmark::kMillisecond);

void BM_PitchSettingsOpen(benchmark::State& state) {
  guarded(state, [&] {
    startGameThroughScreens(1, 7, false);
    pitchsettings& view = ui::screen<pitchsettings>();
    for (auto _ : state) {
      showPitchSettings();
      view.Unload();
    }
  });
}
BENCHMARK(BM_PitchSettingsOpen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kervale
