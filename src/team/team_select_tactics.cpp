// The squad screen's tactics half: presets, tactic, flow, push-up, the saved
// slots and the ways out.
#include "base/numbers.h"
#include "data/mls_module.h"
#include "shell/main_module.h"
#include "team/line_up.h"
#include "team/team_select.h"
#include "ui/backend.h"
#include "ui/screen.h"

namespace kervale {

namespace {

int myClub() { return static_cast<int>(mls().MyTeam); }

}  // namespace

void TeamSelect::Command1_Click() {
  const int formation = formationcombo.listIndex();
  if (formation < 0) return;  // no preset chosen: nothing to apply
  if (applyFormation(mls(), myClub(), formation)) showPositions();
}

void TeamSelect::tacticbutton_Click() {
  nextTactic(mls(), myClub());
  showTacticCaptions();
}

void TeamSelect::flowbutton_Click() {
  nextFlow(mls(), myClub());
  showTacticCaptions();
}

void TeamSelect::Command10_Click() {
  nextPushUp(mls(), myClub());
  Command10.setCaption(pushUpCaption(mls().TeamPushUp(myClub())));
}

void TeamSelect::Command8_Click(int index) { saveTacticSlot(mls(), myClub(), index + 1); }

void TeamSelect::Command9_Click(int index) {
  if (!loadTacticSlot(mls(), myClub(), index + 1)) {
    ui::MsgBox("There is no saved tactic in slot" + Str(index + 1) + ".");
    return;
  }
  Form_Load();
}

void TeamSelect::saveSheet() {
  MLSModule& g = mls();
  saveTacticSlot(g, myClub(), 0);
  PositionCodes codes{};
  for (int j = 1; j <= 10; ++j) codes[j - 1] = positioncombo(j).listIndex() + 1;
  storePositions(g, myClub(), codes);
  if (firstEmptyStarterSlot(g, myClub()) != 0) ui::MsgBox("You must have 11 starting players.");
}

void TeamSelect::Command13_Click() {
  saveSheet();
  Form_Load();
}

void TeamSelect::Command2_Click() {
  saveSheet();
  ui::screen<MainModule>().Show();
  Unload();
}

void TeamSelect::Command14_Click() { backToHub(); }

void TeamSelect::backToHub() {
  Unload();
  ui::screen<MainModule>().Show();
}

void TeamSelect::Form_QueryUnload(int& cancel, ui::UnloadMode mode) {
  (void)cancel;
  // The close box is "Quit": the hub comes back before this window goes, so
  // the game never stands without a window.
  if (mode == ui::UnloadMode::CloseBox) ui::screen<MainModule>().Show();
}

}  // namespace kervale
