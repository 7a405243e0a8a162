#include "shell/frm_about.h"

#include <string>

namespace kervale {

frmAbout::frmAbout() : Form("frmAbout") {
  setCaption("About");
  move(0, 0, 5730, 3900);
  setBorderStyle(3);
  lblVersion.setCaption("Kervale 2003");
  lblVersion.move(240, 240, 5055, 375);
  lblVersion.setFont(ui::Font{"Arial", 14, true});
  lblDescription.move(240, 720, 5055, 1095);
  Label2.move(240, 1920, 5055, 1095);
  cmdOK.setCaption("OK");
  cmdOK.move(4080, 3120, 1260, 375);
  cmdOK.setDefault(true);
  cmdOK.setCancel(true);
  cmdOK.onClick = [this] { cmdOK_Click(); };
  designDone();
}

void frmAbout::Form_Load() {
  lblDescription.setCaption(
      "Manage a soccer club through its seasons: pick the side, set the tactics, train the squad, trade players "
      "and follow every league and cup.");
  Label2.setCaption(std::string("A game of our own making, with clubs and players of our own invention.") + '\r' +
                    "Version 0.3.0 beta released January 10 2003");
}

void frmAbout::cmdOK_Click() { Unload(); }

}  // namespace kervale
