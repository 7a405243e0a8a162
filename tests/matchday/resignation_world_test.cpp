#include <gtest/gtest.h>

#include "base/random.h"
#include "club/chairman.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "matchday/cups.h"
#include "matchday/driver_world.h"
#include "shell/main_module.h"
#include "support/case_names.h"
#include "support/scripted_dialogs.h"
#include "ui/screen.h"

namespace kervale::test {

namespace {

// A seeded game of the committed world, left by its manager, plays on until
// a job application brings him back.
class ResignationWorldTest : public ::testing::TestWithParam<int> {
 protected:
  void TearDown() override {
    for (ui::Form* f : {static_cast<ui::Form*>(&ui::screen<Chairman>()), static_cast<ui::Form*>(&hub())}) {
      if (f->loaded()) f->Unload();
    }
    rng().clearScript();
    replaceGame(nullptr);
  }
  static MainModule& hub() { return ui::screen<MainModule>(); }
  ScriptedDialogs dialogs;
};

TEST_P(ResignationWorldTest, MatchdaysRunWithoutAClubUntilAnOffer) {
  auto start = startedWorldGame(GetParam());
  ASSERT_TRUE(start) << "no game to play";
  replaceGame(std::move(start));
  rng().seed(77);
  MLSModule& g = mls();
  const bool english = g.CurrentLeague == 3;
  hub().Show();
  showChairman();
  dialogs.answer(ui::MsgResult::Yes).answer(ui::MsgResult::OK);
  ui::screen<Chairman>().Command2.userClick();
  ASSERT_EQ(g.MyTeam, 0);

  // The cups and playoffs of the league the game was started in.
  EXPECT_EQ(keepsEnglishCup(g), english);
  EXPECT_EQ(keepsUSOpenCup(g), !english);
  EXPECT_EQ(runsMLSPlayoffs(g), !english);

  // Strict dialogs: a box for a free agent's retirement, or any match of the
  // user's, would fail here.
  const double week = g.CurrentWeek;
  for (int press = 0; press < 21; ++press) hub().PlayGamesBUtton.userClick();
  EXPECT_EQ(g.CurrentWeek, week + 6);
  for (int i = 0; i < g.ClubNewsCount; ++i) EXPECT_EQ(g.ClubNewsLine(i).find("birthday"), std::string::npos);

  // The application is answered by the next between-matchday pass; no club
  // sacks its manager first, so the offer takes the one scripted draw.
  for (int club = 1; club <= kLastClub; ++club) g.ManagerApproval(club) = 0.5;
  g.AppliedTeam = 20;
  rng().script({0.99});
  dialogs.answer(ui::MsgResult::Yes);
  ui::screen<MatchEngine>().managermarket();
  EXPECT_EQ(dialogs.last().title, "Interested Team");
  EXPECT_EQ(g.MyTeam, 20);
  hub().Unload();  // as the day loop brings the hub back after a matchday
  hub().Show();
  EXPECT_TRUE(hub().Command1.enabled());
  EXPECT_TRUE(hub().Command6.enabled());
  EXPECT_TRUE(hub().Club_Operations.enabled());
}

INSTANTIATE_TEST_SUITE_P(MLSAndEnglish, ResignationWorldTest, ::testing::Values(3, 60), PrintedCaseName());

}  // namespace

}  // namespace kervale::test
