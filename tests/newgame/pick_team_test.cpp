#include "newgame/pick_team.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/colour.h"
#include "base/numbers.h"
#include "newgame/fixture_grid.h"
#include "newgame/newgame_worlds.h"
#include "shell/frm_splash.h"
#include "shell/load_bg_picture.h"
#include "shell/main_module.h"
#include "support/case_names.h"
#include "support/scripted_dialogs.h"
#include "ui/screen.h"

namespace kervale {
namespace {

using test::ClubRecord;
using ui::MsgResult;
using ui::screen;

// Keeps what the start-up screen's status line showed at every repaint.
class RecordingBackend : public ui::HeadlessBackend {
 public:
  void refresh(ui::Form& form) override {
    if (form.name() == "frmSplash") captions.push_back(ui::screen<frmSplash>().Label4.caption());
  }
  std::vector<std::string> captions;
};

class PickTeamTest : public ::testing::Test {
 protected:
  PickTeamTest() { pick.loaderSeed = 11; }
  ~PickTeamTest() override {
    for (ui::Form* form : std::initializer_list<ui::Form*>{&screen<LoadBgPicture>(), &screen<MainModule>(), &pick,
                                                           &screen<frmSplash>()}) {
      form->Unload();
    }
    pick.loaderSeed.reset();
    replaceGame(nullptr);
  }

  void start() {
    screen<frmSplash>().Show();
    screen<frmSplash>().Command1.userClick();
    ASSERT_TRUE(pick.loaded());
  }
  // Picks the club at button `index` of the page `country` after scrolling to `value`.
  void choose(ui::CommandButton& country, int value, int index) {
    country.userClick();
    pick.VScroll1.userScroll(value);
    pick.teambutton(index).userClick();
  }
  void confirm(const std::string& name = "Alex Morgan") {
    pick.Text1.userSetText(name);
    pick.OkButtonTeamSelect.userClick();
  }
  static int fixturesOf(int club, int code) { return test::fixturesOf(mls(), club, code); }

