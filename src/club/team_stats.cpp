#include "club/team_stats.h"

#include <string>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "ui/screen.h"

namespace kervale {

namespace {

struct Stat {
  const char* option;
  const char* heading;
  const char* column;
};
constexpr Stat kStats[kStatCount] = {
    {"Team Discipline", "Team Discipline Points", "Pts"},
    {"Team Yellows", "Yellow Cards", "Cards"},
    {"Team Reds", "Red Cards", "Cards"},
    {"Team Shots For", "Shots on Target", "Shots"},
    {"Team Shots Against", "Shots Against", "Shots"},
    {"1st Half Goals", "1st Half Goals", "Goals"},
    {"2nd Half Goals", "2nd Half Goals", "Goals"},
    {"Home Goals", "", ""},
    {"Away Goals", "", ""},
    {"Goals Scored", "Team Goals Scored", "Goals"},
    {"Goals Given Up", "Team Goals Against", "Goals"},
};
constexpr const char* kLeagueCaptions[kLeagueBoxes] = {
    "England Premiership", "England Division 1", "England Division 2", "England Division 3",
    "Major League Soccer", "USA A-League",       "USA D3 Pro League",  "German Bundesliga.1",
    "German Bundesliga.2", "Australian NSL",     "Mexico Primera Liga"};

constexpr int kLine = 270;
constexpr int kRowsTop = 900;
constexpr int kRankLeft = 3000, kNameLeft = 3550, kValueLeft = 7500, kGamesLeft = 8900;

void placeCell(ui::Label& cell, int left, int top, int width) {
  cell.move(left, top, width, kLine - 15);
  cell.setOpaque(false);
}

}  // namespace

void showTeamStats() { ui::screen<teamstats>().Show(); }

teamstats::teamstats() : Form("teamstats") {
  setCaption("Team Statistics");
  move(0, 0, 10800, 8100);
  setBorderStyle(1);

  for (int i = 0; i < kStatCount; ++i) {
    optStats(i).setCaption(kStats[i].option);
    optStats(i).move(120, 600 + i * kLine, 2700, kLine);
  }
  // Nothing counts these two.
  optStats(kHomeGoalsStat).setEnabled(false);
  optStats(kAwayGoalsStat).setEnabled(false);
  optStats.onClick([this](int i) { optStats_Click(i); });
  for (int i = 0; i < kLeagueBoxes; ++i) {
    leagues(i).setCaption(kLeagueCaptions[i]);
    leagues(i).move(120, 3800 + i * kLine, 2700, kLine);
  }
  leagues.onClick([this](int i) { leagues_Click(i); });
  Check1.setCaption("Points Per Game");
  Check1.move(120, 6960, 2700, kLine);
  Check1.onClick = [this] { Check1_Click(); };

  Label2.move(kRankLeft, 120, 6900, 375);
  Label2.setFont(ui::Font{"Arial", 12, true});
  Label2.setOpaque(false);
  placeCell(eastwins2(0), kValueLeft, 600, 1300);
  placeCell(eastgames(0), kGamesLeft, 600, 900);
  eastgames(0).setCaption("G");
  for (int k = 1; k <= kRows; ++k) {
    const int top = kRowsTop + (k - 1) * kLine;
    placeCell(Label1(k), kRankLeft, top, 500);
    placeCell(eastname(k), kNameLeft, top, 3900);
    placeCell(eastwins(k), kValueLeft, top, 1300);
    placeCell(eastgames(k), kGamesLeft, top, 900);
  }
  VScroll1.move(10200, kRowsTop, 255, kRows * kLine);
  VScroll1.setMin(1);
  VScroll1.setMax(1);
  VScroll1.setValue(1);
  VScroll1.onChange = [this] { VScroll1_Change(); };
  Command1.setCaption("OK");
  Command1.move(9000, 7500, 1215, 375);
  Command1.onClick = [this] { Command1_Click(); };
  designDone();
}

void teamstats::Form_Load() {
  TeamStatExcluded_.fill(1);
  TeamStatChoice_ = 0;
  if (optStats(0).value() == 1) {
    statsstart();
  } else {
    optStats(0).setValue(1);  // its Click runs statsstart
  }
}

void teamstats::statsstart() {
  if (!statHasCounter(TeamStatChoice_)) return;  // no counter: the list stays
  const MLSModule& g = mls();
  Label2.setCaption(kStats[TeamStatChoice_].heading);
  eastwins2(0).setCaption(kStats[TeamStatChoice_].column);
  TeamStatValue_[0] = 0;
  for (int club = 1; club <= kLastClub; ++club) {
    TeamStatValue_[club] = TeamStatExcluded_[club] != 0 ? 0 : statValue(g, TeamStatChoice_, club, perGame());
  }
  statssort();
  statsshow();
}

void teamstats::statssort() {
  for (int k = 1; k <= kRows; ++k) Label1(k).setVisible(true);
  for (int i = 0; i <= kLastClub; ++i) TeamStatClub_[i] = i;
  listed_ = rankClubs(TeamStatValue_, TeamStatClub_);
  TeamStatFirstRow_ = 1;
  VScroll1.setMax(listed_ > kRows ? listed_ - kRows + 1 : 1);
  VScroll1.setValue(1);
}

void teamstats::statsshow() {
  const MLSModule& g = mls();
  for (int k = 1; k <= kRows; ++k) {
    const int p = TeamStatFirstRow_ + k - 1;
    const bool shown = p <= listed_;
    Label1(k).setVisible(shown);
    Label1(k).setCaption(shown ? numText(p) : "");
    const int club = shown ? TeamStatClub_[p] : 0;
    const double games = g.TeamGamesPlayed(club);
    const double value = TeamStatValue_[p <= kLastClub ? p : 0];
    eastname(k).setCaption(shown ? g.TeamName(club) : "");
    eastwins(k).setCaption(!shown ? "" : perGame() && games != 0 ? Format(value, "####.##") : numText(value));
    eastgames(k).setCaption(shown ? numText(games) : "");
  }
}

void teamstats::optStats_Click(int index) {
  TeamStatChoice_ = index;
  statsstart();
}

void teamstats::leagues_Click(int) {
  std::array<bool, kLeagueBoxes> ticked{};
  for (int i = 0; i < kLeagueBoxes; ++i) ticked[i] = leagues(i).value() == 1;
  TeamStatExcluded_ = leagueExclusions(mls(), ticked);
  statsstart();
}

void teamstats::Check1_Click() { statsstart(); }

void teamstats::VScroll1_Change() {
  TeamStatFirstRow_ = VScroll1.value();
  statsshow();
}

void teamstats::Command1_Click() { Unload(); }

void teamstats::Form_Deactivate() { Unload(); }

}  // namespace kervale
