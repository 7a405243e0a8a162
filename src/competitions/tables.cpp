#include "competitions/tables.h"

#include <string_view>

#include "data/mls_module.h"
#include "matchday/standings_order.h"
#include "ui/screen.h"

namespace kervale {

namespace {

constexpr Colour kGreen = 0x00FF00;
constexpr int kRowGap = 240;
constexpr int kEastTop = 120;   // place k stands at kEastTop + 240k
constexpr int kWestTop = 2640;  // and West place k at kWestTop + 240k
constexpr int kNameLeft = 120;
constexpr int kNameWidth = 2640;
constexpr int kNumberWidth = 480;
constexpr int kLineRight = kNameLeft + kNameWidth + 8 * kNumberWidth;

constexpr std::string_view kHeadings[] = {"G", "W", "D", "L", "GF", "GA", "Pts", "+-"};

// Heights of the cut line for 4 and 8 playoff clubs.
struct Cut {
  int east;
  int west;
};
constexpr Cut kFourClubs{825, 3345};
constexpr Cut kEightClubs{1280, 3800};

void placeRow(const StandingsRow& row, int top) {
  row.name->move(kNameLeft, top, kNameWidth, kRowGap);
  int column = 0;
  for (ui::Label* label : row.numbers()) {
    label->move(kNameLeft + kNameWidth + column * kNumberWidth, top, kNumberWidth, kRowGap);
    label->setAlignment(ui::Alignment::Right);
    ++column;
  }
}

void placeHeading(ui::Label& title, ui::ControlArray<ui::Label>& heading, const char* caption, int top) {
  title.setCaption(caption);
  title.move(kNameLeft, top, kNameWidth, kRowGap);
  title.setFontBold(true);
  for (int c = 0; c <= 7; ++c) {
    heading(c).setCaption(std::string(kHeadings[c]));
    heading(c).move(kNameLeft + kNameWidth + c * kNumberWidth, top, kNumberWidth, kRowGap);
    heading(c).setAlignment(ui::Alignment::Right);
    heading(c).setFontBold(true);
  }
}

void setCut(ui::Line& line, int height) { line.setLinePoints(kNameLeft, height, kLineRight, height); }

}  // namespace

Tables::Tables() : Form("Tables") {
  setCaption("MLS Tables");
  move(0, 0, kLineRight + 360, 5400);
  setBorderStyle(3);
  placeHeading(EastTitle, EastHeading, "Eastern Conference", kEastTop);
  placeHeading(WestTitle, WestHeading, "Western Conference", kWestTop);
  for (int k = 1; k <= 8; ++k) {
    placeRow(eastRow(k), kEastTop + kRowGap * k);
    placeRow(westRow(k), kWestTop + kRowGap * k);
  }
  for (ui::Line* line : {&Line2, &Line1}) {
    line->setBorderColor(kGreen);
    line->setBorderWidth(2);
  }
  setCut(Line2, kFourClubs.east);
  setCut(Line1, kFourClubs.west);
  Command1.setCaption("&Ok");
  Command1.move(kLineRight - 1215, 4800, 1215, 375);
  Command1.onClick = [this] { Command1_Click(); };
  designDone();
}

StandingsRow Tables::eastRow(int k) {
  return {&eastname(k),  &eastgames(k),   &eastwins(k),   &eastdraws(k), &eastlosses(k),
          &eastgoals(k), &eastgoalsag(k), &eastpoints(k), &eastdiff(k)};
}

StandingsRow Tables::westRow(int k) {
  return {&westteam(k),  &westgames(k),   &westwins(k),   &westdraws(k), &westlosses(k),
          &westgoals(k), &westagainst(k), &westpoints(k), &westdiff(k)};
}

void Tables::Form_Load() {
  MLSModule& g = mls();
  if (g.PlayoffTeams == 4) {
    setCut(Line2, kFourClubs.east);
    setCut(Line1, kFourClubs.west);
  }
  if (g.PlayoffTeams == 8) {
    setCut(Line2, kEightClubs.east);
    setCut(Line1, kEightClubs.west);
  }
  sortStandings(g, g.WestOrder, g.MLSMatchesPerRound);
  sortStandings(g, g.EastOrder, g.MLSMatchesPerRound);
  for (int k = 1; k <= 8; ++k) {
    const bool inConference = k <= g.MLSMatchesPerRound;
    eastRow(k).setVisible(inConference);
    westRow(k).setVisible(inConference);
    eastRow(k).fill(g, CInt(g.EastOrder(k)));
    westRow(k).fill(g, CInt(g.WestOrder(k)));
  }
}

void Tables::Command1_Click() { Unload(); }

void Tables::Form_Deactivate() { Unload(); }

void showTables() {
  Tables& tables = ui::screen<Tables>();
  if (tables.loaded()) tables.Unload();
  tables.Show();
}

}  // namespace kervale
