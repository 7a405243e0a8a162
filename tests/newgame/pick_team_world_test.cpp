// New games on the committed world, driven through the screens with a fixed seed.
#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "newgame/fixture_grid.h"
#include "newgame/newgame_worlds.h"
#include "newgame/pick_team.h"
#include "shell/frm_splash.h"
#include "shell/main_module.h"
#include "support/case_names.h"
#include "support/scripted_dialogs.h"
#include "support/world.h"
#include "ui/screen.h"

namespace kervale {
namespace {

using ui::screen;

struct StartCase {
  const char* league;
  int page;  // 0 USA, 1 England, 2 Australia
  int scroll, button, club, round, month, day;
  friend void PrintTo(const StartCase& c, std::ostream* os) { *os << c.league << " club " << c.club; }
};

class WorldNewGame : public ::testing::TestWithParam<StartCase> {
 protected:
  WorldNewGame() { screen<PickTeam>().loaderSeed = 2003; }
  ~WorldNewGame() override {
    screen<MainModule>().Unload();
    screen<PickTeam>().Unload();
    screen<frmSplash>().Unload();
    screen<PickTeam>().loaderSeed.reset();
    replaceGame(nullptr);
  }
  void startWith(const StartCase& c) {
    screen<frmSplash>().Show();
    screen<frmSplash>().Command1.userClick();
    PickTeam& pick = screen<PickTeam>();
    ASSERT_TRUE(pick.loaded()) << (pick.loadError ? pick.loadError->what() : "");
    ui::CommandButton* pages[] = {&pick.Command1, &pick.Command1347, &pick.Command7};
    pages[c.page]->userClick();
    pick.VScroll1.userScroll(c.scroll);
    pick.teambutton(c.button).userClick();
    ASSERT_EQ(mls().MyTeam, c.club);
    pick.Text1.userSetText("Robin Hale");
    pick.OkButtonTeamSelect.userClick();
    ASSERT_FALSE(pick.loaded());
    ASSERT_TRUE(screen<MainModule>().shown());
  }
  static int leagueFixtures(int club) { return test::fixturesOf(mls(), club, 1); }

  test::ScopedCurrentDir inWorld{KERVALE_WORLD_DIR};
  test::ScriptedDialogs dialogs{ui::HeadlessBackend::Policy::Strict};
};

TEST_P(WorldNewGame, StartsWithItsLeaguesCupAndLetter) {
  ASSERT_TRUE(test::worldPresent());
  const StartCase c = GetParam();
  ASSERT_NO_FATAL_FAILURE(startWith(c));
  const MLSModule& g = mls();

  EXPECT_EQ(g.CurrentWeek, c.round);
  EXPECT_EQ(g.CurrentMonth, c.month);
  EXPECT_EQ(g.MonthDay, c.day);
  EXPECT_EQ(g.WeekDay, 1);
  ASSERT_EQ(g.ClubNewsCount, 7);
  EXPECT_EQ(g.ClubNewsLine(0), "Robin Hale, this is your chairman.");
  EXPECT_EQ(g.ClubNewsLine(1),
            "Thanks for your application. We feel that you are the best for the " + g.TeamName(c.club) + " job.");
  EXPECT_EQ(g.Headlines(0), g.TeamName(c.club) + " have hired a new manager.");

  test::expectSymmetric(g);  // the grid holds every match on both rows

  // League matches of every league run: the American ones only in an American club's game.
  const bool american = c.club <= 52;
  for (int club = 1; club <= 10; ++club) EXPECT_EQ(leagueFixtures(club), american ? 26 : 0) << club;
  for (int club = 17; club <= 34; ++club) EXPECT_EQ(leagueFixtures(club), american ? 34 : 0) << club;
  for (int club = 35; club <= 52; ++club) EXPECT_EQ(leagueFixtures(club), 0) << club;
  for (int d = 1; d <= 4; ++d) {
    for (int n = 1; n <= 24; ++n) {
      const int club = CInt(g.LeagueOrder(n, d));
      if (club == 0) continue;
      // A 24-club division loses the four rounds its schedule's end shares with its start.
      EXPECT_EQ(leagueFixtures(club), d == 1 ? 38 : 42) << "division " << d << " club " << club;
    }
  }
  for (int club = 145; club <= 148; ++club) EXPECT_EQ(leagueFixtures(club), 0) << club;
  for (int club = 225; club <= 237; ++club) EXPECT_EQ(leagueFixtures(club), 24) << club;

  // The first cup round stands where the matchday driver looks for it.
  int ties48 = 0;
  int ties72 = 0;
  for (int club = 1; club <= kLastClub; ++club) {
    ties48 += g.FixtureCompetition(club, 48) == 2 && g.FixtureVenue(club, 48) == 1 ? 1 : 0;
    ties72 += g.FixtureCompetition(club, 72) == 3 && g.FixtureVenue(club, 72) == 1 ? 1 : 0;
  }
  if (american) {
    int expected = 0;
    for (int k = 1; k <= 51; k += 2) {
      const int home = CInt(g.USCupRound1Team(k));
      const int away = CInt(g.USCupRound1Team(k + 1));
      if (home == 0 || away == 0) continue;
      ++expected;
      EXPECT_EQ(g.FixtureOpponent(home, 48), away);
    }
    EXPECT_EQ(ties48, expected);
    EXPECT_EQ(ties72, 0);
  } else if (c.club <= 148) {
    EXPECT_EQ(ties48, 0);
    EXPECT_EQ(ties72, 30);
  } else {
    EXPECT_EQ(ties48 + ties72, 0);
  }

  // Transfer interest: never the user's club, never a club without a scouting budget, never twice.
  for (int p = 1; p <= g.NumPlayers; ++p) {
    EXPECT_EQ(g.PlayerInterest(p, 0), 0);
    EXPECT_EQ(g.PlayerInterest(p, 5), 0);
    std::set<int> clubs;
    for (int col = 1; col <= 4; ++col) {
      const int club = g.PlayerInterest(p, col);
      if (club == 0) continue;
      EXPECT_NE(club, c.club);
      EXPECT_LE(club, 237);
      EXPECT_GT(g.ScoutingFunding(club), 0);
      EXPECT_TRUE(clubs.insert(club).second) << "player " << p;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Leagues, WorldNewGame,
                         ::testing::Values(StartCase{"MLS", 0, 0, 3, 3, 43, 6, 1},
                                           StartCase{"ALeague", 0, 4, 10, 20, 43, 6, 1},
                                           StartCase{"English", 1, 120, 10, 136, 66, 8, 13},
                                           StartCase{"Australian", 2, 220, 1, 227, 74, 9, 13}),
                         test::PrintedCaseName());

}  // namespace
}  // namespace kervale
