#include "club/scouting.h"

#include "base/colour.h"
#include "base/numbers.h"
#include "club/club_office.h"
#include "data/club_colours.h"
#include "data/mls_module.h"
#include "ui/screen.h"

namespace kervale {

void showScouting() { ui::screen<Scouting>().Show(); }

Scouting::Scouting() : Form("Scouting") {
  setCaption("Scouting");
  move(0, 0, 9000, 6000);
  setBorderStyle(1);
  setBackColor(0x404040);

  Image2.move(0, 0, 9000, 6000);
  Image2.setStretch(true);
  Label19.move(0, 0, 9000, 735);
  TeamNameLabel.move(1200, 120, 7600, 495);
  TeamNameLabel.setOpaque(false);
  TeamNameLabel.setFont(ui::Font{"Arial", 16, true});
  Image1.move(120, 840, 1215, 1215);
  Image1.setStretch(true);
  Label1.setCaption("SCOUTING");
  Label1.move(1560, 960, 3000, 495);
  Label1.setFont(ui::Font{"Arial", 18, true});
  Label2.setCaption("Scouts in Organization:");
  Label2.move(1560, 1680, 2600, 285);
  // The budget has a row of its own: beside the scouts it read as their count.
  Label4.setCaption("Scouting Funding");
  Label4.move(1560, 2040, 2600, 285);
  Label3.move(4200, 2040, 1500, 285);
  for (ui::Label* l : {&Label1, &Label2, &Label4, &Label3}) {
    ui::setTextBacking(*l);  // over the picture
    l->setForeColor(ui::kWhite);
  }
  Command2.setCaption("Leave");
  Command2.move(7200, 5160, 1575, 495);
  Command2.onClick = [this] { Command2_Click(); };
  designDone();
}

void Scouting::Form_Load() {
  const MLSModule& g = mls();
  const int club = static_cast<int>(g.MyTeam);
  Image2.setPicture(g.BackgroundPicture);
  TeamNameLabel.setCaption(g.TeamName(club));
  const Colour first = colourFromText(g.TeamColour1(club));
  Label19.setBackColor(first);
  TeamNameLabel.setForeColor(clubNameColour(g, club));
  Image1.setPicture(g.TeamLogo(club));
  Label3.setCaption(numText(scoutingBudget(g, club)));
}

void Scouting::Command2_Click() { Unload(); }

}  // namespace kervale
