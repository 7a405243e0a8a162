// The hand-off of a matchday to the match screen.
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "shell/main_module.h"
#include "ui/screen.h"

namespace kervale {

// The match screen's load plays the whole round CurrentWeek before its show returns.
void MainModule::playMatchday() {
  MatchEngine& match = ui::screen<MatchEngine>();
  match.Show();
  match.Unload();
}

void MainModule::Play_Match_Click() {
  if (pressRunning_) return;  // a matchday runs already
  ui::screen<MatchEngine>().Show();
  Unload();
}

}  // namespace kervale
