#include "offseason/end_of_season.h"

#include <string>

#include "data/mls_module.h"
#include "newgame/season_fixtures.h"
#include "team/position_tag.h"
#include "ui/screen.h"

namespace kervale {

namespace {

constexpr int kLineHeight = 285;
constexpr int kSquadTop = 2520;

}  // namespace

EndOfSeason::EndOfSeason() : Form("EndOfSeason") {
  setCaption("End of Season");
  move(0, 0, 6930, 6600);
  setBorderStyle(3);

  const ui::Font heading{"Arial", 10, true};
  ui::Label* winners[] = {&Label1, &Label2, &Label3, &Label4};
  for (int i = 0; i < 4; ++i) {
    winners[i]->move(120, 120 + i * 330, 6600, 285);
    winners[i]->setFont(heading);
  }
  Label5.setCaption("MVP:");
  Label5.move(120, 1500, 3200, 255);
  Label7.setCaption("Leading Scorer:");
  Label7.move(120, 1800, 3200, 255);
  Label8.setCaption("A-League MVP:");
  Label8.move(3480, 1500, 3200, 255);
  Label6.setCaption("All-MLS Team");
  Label6.move(120, 2160, 6600, 315);
  Label6.setFont(ui::Font{"Arial", 12, true});
  AllStarLine.forEach([](int i, ui::Label& line) { line.move(240, kSquadTop + (i - 1) * kLineHeight, 6480, 255); });

  Command1.setCaption("Continue");
  Command1.move(2280, 5760, 2400, 435);
  Command1.onClick = [this] { Command1_Click(); };
  designDone();
}

void EndOfSeason::Form_Load() {
  MLSModule& g = mls();
  const int user = seasonClub(g);
  closeEnglishTables(g);
  const auto lines = winnerLines(g, user);
  Label1.setCaption(lines[0]);
  Label2.setCaption(lines[1]);
  Label3.setCaption(lines[2]);
  Label4.setCaption(lines[3]);
  clearKnockoutTables(g);
  allStars_ = pickAllStars(g, user);
  showAllStars();
}

// One line a place: tag, name and club; a place nobody earned stays blank.
void EndOfSeason::showAllStars() {
  const MLSModule& g = mls();
  Label6.setCaption(allStars_.title);
  for (int place = 1; place <= 11; ++place) {
    const int p = allStars_.player(g, place);
    std::string line;
    if (p >= 1 && p <= kLastPlayer && !g.PlayerName(p).empty()) {
      line = PositionTag(g, p) + g.PlayerName(p) + " (" + g.TeamName(allStars_.club[static_cast<std::size_t>(place)]) +
             ")";
    }
    AllStarLine(place).setCaption(line);
  }
}

void EndOfSeason::Command1_Click() {
  mls().CurrentWeek = mls().CurrentWeek + 1;
  Unload();
}

void EndOfSeason::Form_QueryUnload(int& cancel, ui::UnloadMode mode) {
  (void)cancel;
  if (mode == ui::UnloadMode::CloseBox) mls().CurrentWeek = mls().CurrentWeek + 1;
}

void showEndOfSeason() { ui::screen<EndOfSeason>().Show(ui::ShowMode::Modal); }

}  // namespace kervale
