#include "shell/shell_game.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "base/file_error.h"
#include "base/random.h"
#include "data/started_leagues.h"
#include "match/match_engine.h"
#include "newgame/pick_team.h"
#include "shell/frm_about.h"
#include "shell/load_bg_picture.h"
#include "shell/main_module.h"
#include "shell/player_stats.h"
#include "shell/saved_game.h"
#include "team/locker_room.h"
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
  g.PlayoffTeams = 8;
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
    g.ManagerApproval(c) = 0.5;
    g.TeamVenue(c) = std::string(names[c]) + " Park";
    g.TeamMorale(c) = 1;
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
  for (int c = 1; c <= kLastClub; ++c) g.TeamKeyPlayerSlot(c) = 10;  // as every new game sets it
  fillStartedLeagues(g);

  // Tactical tables under which a matchday's matches score: every flow carries
  // the ball towards the other goal (the home side to the right, the away side
  // to the left); positions 1-4 defend, 5-8 hold the midfield, 9-12 attack.
  auto zone = [](int row, int column) { return 5 * (row - 1) + column; };
  for (int flow = 1; flow <= g.NumFlows; ++flow) {
    for (int row = 1; row <= 5; ++row) {
      const int inward = row < 3 ? row + 1 : (row > 3 ? row - 1 : row);
      for (int column = 1; column <= 5; ++column) {
        const int z = zone(row, column);
        g.FlowTable1(z, flow, 1) = zone(inward, std::min(column + 1, 5));
        g.FlowTable1(z, flow, 2) = zone(inward, std::max(column - 1, 1));
        for (int side = 1; side <= 2; ++side) {
          g.FlowTable2(z, flow, side) = 1;
          g.FlowTable3(z, flow, side) = 1;
          g.FlowTable4(z, flow, side) = 1;
        }
      }
    }
  }
  for (int position = 1; position <= g.NumPositions; ++position) {
    const int line = (position - 1) / 4 + 1;
    g.PositionPickWeight(position) = line;
    for (int flow = 1; flow <= g.NumFlows; ++flow) {
      for (int k = 1; k <= 3; ++k) g.PositionFactor(position, flow, k) = k == line ? 1 : 0.4;
    }
  }
  for (int tactic = 1; tactic <= g.NumTactics; ++tactic) {
    for (int k = 1; k <= 3; ++k) g.TacticFactor(tactic, k) = 1;
  }
  g.NumRefs = 1;
  g.RefName(1) = "Ada Whistle";
  g.RefStrictness(1) = 5;
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

std::string savedGameRefusal(const std::string& text) {
  const std::string before = savedGameText(mls());
  try {
    parseSavedGame("Harbour City bad.usa", text, mls());
  } catch (const FileError& error) {
    EXPECT_EQ(error.fileName(), "Harbour City bad.usa");
    EXPECT_TRUE(savedGameText(mls()) == before) << "the game in play changed";
    return error.problem();
  }
  ADD_FAILURE() << "the file was accepted";
  return "";
}

void ShellTest::SetUp() {
  replaceGame(smallGame());
  rng().clearScript();
  rng().seed(1234);
}

void ShellTest::playMatchdays() {
  dialogs.backend().setPolicy(ui::HeadlessBackend::Policy::Defaults);
  standIn.emplace(dialogs.backend());
}

int ShellTest::finalScoreBoxes() const {
  int boxes = 0;
  for (const ui::DialogRecord& r : dialogs.log()) {
    if (r.text.rfind("Final Score from", 0) == 0) ++boxes;
  }
  return boxes;
}

MainModule& ShellTest::hub() { return ui::screen<MainModule>(); }

std::vector<std::string> ShellTest::news() {
  std::vector<std::string> lines;
  // A full list holds its last line at the count itself.
  const int held = mls().ClubNewsLine(50).empty() ? static_cast<int>(mls().ClubNewsCount) : 51;
  for (int i = 0; i < held; ++i) lines.push_back(mls().ClubNewsLine(i));
  return lines;
}

void ShellTest::TearDown() {
  standIn.reset();
  for (ui::Form* f : std::initializer_list<ui::Form*>{
           &ui::screen<LoadBgPicture>(), &ui::screen<frmAbout>(), &ui::screen<PlayerStats>(), &ui::screen<PickTeam>(),
           &ui::screen<LockerRoom>(), &ui::screen<MatchEngine>(), &ui::screen<MainModule>()}) {
    if (f->loaded()) f->Unload();
  }
  rng().clearScript();
  replaceGame(nullptr);
}

}  // namespace kervale::test
