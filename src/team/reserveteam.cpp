#include "team/reserveteam.h"

#include "ui/screen.h"

namespace kervale {

reserveteam::reserveteam() : Form("reserveteam") {
  setCaption("Reserves");
  move(0, 0, 6600, 4800);
  setBorderStyle(3);

  Frame1.setCaption("Coaching Staff");
  Frame1.move(240, 120, 6000, 3480);
  List1.move(360, 480, 2400, 2940);
  List1.setContainer(&Frame1);
  const struct {
    ui::Label& label;
    const char* caption;
    int top;
  } fixed[] = {{Label1, "Position:", 480},
               {Label2, "Age:", 900},
               {Label3, "What the coach says:", 1320},
               {Label4, "  Absolutely Nothing!", 1620}};
  for (const auto& [label, caption, top] : fixed) {
    label.setCaption(caption);
    label.move(2940, top, 3120, 255);
    label.setContainer(&Frame1);
  }
  Command1.setCaption("OK");
  Command1.move(5040, 3780, 1200, 435);
  Command1.setDefault(true);
  Command1.setCancel(true);

  Command1.onClick = [this] { Command1_Click(); };
  designDone();
}

void reserveteam::Command1_Click() { Unload(); }

void showReserveTeam() { ui::screen<reserveteam>().Show(); }

}  // namespace kervale
