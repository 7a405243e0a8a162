// The hub's ways into the training plan, the tactics page and the reserves,
// and what a plan made on the screen does to the squad.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "base/random.h"
#include "data/mls_module.h"
#include "shell/main_module.h"
#include "shell/saved_game.h"
#include "shell/shell_game.h"
#include "team/reserveteam.h"
#include "team/tactics_form.h"
#include "team/training.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

using ui::MsgResult;

class TeamScreensTest : public ShellTest {
 protected:
  void TearDown() override {
    ui::screen<Training>().Unload();
    ui::screen<TacticsForm>().Unload();
    ui::screen<reserveteam>().Unload();
    ShellTest::TearDown();
  }
  static Training& training() { return ui::screen<Training>(); }

  // Group 1 trains speed hard on Mondays, with the players of slots 2 and 3.
  void planSpeedMondays() {
    hub().Show();
    hub().Command8.userClick();
    ASSERT_TRUE(training().loaded());
    training().cmboTraining(0).userSelectItem(4);
    training().Combo2(0).userSelectItem(2);
    dialogs.answer(MsgResult::OK);
    training().Command3(1).userClick();
    training().Command4(1).userClick();
    training().Command4(2).userClick();
    training().Command1.userClick();
  }
};

TEST_F(TeamScreensTest, APlanSavedOnTheScreenTrainsOnTheNextMonday) {
  planSpeedMondays();
  std::vector<double> speedBefore;
  for (int slot = 1; slot <= 16; ++slot) speedBefore.push_back(g().PlayerSpeed(smallGamePlayer(1, slot)));
  g().WeekDay = 0;  // Sunday: the next press is Monday
  // A roll of 1 at "Intense" with a training factor of 3: a gain for both.
  rng().script({0.5, 0.5});
  hub().PlayGamesBUtton_Click();
  EXPECT_EQ(g().WeekDay, 1);
  EXPECT_EQ(rng().scriptedLeft(), 0u);
  for (int slot = 1; slot <= 16; ++slot) {
    const double moved = g().PlayerSpeed(smallGamePlayer(1, slot)) - speedBefore[slot - 1];
    EXPECT_NEAR(moved, slot == 2 || slot == 3 ? 0.04 : 0, 1e-9) << "slot " << slot;
  }
  const std::vector<std::string> lines = news();
  for (int slot : {2, 3}) {
    const std::string line =
        g().PlayerName(smallGamePlayer(1, slot)) + " increased his speed slightly in training today.";
    EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
  }
}

TEST_F(TeamScreensTest, PlansAndGroupsSurviveSaveAndLoad) {
  planSpeedMondays();
  replaceGame(parseSavedGame("Harbour City plan.usa", savedGameText(g()), *smallGame()));
  hub().Training_Pitch_Show.userClick();
  ASSERT_TRUE(training().shown());
  EXPECT_EQ(training().cmboTraining(0).text(), "Speed");
  EXPECT_EQ(training().Combo2(0).text(), "Intense");
  EXPECT_EQ(training().Command4(1).backColor(), kTrainingGroupMarker);
  EXPECT_EQ(training().Command4(2).backColor(), kTrainingGroupMarker);
  EXPECT_EQ(training().Command2(3).backColor(), kTrainingGroupMarker);
}

TEST_F(TeamScreensTest, TheTacticsPageReturnsToARebuiltHubAndChangesNothing) {
  TacticsForm& page = ui::screen<TacticsForm>();
  const std::function<void()> leaveByButton = [&page] { page.Command2.userClick(); };
  const std::function<void()> leaveByCloseBox = [&page] { page.userClose(); };
  for (const auto& leave : {leaveByButton, leaveByCloseBox}) {
    hub().Show();
    const std::string before = savedGameText(g());
    hub().Command2.userClick();
    EXPECT_TRUE(page.shown());
    EXPECT_FALSE(hub().loaded()) << "a full-window page";
    EXPECT_EQ(page.TeamNameLabel.caption(), "Harbour City");
    g().WeekDay = 3;  // shows whether the hub is rebuilt on return
    leave();
    EXPECT_FALSE(page.loaded());
    ASSERT_TRUE(hub().shown());
    EXPECT_EQ(hub().Label6.caption(), "Wednesday");
    g().WeekDay = 1;
    EXPECT_EQ(savedGameText(g()), before);
  }
}

TEST_F(TeamScreensTest, ReservesNeedANonMlsClubAndACoach) {
  const std::tuple<int, double, double, const char*> cases[] = {
      {16, 1, 1, "MLS Teams don't have reserve or youth teams."},
      {17, 0, 0, "You don't have a coach for the reserves."},
      {17, 0, 1, nullptr},
  };
  hub().Show();
  for (const auto& [club, reserveCoach, youthCoach, refusal] : cases) {
    g().MyTeam = club;
    g().ReserveCoach = reserveCoach;
    g().YouthCoach = youthCoach;
    const std::size_t boxes = dialogs.count();
    if (refusal != nullptr) dialogs.answer(MsgResult::OK);
    hub().Command3.userClick();
    reserveteam& reserves = ui::screen<reserveteam>();
    EXPECT_EQ(reserves.shown(), refusal == nullptr) << club;
    if (refusal != nullptr) {
      EXPECT_EQ(dialogs.last().text, refusal) << club;
    } else {
      EXPECT_EQ(dialogs.count(), boxes) << club;
    }
    reserves.Command1.userClick();
    EXPECT_FALSE(reserves.loaded());
  }
}

}  // namespace
}  // namespace kervale::test