  test::SmallWorld world;
  test::ScopedCurrentDir inWorld{world.path()};
  test::ScriptedDialogs dialogs;
  PickTeam& pick = screen<PickTeam>();
};

TEST_F(PickTeamTest, StartButtonLoadsTheWorldWithProgressOnTheStartScreen) {
  RecordingBackend recording;
  ui::setBackend(&recording);
  screen<frmSplash>().Show();
  screen<frmSplash>().Command1.userClick();
  ui::setBackend(nullptr);
  // Then the loader's steps, in order, each shown as it starts.
  ASSERT_FALSE(recording.captions.empty());
  EXPECT_EQ(recording.captions.front(), "Loading Files, please wait...");
  const std::vector<std::string> steps = {
      "Loading Nationalities", "Loading Commentary",      "Generating Coaches",
      "Generating Scouts",     "Loading Team Data/Logos", "Loading Player Data",
      "Loading Tactical Data", "Loading Referee Data",    "Setting up Names for Youth Teams",
      "Seeding Cups",          "Loading Fixtures"};
  EXPECT_EQ(std::vector<std::string>(recording.captions.begin() + 1, recording.captions.end()), steps);
  EXPECT_FALSE(screen<frmSplash>().loaded());
  ASSERT_TRUE(pick.shown());
  EXPECT_EQ(pick.Label4.caption(), "USA");
  EXPECT_EQ(pick.VScroll1.max(), 18);
  EXPECT_EQ(pick.teambutton(10).caption(), "Club 10");
  EXPECT_EQ(mls().ScreenMode, "1024 X 768");  // carried into the new game
}

TEST_F(PickTeamTest, BrokenWorldSaysWhichFileAndStaysOnTheStartScreen) {
  world.write("players2.dat", "2\r\n" + test::playerRecord(1, "Only One", 1, 1, 1, 1));
  auto running = makeEmptyGame();
  running->TeamName(1) = "Untouched";
  replaceGame(std::move(running));
  dialogs.answer(MsgResult::OK);
  screen<frmSplash>().Show();
  screen<frmSplash>().Command1.userClick();
  EXPECT_FALSE(pick.loaded());
  EXPECT_TRUE(screen<frmSplash>().shown());
  ASSERT_EQ(dialogs.count(), 1u);
  EXPECT_NE(dialogs.last().text.find("players2.dat"), std::string::npos) << dialogs.last().text;
  EXPECT_EQ(mls().TeamName(1), "Untouched");
  EXPECT_FALSE(dialogs.backend().programEnded());
}

TEST_F(PickTeamTest, CountryButtonsPageThroughTheirClubs) {
  start();
  pick.Command1347.userClick();
  EXPECT_EQ(pick.Label4.caption(), "England");
  EXPECT_EQ(pick.VScroll1.value(), 46);
  EXPECT_EQ(pick.teambutton(1).caption(), "Club 53");
  pick.VScroll1.userScroll(500);
  // Clubs 145..148 play in no league and are not offered.
  EXPECT_EQ(pick.VScroll1.value(), 128);
  EXPECT_EQ(pick.teambutton(10).caption(), "Club 144");

  // Germany, Scotland and Mexico only explain; their leagues cannot be run either.
  dialogs.answer(MsgResult::OK).answer(MsgResult::OK).answer(MsgResult::OK);
  pick.Command2.userClick();
  pick.Command5.userClick();
  pick.Command4.userClick();
  ASSERT_EQ(dialogs.count(), 3u);
  EXPECT_EQ(pick.VScroll1.value(), 128);
  for (int j : {2, 3, 4}) {
    pick.Check1(j).userClick();
    EXPECT_EQ(pick.Check1(j).value(), 0);
  }
  pick.Option2(1).userClick();
  EXPECT_EQ(pick.Option2(0).value(), 1);
  pick.Option3(0).userClick();
  EXPECT_EQ(pick.Option3(2).value(), 1);

  pick.Command7.userClick();
  EXPECT_EQ(pick.Label4.caption(), "Australia");
  pick.VScroll1.userScroll(221);
  EXPECT_EQ(pick.teambutton(10).caption(), "Club 237");

  pick.Command1.userClick();
  EXPECT_EQ(pick.VScroll1.value(), 0);
  EXPECT_EQ(pick.teambutton(1).caption(), "Club 1");
}

TEST_F(PickTeamTest, ChoosingAClubShowsItsColourRosterBadgeAndStrength) {
  world.write("mlsdata2.dat", test::clubFileWith([](int i, ClubRecord& c) {
                if (i == 4) {
                  c.logo = "badge4.gif";
                  c.colour1 = "0,128,255";
                }
              }));
  std::string players = "13\r\n";
  for (int i = 1; i <= 12; ++i) players += test::playerRecord(4, "Player " + std::to_string(i), 1, 54, 2, 3);
  players += test::playerRecord(5, "Lonely", 1, 2, 3, 4);
  world.write("players2.dat", players);
  start();
  pick.teambutton(4).userClick();
  EXPECT_EQ(pick.teamnamelabel.caption(), "Club 4");
  EXPECT_EQ(pick.shape4.backColor(), colourFromText(mls().TeamColour1(4)));
  EXPECT_NE(pick.shape4.backColor(), 0u);
  ASSERT_EQ(pick.PlayersList.listCount(), 11);
  EXPECT_EQ(pick.PlayersList.list(10), "Player 11");
  EXPECT_EQ(pick.Image1.picture(), "badge4.gif");

  pick.teambutton(5).userClick();
  EXPECT_FALSE(pick.Image1.visible());
  ASSERT_EQ(pick.PlayersList.listCount(), 11);
  EXPECT_EQ(pick.PlayersList.list(1), "");
}

TEST_F(PickTeamTest, OkNeedsANameThenStartsAnAmericanClubWithTheChairmansLetter) {
  start();
  pick.teambutton(3).userClick();
  dialogs.answer(MsgResult::OK);
  pick.OkButtonTeamSelect.userClick();
  ASSERT_EQ(dialogs.count(), 1u);
  EXPECT_EQ(dialogs.last().title, "I just need your name!");
  EXPECT_EQ(dialogs.last().text,
            "Um, if you were born nameless then that really is pretty sad.\r\r(Please enter your name)");
  EXPECT_TRUE(pick.shown());
  EXPECT_EQ(mls().ClubNewsCount, 0);
  EXPECT_EQ(mls().CurrentWeek, 0);

  confirm("Alex Morgan\t\r");  // pasted with a tab and a line break
  EXPECT_FALSE(pick.loaded());
  EXPECT_TRUE(screen<MainModule>().shown());
  const MLSModule& g = mls();
  EXPECT_EQ(g.ManagerName, "Alex Morgan");
  ASSERT_EQ(g.ClubNewsCount, 7);  // the next news line goes after the letter
  EXPECT_EQ(g.ClubNewsLine(2), "To get started, click 'Team Select' for an overview of our roster.");
  EXPECT_EQ(g.ClubNewsLine(5), "If you need to talk to me, I am easily reachable from the Club Operations menu.");
  EXPECT_EQ(g.ClubNewsLine(7), "");
  EXPECT_EQ(g.HeadlineCount, 1);
  EXPECT_EQ(g.PlayoffTeams, 8);
  EXPECT_EQ(g.CurrentLeague, 0);
  EXPECT_EQ(g.MLSChampionHistory(0), 10);
  EXPECT_EQ(g.CupWinnerHistory(0), 7);
  EXPECT_EQ(g.WorldClubWinnerHistory(0), 120);
  for (int j : {1, 2, 6}) EXPECT_EQ(g.LeagueSkipped(j), 0) << j;
  for (int j : {3, 4, 5}) EXPECT_EQ(g.LeagueSkipped(j), 1) << j;
  EXPECT_EQ(fixturesOf(3, 1), 26);  // league matches moved out of the cup round are kept
  EXPECT_EQ(fixturesOf(40, 1), 0);  // the D3 Pro League has no schedule
}

// The Australian league runs beside the English ones, and always for an
// Australian club. The small schedule pairs 1-2, 3-4, ... 13-14 every round:
// 225 plays 226 in all 26 rounds, 237 never.
struct AustraliaCase {
  const char* name;
  int page;  // 0 USA, 1 England, 2 Australia
  int scroll, button, club;
  std::vector<int> untick;  // Check1 boxes
  int fixtures;             // club 225's league matches
  friend void PrintTo(const AustraliaCase& c, std::ostream* os) { *os << c.name; }
};

class AustralianLeagueTest : public PickTeamTest, public ::testing::WithParamInterface<AustraliaCase> {};

TEST_P(AustralianLeagueTest, RunsWithTheEnglishLeaguesOrForItsOwnClub) {
  const AustraliaCase& c = GetParam();
  start();
  ui::CommandButton* pages[] = {&pick.Command1, &pick.Command1347, &pick.Command7};
  choose(*pages[c.page], c.scroll, c.button);
  ASSERT_EQ(mls().MyTeam, c.club);
  for (int box : c.untick) pick.Check1(box).userClick();
  confirm();
  EXPECT_EQ(fixturesOf(225, 1), c.fixtures);
  EXPECT_EQ(fixturesOf(237, 1), 0);
  // The German, Scottish and Mexican leagues cannot be run, whoever is managed.
  for (int league : {3, 4, 5}) EXPECT_EQ(mls().LeagueSkipped(league), 1) << league;
}

INSTANTIATE_TEST_SUITE_P(Games, AustralianLeagueTest,
                         ::testing::Values(AustraliaCase{"MlsEnglandUnticked", 0, 0, 3, 3, {1}, 0},
                                           AustraliaCase{"MlsEverythingTicked", 0, 0, 3, 3, {}, 26},
                                           AustraliaCase{"EnglishAustraliaUnticked", 1, 70, 1, 77, {5}, 0},
                                           AustraliaCase{
                                               "AustralianEnglandAndUsaUnticked", 2, 218, 1, 225, {1, 0}, 26}),
                         test::PrintedCaseName());

TEST_F(PickTeamTest, EnglishClubDrawsTheCupFirstStageAndStartsInAugust) {
  start();
  choose(pick.Command1347, 70, 1);  // position 71: club 77, first of the second division
  ASSERT_EQ(mls().MyTeam, 77);
  confirm();
  const MLSModule& g = mls();
  EXPECT_EQ(g.CurrentLeague, 3);
  EXPECT_EQ(g.MLSChampionHistory(0), 53);
  EXPECT_EQ(g.CupWinnerHistory(0), 53);
  std::set<double> drawn;
  for (int i = 1; i <= 60; ++i) {
    const double club = g.USCupPrelimTeam(i);
    EXPECT_GE(club, 77) << i;   // no first-division club
    EXPECT_LE(club, 144) << i;  // and none outside the leagues
    drawn.insert(club);
  }
  EXPECT_EQ(drawn.size(), 60u);
  for (int i = 1; i <= 64; ++i) EXPECT_EQ(g.USCupRound1Team(i), 0);
  for (int k = 1; k <= 59; k += 2) {
    const int home = CInt(g.USCupPrelimTeam(k));
    EXPECT_EQ(g.FixtureOpponent(home, 72), g.USCupPrelimTeam(k + 1));
    EXPECT_EQ(g.FixtureVenue(home, 72), 1);
  }
}

// The hub plays only with eleven starters, and a world may have no free
// player to sign: a club of ten is refused before anything changes.
TEST_F(PickTeamTest, AClubShortOfElevenIsRefusedAtOk) {
  std::string players = "10\r\n";
  for (int k = 1; k <= 10; ++k) players += test::playerRecord(4, "Player " + std::to_string(k), 1, 2, 2, 2);
  world.write("players2.dat", players);
  start();
  pick.teambutton(4).userClick();
  dialogs.answer(MsgResult::OK);
  confirm();
  ASSERT_EQ(dialogs.count(), 1u);
  EXPECT_EQ(dialogs.last().text,
            "A new game cannot be started: the data file players2.dat is not usable.\rclub 4, Club 4, has 10 "
            "players; the club you manage needs 11");
  EXPECT_TRUE(pick.shown());
  EXPECT_EQ(mls().ClubNewsCount, 0);
  EXPECT_EQ(mls().CurrentWeek, 0);
}

TEST_F(PickTeamTest, MissingScheduleStopsOkBeforeAnythingChanges) {
  start();
  world.remove("mls 10.dat");
  dialogs.answer(MsgResult::OK);
  confirm();
  ASSERT_EQ(dialogs.count(), 1u);
  EXPECT_NE(dialogs.last().text.find("mls 10.dat"), std::string::npos);
  EXPECT_TRUE(pick.shown());
  EXPECT_EQ(mls().ClubNewsCount, 0);
  EXPECT_EQ(mls().CurrentWeek, 0);
  for (int r = 1; r <= kLastRound; ++r) EXPECT_EQ(mls().FixtureOpponent(1, r), 0);
}

// Expansion mode is not offered on the screen; when selected it replaces the
// letter and takes the new club, still starting in the American season.
TEST_F(PickTeamTest, ExpansionModeWritesItsOwnLetter) {
  dialogs.backend().setPolicy(ui::HeadlessBackend::Policy::Defaults);
  start();
  pick.Option2(1).setValue(1);
  confirm("Jo Park");
  const MLSModule& g = mls();
  EXPECT_EQ(g.MyTeam, 0);
  EXPECT_EQ(g.ExpansionMode, 1);
  EXPECT_EQ(g.CurrentSeason, -1);
  EXPECT_EQ(g.CurrentWeek, 43);
  ASSERT_EQ(g.ClubNewsCount, 10);
  EXPECT_EQ(g.ClubNewsLine(0), "Jo Park, welcome to expansion mode!");
  EXPECT_EQ(g.ClubNewsLine(9), "Good luck, and remember, the fans don't expect much the first season.");
  EXPECT_EQ(g.Headlines(0), "Club 1 have hired a new manager.");
}

TEST_F(PickTeamTest, LoadGameOpensThePickerAndQuitEnds) {
  start();
  pick.Command3.userClick();
  EXPECT_EQ(mls().PickerMode, 1);
  EXPECT_TRUE(screen<LoadBgPicture>().shown());
  EXPECT_TRUE(pick.shown());
  pick.Command6.userClick();
  EXPECT_FALSE(pick.loaded());
  EXPECT_TRUE(dialogs.backend().programEnded());
}

}  // namespace
}  // namespace kervale
