// The hub's ways into the team screens: training, tactics and the reserves.
#include "data/mls_module.h"
#include "shell/main_module.h"
#include "team/reserveteam.h"
#include "team/tactics_form.h"
#include "team/training.h"
#include "ui/backend.h"

namespace kervale {

void MainModule::Command8_Click() { showTraining(); }

void MainModule::Training_Pitch_Show_Click() { showTraining(); }

void MainModule::Command2_Click() { showTacticsPage(); }

void MainModule::Command3_Click() {
  const MLSModule& g = mls();
  if (g.MyTeam < 17) {
    ui::MsgBox("MLS Teams don't have reserve or youth teams.");
  } else if (g.ReserveCoach == 0 && g.YouthCoach == 0) {
    ui::MsgBox("You don't have a coach for the reserves.");
  } else {
    showReserveTeam();
  }
}

}  // namespace kervale
