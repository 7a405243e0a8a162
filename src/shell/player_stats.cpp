#include "shell/player_stats.h"

namespace kervale {

PlayerStats::PlayerStats() : Form("PlayerStats") {
  setCaption("Player Statistics");
  move(0, 0, 9600, 7200);
  Frame1.setCaption("League");
  Frame1.move(120, 120, 9255, 735);
  const char* leagues[] = {"MLS", "A-League", "D3 Pro League", "England"};
  Option1.forEach([&](int i, ui::OptionButton& o) {
    o.setCaption(leagues[i]);
    o.move(240 + i * 2280, 360, 2055, 315);
    o.setContainer(&Frame1);
  });
  Option1(0).setValue(1);
  const char* headings[] = {"Name", "Club", "Games", "Goals", "Rating"};
  Label1.forEach([&](int i, ui::Label& l) {
    l.setCaption(headings[i]);
    l.move(120 + i * 1800, 960, 1695, 255);
  });
  VScroll1.move(9120, 1320, 255, 4815);
  Command1.setCaption("&Close");
  Command1.move(7920, 6360, 1455, 375);
  Command1.setCancel(true);
  Command1.onClick = [this] { Command1_Click(); };
  designDone();
}

void PlayerStats::Command1_Click() { Unload(); }

}  // namespace kervale
