#include "shell/shell_game.h"

#include <initializer_list>
#include <string>

#include "base/random.h"
#include "newgame/pick_team.h"
#include "shell/frm_about.h"
#include "shell/load_bg_picture.h"
#include "shell/main_module.h"
#include "shell/player_stats.h"
#include "ui/screen.h"

namespace kervale::test {

namespace {

constexpr int kClubs = 8;
constexpr int kSquad = 16;

}  // namespace

int smallGamePlayer(int club, int slot) { return (club - 1) * kSquad + slot; }

std::unique_ptr<MLSModule> smallGame() {
  auto game = makeEmptyGame();
  MLSModule& g = *game;
  const char* months[] = {"",     "January", "February",  "March",   "April",    "May",     "June",
                          "July", "August",  "September", "October", "November", "December"};
  for (int m = 0; m <= 12; ++m) g.MonthName(m) = months[m];
  const char* days[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
  for (int d = 0; d <= 7; ++d) g.DayName(d) = days[d];
  g.CurrentWeek = 1;
  g.WeekDay = 1;
  g.MonthDay = 1;
  g.CurrentMonth = 1;
  g.CurrentSeason = 1;
  g.MyTeam = 1;
  g.ManagerName = "Ada Quill";
  g.SalaryCap = 7000;
  g.MLSTeamCount = 10;
  g.MLSMatchesPerRound = 5;
  g.NumPositions = 12;
  g.NumTactics = 6;
  g.NumFlows = 4;
  g.NumFormations = 8;

  const char* names[] = {"",          "Harbour City", "Millbrook Rovers", "Eastgate", "Port Lantern", "Granite Falls",
                         "Saltmarsh", "Copperhill",   "Westhaven"};
  for (int c = 1; c <= kClubs; ++c) {
    g.TeamName(c) = names[c];
    g.TeamNickname(c) = "FC";
    g.TeamColour1(c) = "&HFF0000";
    g.TeamColour2(c) = "&HFFFF";
    g.TeamMoney(c) = 1000000 * c;
    g.TeamTactic(c) = 1 + c % 6;
    g.TeamFlow(c) = static_cast<std::int16_t>(1 + c % 4);
    g.TeamFormation(c) = 1 + c % 8;
    g.TeamSquadCount(c) = kSquad;
    for (int j = 1; j <= 10; ++j) g.TeamPosition(j, c) = 1 + (j + c) % 12;
    for (int slot = 1; slot <= kSquad; ++slot) {
      const int p = smallGamePlayer(c, slot);
      g.TeamSquad(slot, c) = p;
      g.PlayerTeam(p) = c;
      g.PlayerName(p) = std::string(names[c]) + " player " + std::to_string(slot);
      g.PlayerGoalkeeping(p) = slot == 1 ? 14.5F : 3.25F;
      g.PlayerDefense(p) = 5 + (p % 9);
      g.PlayerMidfield(p) = 6 + (p % 7);
      g.PlayerAttack(p) = 4 + (p % 11);
      g.PlayerAge(p) = 18 + (p % 17);
      g.PlayerBirthMonth(p) = 1 + (p % 12);
      g.PlayerBirthDay(p) = 1 + (p * 7) % 28;
      g.PlayerTrainingFactor(p) = 3;
      g.PlayerWage(p) = 50 + p;
      g.PlayerContractYears(p) = 1 + p % 5;
      g.PlayerForm(p) = 50;
    }
  }
  g.NumPlayers = kClubs * kSquad;
  // Pairs 1-2, 3-4, ... every round, home and away in turn; every fourth
  // round is a cup round.
  for (int r = 1; r <= kLastRound; ++r) {
    for (int c = 1; c <= kClubs; c += 2) {
      const std::int16_t home = static_cast<std::int16_t>(r % 2 == 1 ? c : c + 1);
      const std::int16_t away = static_cast<std::int16_t>(r % 2 == 1 ? c + 1 : c);
      const std::int16_t competition = r % 4 == 0 ? 3 : 1;
      g.FixtureOpponent(home, r) = away;
      g.FixtureOpponent(away, r) = home;
      g.FixtureVenue(home, r) = 1;
      g.FixtureVenue(away, r) = 2;
      g.FixtureCompetition(home, r) = competition;
      g.FixtureCompetition(away, r) = competition;
    }
  }
  return game;
}

void ShellTest::SetUp() {
  replaceGame(smallGame());
  rng().clearScript();
  rng().seed(1234);
}

void ShellTest::TearDown() {
  for (ui::Form* f : std::initializer_list<ui::Form*>{&ui::screen<LoadBgPicture>(), &ui::screen<frmAbout>(),
                                                      &ui::screen<PlayerStats>(), &ui::screen<PickTeam>(),
                                                      &ui::screen<MainModule>()}) {
    if (f->loaded()) f->Unload();
  }
  rng().clearScript();
  replaceGame(nullptr);
}

}  // namespace kervale::test
