#include <string>

#include "base/random.h"
#include "club/chairman.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "shell/main_module.h"
#include "shell/shell_game.h"
#include "ui/screen.h"

namespace kervale::test {

namespace {

class ResignationTest : public ShellTest {
 protected:
  void resign() {
    hub().Show();
    showChairman();
    dialogs.answer(ui::MsgResult::Yes).answer(ui::MsgResult::OK);
    ui::screen<Chairman>().Command2.userClick();
    ASSERT_EQ(g().MyTeam, 0);
  }
  void TearDown() override {
    if (ui::screen<Chairman>().loaded()) ui::screen<Chairman>().Unload();
    ShellTest::TearDown();
  }
};

TEST_F(ResignationTest, WithoutAClubTheDaysPassAndAnOfferBringsAClubBack) {
  // A free agent with a birthday today, old enough to retire on it.
  const int free = g().NumPlayers + 1;
  g().NumPlayers = free;
  g().PlayerName(free) = "Lone Wanderer";
  g().PlayerAge(free) = 40;
  g().PlayerBirthMonth(free) = 1;
  g().PlayerBirthDay(free) = 2;
  resign();
  EXPECT_FALSE(hub().Command1.enabled());

  playMatchdays();
  for (int press = 0; press < 14; ++press) hub().PlayGamesBUtton.userClick();
  EXPECT_EQ(g().CurrentWeek, 5) << "four matchdays played";
  EXPECT_EQ(finalScoreBoxes(), 0) << "no match is the user's";
  EXPECT_FALSE(dialogs.sawText("Lone Wanderer"));
  for (const std::string& line : news()) EXPECT_EQ(line.find("Lone Wanderer"), std::string::npos) << line;
  EXPECT_FALSE(hub().Command6.enabled());

  // An application to club 3, answered by the next between-matchday pass.
  // No other club sacks its manager first, so the offer takes the one draw.
  for (int club = 1; club <= kLastClub; ++club) g().ManagerApproval(club) = 0.5;
  g().AppliedTeam = 3;
  rng().script({0.99});
  dialogs.answer(ui::MsgResult::Yes);
  ui::screen<MatchEngine>().managermarket();
  EXPECT_EQ(g().MyTeam, 3);
  EXPECT_TRUE(dialogs.sawText("have accepted you as the new manager"));
  // The day loop brings the hub back after the matchday that answered.
  hub().Unload();
  hub().Show();
  EXPECT_TRUE(hub().Command1.enabled());
  EXPECT_TRUE(hub().Command6.enabled());
  EXPECT_TRUE(hub().Club_Operations.enabled());
}

}  // namespace

}  // namespace kervale::test
