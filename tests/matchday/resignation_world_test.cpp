#include <gtest/gtest.h>

#include <string>

#include "base/random.h"
#include "club/chairman.h"
#include "data/mls_module.h"
#include "matchday/cups.h"
#include "matchday/driver_world.h"
#include "shell/main_module.h"
#include "support/scripted_dialogs.h"
#include "ui/screen.h"

namespace kervale::test {

namespace {

// A seeded game of the committed world, left by its manager, plays on.
class ResignationWorldTest : public ::testing::TestWithParam<int> {
 protected:
  void TearDown() override {
    for (ui::Form* f :
         {static_cast<ui::Form*>(&ui::screen<Chairman>()), static_cast<ui::Form*>(&ui::screen<MainModule>())}) {
      if (f->loaded()) f->Unload();
    }
    replaceGame(nullptr);
  }
  ScriptedDialogs dialogs;
};

TEST_P(ResignationWorldTest, MatchdaysRunWithoutAClub) {
  auto start = startedWorldGame(GetParam());
  if (!start) GTEST_SKIP() << "no world";
  replaceGame(std::move(start));
  rng().seed(77);
  MLSModule& g = mls();
  const bool english = g.CurrentLeague == 3;
  MainModule& hub = ui::screen<MainModule>();
  hub.Show();
  showChairman();
  dialogs.answer(ui::MsgResult::Yes).answer(ui::MsgResult::OK);
  ui::screen<Chairman>().Command2.userClick();
  ASSERT_EQ(g.MyTeam, 0);

  // The cups and playoffs of the league the game was started in.
  EXPECT_EQ(keepsEnglishCup(g), english);
  EXPECT_EQ(keepsUSOpenCup(g), !english);
  EXPECT_EQ(runsMLSPlayoffs(g), !english);

  // Every box would be an unexpected one: no match, retirement or report is the user's.
  const double week = g.CurrentWeek;
  for (int press = 0; press < 21; ++press) hub.PlayGamesBUtton.userClick();
  EXPECT_EQ(g.CurrentWeek, week + 6);
  EXPECT_EQ(dialogs.count(), 2u);
  for (int i = 0; i < g.ClubNewsCount; ++i) {
    EXPECT_EQ(g.ClubNewsLine(i).find("birthday"), std::string::npos) << g.ClubNewsLine(i);
  }
}

INSTANTIATE_TEST_SUITE_P(MLSAndEnglish, ResignationWorldTest, ::testing::Values(3, 60));

}  // namespace

}  // namespace kervale::test
