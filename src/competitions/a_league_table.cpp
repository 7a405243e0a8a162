#include "competitions/a_league_table.h"

#include <string>
#include <string_view>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "matchday/standings_order.h"
#include "ui/screen.h"

namespace kervale {

namespace {

constexpr Colour kGreen = 0x00FF00;
constexpr Colour kRed = 0x0000FF;
constexpr int kRowGap = 240;  // place k stands 240k below the heading row
constexpr int kPlaceLeft = 60;
constexpr int kPlaceWidth = 360;
constexpr int kNameLeft = kPlaceLeft + kPlaceWidth;
constexpr int kNameWidth = 2640;
constexpr int kNumberWidth = 480;
constexpr int kTableRight = kNameLeft + kNameWidth + 8 * kNumberWidth;
constexpr int kLineLift = 150;  // every marker is drawn this far above its height

constexpr std::string_view kHeadings[] = {"G", "W", "D", "L", "GF", "GA", "Pts", "+-"};

struct League {
  int selector;
  int rows;
  const char* title;
  const char* caption;
  int line1, line2, line3;  // marker heights; 0 = not shown
};

constexpr League kLeagues[] = {
    {0, 18, "A-League", "A-League Table", 1440, 0, 0},
    {-1, 18, "D3 Pro League", "D3 Pro League", 1440, 0, 0},
    {1, 20, "English Premiership", "English Premiership", 900, 0, 4800},
    {2, 24, "English Division One", "English Division One", 900, 1960, 5805},
    {3, 24, "English Division Two", "English Division Two", 900, 1960, 5547},
    {4, 24, "English Division Three", "English Division Three", 1135, 2160, 6320},
    {5, 18, "Bundesliga. 1", "Germany Bundesliga. 1", 900, 0, 4270},
    {6, 18, "Bundesliga. 2", "Germany Bundesliga. 2", 1160, 0, 4000},
    {8, 5, "Grupo 1", "Mexican League Grupo Uno", 664, 0, 0},
    {9, 5, "Grupo 2", "Mexican League Grupo Dos", 664, 0, 0},
    {10, 5, "Grupo 3", "Mexican League Grupo Tres", 664, 0, 0},
    {11, 5, "Grupo 4", "Mexican League Grupo Cuatro", 664, 0, 0},
    {12, 13, "Australian NSL", "Australian National Soccer League", 900, 1960, 0},
};

// TableLeague also serves the season end as a counter, so a value with no
// table here shows the A-League rather than an empty screen.
const League& leagueOf(double selector) {
  for (const League& league : kLeagues) {
    if (league.selector == selector) return league;
  }
  return kLeagues[0];
}

// A marker runs in the gap between the two rows nearest its height, a pixel
// above the lower row as on the MLS tables, so that it never crosses a row's
// text.
constexpr int kAboveRow = 15;
int onRowBoundary(int height) { return (height + kRowGap / 2) / kRowGap * kRowGap - kAboveRow; }

void placeMarker(ui::Line& line, int height) {
  line.setVisible(height != 0);
  if (height == 0) return;
  const int y = onRowBoundary(height - kLineLift);
  line.setLinePoints(kNameLeft, y, kTableRight, y);
}

}  // namespace

ALeagueTable::ALeagueTable() : Form("ALeagueTable") {
  setCaption("A-League Table");
  move(0, 0, kTableRight + 360, 7200);
  setBorderStyle(3);
  Label2.setCaption("A-League");
  Label2.move(kPlaceLeft, 0, kPlaceWidth + kNameWidth, kRowGap);
  Label2.setFontBold(true);
  for (int c = 0; c <= 7; ++c) {
    Heading(c).setCaption(std::string(kHeadings[c]));
    Heading(c).move(kNameLeft + kNameWidth + c * kNumberWidth, 0, kNumberWidth, kRowGap);
    Heading(c).setAlignment(ui::Alignment::Right);
    Heading(c).setFontBold(true);
  }
  for (int k = 1; k <= 24; ++k) {
    const int top = kRowGap * k;
    Label1(k).setCaption(numText(k));
    Label1(k).move(kPlaceLeft, top, kPlaceWidth, kRowGap);
    const StandingsRow r = row(k);
    r.name->move(kNameLeft, top, kNameWidth, kRowGap);
    int column = 0;
    for (ui::Label* label : r.numbers()) {
      label->move(kNameLeft + kNameWidth + column++ * kNumberWidth, top, kNumberWidth, kRowGap);
      label->setAlignment(ui::Alignment::Right);
    }
  }
  Line1.setBorderColor(kGreen);
  Line2.setBorderColor(kGreen);
  Line3.setBorderColor(kRed);
  placeMarker(Line1, kLeagues[0].line1);
  placeMarker(Line2, 0);
  placeMarker(Line3, 0);
  Command1.setCaption("&Ok");
  Command1.move(kTableRight - 1215, 25 * kRowGap + 60, 1215, 375);
  Command1.onClick = [this] { Command1_Click(); };

  const std::pair<ui::MenuItem*, int> items[] = {{&ALg_Change, 0}, {&Premierlge, 1}, {&DivvyOne, 2}, {&Divvy2wo, 3},
                                                 {&Divvy3ree, 4},  {&Bundes_1, 5},   {&Bundes_2, 6}, {&Group1, 8},
                                                 {&Group2, 9},     {&Group3, 10},    {&Group4, 11},  {&NSL, 12}};
  for (const auto& [item, league] : items) item->onClick = [this, league = league] { switchLeague(league); };
  designDone();
}

StandingsRow ALeagueTable::row(int k) {
  return {&eastname(k),  &eastgames(k),   &eastwins(k),   &eastdraws(k), &eastlosses(k),
          &eastgoals(k), &eastgoalsag(k), &eastpoints(k), &eastdiff(k)};
}

void ALeagueTable::Form_Load() {
  MLSModule& g = mls();
  // A league that is not run keeps its menu hidden while the screen lives.
  const std::pair<ui::MenuItem*, int> menus[] = {
      {&USA_Menu, 1}, {&EngShow, 2}, {&Alemania, 3}, {&MexicanLeagueMenuThing, 5}, {&Australia_Menu_Click, 6}};
  for (const auto& [menu, skipped] : menus) {
    if (g.LeagueSkipped(skipped) == 1) menu->setVisible(false);
  }

  const League& league = leagueOf(g.TableLeague);
  setCaption(league.caption);
  Label2.setCaption(league.title);
  placeMarker(Line1, league.line1);
  placeMarker(Line2, league.line2);
  placeMarker(Line3, league.line3);

  if (league.selector == 0) {
    sortStandings(g, g.ALeagueOrder, league.rows);
  } else if (league.selector == -1) {
    sortStandings(g, g.D3Order, league.rows);
  } else {
    sortLeagueOrder(g, league.selector, league.rows);
  }
  for (int k = 1; k <= 24; ++k) {
    const bool shown = k <= league.rows;
    Label1(k).setVisible(shown);
    row(k).setVisible(shown);
    if (!shown) continue;
    const double club = league.selector == 0    ? g.ALeagueOrder(k)
                        : league.selector == -1 ? g.D3Order(k)
                                                : g.LeagueOrder(k, league.selector);
    row(k).fill(g, CInt(club));
  }
  g.TableLeague = 0;
}

void ALeagueTable::switchLeague(int league) {
  mls().TableLeague = league;
  Form_Load();
}

void ALeagueTable::Command1_Click() { Unload(); }

void ALeagueTable::Form_Deactivate() { Unload(); }

std::optional<int> tableLeagueOf(const MLSModule& game, int club) {
  if (club >= 17 && club <= 34) return 0;
  if (club >= 35 && club <= 52) return -1;
  if (club >= 53 && club <= 148) return CInt(game.EnglishDivision(club - 52));
  if (club >= 205 && club <= 224) {
    int found = 8;  // a Mexican club found in no group still opens the first
    for (int group = 8; group <= 11; ++group) {
      for (int place = 1; place <= 5; ++place) {
        if (game.LeagueOrder(place, group) == club) found = group;
      }
    }
    return found;
  }
  if (club >= 225 && club <= 237) return 12;
  return std::nullopt;
}

void showLeagueTable(double league) {
  mls().TableLeague = league;
  ALeagueTable& table = ui::screen<ALeagueTable>();
  if (table.loaded()) table.Unload();
  table.Show();
}

}  // namespace kervale
