#include "competitions/league_champ.h"

#include "base/numbers.h"
#include "data/mls_module.h"
#include "ui/screen.h"

namespace kervale {

namespace {

constexpr int kRows = 18;
constexpr int kRowGap = 285;
constexpr int kTop = 600;
constexpr int kYearLeft = 120;
constexpr int kYearWidth = 720;
constexpr int kNameWidth = 2880;

std::string clubName(const MLSModule& g, double number) {
  const int club = CInt(number);
  return club >= 0 && club <= kLastClub ? g.TeamName(club) : "";
}

}  // namespace

LeagueChamp::LeagueChamp() : Form("LeagueChamp") {
  setCaption("List of Champions");
  move(0, 0, kYearLeft + kYearWidth + 3 * kNameWidth + 360, kTop + kRows * kRowGap + 1200);
  setBorderStyle(3);
  ui::Label* headings[] = {&Label1, &Label2, &Label3};
  const char* captions[] = {"League Champions", "Cup Winners", "World Club Cup Champions"};
  for (int c = 0; c < 3; ++c) {
    headings[c]->setCaption(captions[c]);
    headings[c]->move(kYearLeft + kYearWidth + c * kNameWidth, 240, kNameWidth, 285);
    headings[c]->setFontBold(true);
  }
  for (int i = 0; i < kRows; ++i) {
    const int top = kTop + i * kRowGap;
    Label4(i).move(kYearLeft, top, kYearWidth, kRowGap);
    Label5(i).move(kYearLeft + kYearWidth, top, kNameWidth, kRowGap);
    Label6(i).move(kYearLeft + kYearWidth + kNameWidth, top, kNameWidth, kRowGap);
    Label7(i).move(kYearLeft + kYearWidth + 2 * kNameWidth, top, kNameWidth, kRowGap);
  }
  Command1.setCaption("OK");
  Command1.move(kYearLeft + kYearWidth + 3 * kNameWidth - 1215, kTop + kRows * kRowGap + 240, 1215, 375);
  Command1.onClick = [this] { Command1_Click(); };
  designDone();
}

void LeagueChamp::Form_Load() {
  const MLSModule& g = mls();
  for (int i = 0; i < kRows; ++i) {
    // Row i shows the season i + 1 before the one in play, while the history reaches it.
    const double season = g.CurrentSeason - 1 - i;
    const bool shown = season >= 0 && season <= decltype(g.MLSChampionHistory)::upper;
    for (ui::Label* label : {&Label4(i), &Label5(i), &Label6(i), &Label7(i)}) label->setVisible(shown);
    if (!shown) continue;
    Label4(i).setCaption(Str(2002 + season));
    Label5(i).setCaption(clubName(g, g.MLSChampionHistory(season)));
    Label6(i).setCaption(clubName(g, g.CupWinnerHistory(season)));
    Label7(i).setCaption(clubName(g, g.WorldClubWinnerHistory(season)));
  }
}

void LeagueChamp::Command1_Click() { Unload(); }

void showLeagueChamp() {
  LeagueChamp& roll = ui::screen<LeagueChamp>();
  if (roll.loaded()) roll.Unload();
  roll.Show();
}

}  // namespace kervale
