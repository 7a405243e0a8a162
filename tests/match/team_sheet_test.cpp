// The in-match team sheet: pausing the match, what it shows, and the saved tactic slots.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "event_fixture.h"
#include "match/match_settings.h"

namespace kervale::test {
namespace {

matchsettings& sheet() { return ui::screen<matchsettings>(); }

class TeamSheetTest : public EventTest {
 protected:
  TeamSheetTest() {
    mls().MyTeam = kHome;
    shown.minute = 63;
    shown.homegoals = 2;
    shown.awaygoals = 1;
  }
  ~TeamSheetTest() override {
    sheet().Unload();
    mls().PauseFlag = 0;
  }
};

TEST_F(TeamSheetTest, TheClubButtonPausesAndShowsTheSide) {
  MLSModule& g = mls();
  shown.homecondition(3) = 0.874;
  shown.Command1.userClick();
  EXPECT_EQ(g.PauseFlag, 1);
  EXPECT_EQ(g.SettingsSide, 1);
  EXPECT_EQ(g.SettingsMinute, 63);
  EXPECT_EQ(g.SettingsAwayGoals, 1);
  ASSERT_TRUE(sheet().shown());
  EXPECT_EQ(sheet().Label2.caption(), "Harbour");
  EXPECT_EQ(sheet().labellabel.caption(), "Ridge");
  EXPECT_EQ(sheet().Label1.caption(), " 2 : 1");
  EXPECT_EQ(sheet().Label3.caption(), "Minute  63");
  EXPECT_EQ(sheet().playrnm(1).caption(), "G H1");
  EXPECT_EQ(sheet().playrnm(2).caption(), "DMF H2");
  EXPECT_EQ(sheet().matchrate(2).caption(), " 5");
  EXPECT_EQ(sheet().matchrate(12).caption(), " 0");
  // The keeper never tires; row 3 of the outfield is squad slot 4.
  EXPECT_EQ(sheet().Label4(1).caption(), " 100%");
  EXPECT_EQ(sheet().Label4(4).caption(), " 87%");
  // The user's own side: positions and the tactic slots.
  EXPECT_TRUE(sheet().Label7(1).visible());
  EXPECT_EQ(sheet().Label7(2).caption(), "DEF");
  EXPECT_EQ(sheet().Label7(11).caption(), "FWD");
  EXPECT_TRUE(sheet().Command6(3).visible());
  EXPECT_EQ(sheet().Label8.caption(), "Tactic: Balanced");
  EXPECT_EQ(sheet().Label9.caption(), "Flow: Direct");
}

TEST_F(TeamSheetTest, OnlyTheUsersOwnSideShowsItsControls) {
  shown.Command3.userClick();
  EXPECT_EQ(mls().SettingsSide, 2);
  EXPECT_EQ(sheet().playrnm(5).caption(), "DMF R5");
  EXPECT_FALSE(sheet().Label7(0).visible());
  EXPECT_FALSE(sheet().Label7(2).visible());
  EXPECT_FALSE(sheet().Command6(0).visible());
  EXPECT_FALSE(sheet().Label8.visible());
  // Written all the same.
  EXPECT_EQ(sheet().Label8.caption(), "Tactic: Balanced");
  // The user's side playing away shows its positions too.
  sheet().Unload();
  mls().MyTeam = kAway;
  mls().PlayerName(player(kAway, 20)).clear();
  shown.Command3.userClick();
  EXPECT_TRUE(sheet().Label7(0).visible());
  EXPECT_EQ(sheet().Label7(6).caption(), "MID");
  EXPECT_TRUE(sheet().Command2.visible());
  // An empty squad slot shows nothing.
  EXPECT_EQ(sheet().playrnm(20).caption(), "");
  EXPECT_EQ(sheet().matchrate(20).caption(), "");
}

TEST_F(TeamSheetTest, ASavedSlotLoadsAndAnEmptyOneChangesNothing) {
  MLSModule& g = mls();
  g.SavedTactic(2) = 2;
  g.SavedFlow(2) = 2;
  shown.Command1.userClick();
  sheet().Command6(1).userClick();  // never saved
  EXPECT_EQ(g.TeamTactic(kHome), 1);
  EXPECT_EQ(g.TeamFlow(kHome), 1);
  EXPECT_EQ(sheet().Label8.caption(), "Tactic: Balanced");
  sheet().Command6(2).userClick();
  EXPECT_EQ(g.TeamTactic(kHome), 2);
  EXPECT_EQ(g.TeamFlow(kHome), 2);
  EXPECT_EQ(sheet().Label8.caption(), "Tactic: Attacking");
  EXPECT_EQ(sheet().Label9.caption(), "Flow: Patient");
  // The match stays paused until the sheet is left.
  EXPECT_EQ(g.PauseFlag, 1);
}

TEST_F(TeamSheetTest, TheSlotsChangeTheUsersClubWhicheverSideIsShown) {
  MLSModule& g = mls();
  g.SavedTactic(0) = 2;
  g.SavedFlow(0) = 2;
  shown.Command3.userClick();
  // The buttons are hidden on the opponent's sheet; the handler still means the user's club.
  EXPECT_FALSE(sheet().Command6(0).visible());
  sheet().Command6_Click(0);
  EXPECT_EQ(g.TeamTactic(kHome), 2);
  EXPECT_EQ(g.TeamTactic(kAway), 1);
}

TEST_F(TeamSheetTest, LeavingTheSheetResumes) {
  const std::function<void()> leaves[] = {[] { sheet().Command1.userClick(); }, [] { sheet().userDeactivate(); },
                                          [] { sheet().userClose(); }};
  for (const auto& leave : leaves) {
    shown.Command3.userClick();
    ASSERT_EQ(mls().PauseFlag, 1);
    leave();
    EXPECT_FALSE(sheet().loaded());
    EXPECT_EQ(mls().PauseFlag, 0);
  }
  // The other button redraws an open sheet.
  shown.Command1.userClick();
  shown.Command3.userClick();
  EXPECT_EQ(sheet().playrnm(1).caption(), "G R1");
  EXPECT_EQ(mls().PauseFlag, 1);
}

TEST_F(TeamSheetTest, TheMatchWaitsAtTheEndOfTheMinuteUntilTheSheetCloses) {
  ShownMatch m;
  pairUp(m);
  m.Fastsim.setValue(1);
  mls().MyTeam = kUser;
  m.Show();
  int passes = 0;
  int listed = 0;
  std::function<void()> waiting = [&] {
    // Held after the flush of minute 10, for as long as the sheet is open.
    if (m.Commentary.listCount() == listed) {
      ui::headless().postIdle(waiting);
      return;
    }
    EXPECT_EQ(m.minute, 10);
    EXPECT_TRUE(m.running());
    if (++passes == 5) {
      sheet().Command1.userClick();
      return;
    }
    ui::headless().postIdle(waiting);
  };
  dialogs.idle(AtMinuteOf{&m, 10, [&] {
                            listed = m.Commentary.listCount();
                            m.Command3.userClick();
                            ui::headless().postIdle(waiting);
                          }});
  m.Playgame();
  EXPECT_EQ(passes, 5);
  EXPECT_EQ(m.minute, 90);
  EXPECT_EQ(mls().SettingsMinute, 10);
  m.Unload();
}

TEST(PositionCodeTest, TheLastTestThatHoldsWins) {
  EXPECT_STREQ(positionCode(12, 12, 3, 2), "G ");  // keeping equal to the best outfield rating
  EXPECT_STREQ(positionCode(1, 60, 50, 60), "DMF ");
  EXPECT_STREQ(positionCode(1, 60, 60, 50), "DM ");
  EXPECT_STREQ(positionCode(1, 60, 50, 40), "D ");
  EXPECT_STREQ(positionCode(1, 40, 60, 60), "MF ");
  EXPECT_STREQ(positionCode(1, 40, 60, 50), "M ");
  EXPECT_STREQ(positionCode(1, 40, 50, 60), "F ");
  EXPECT_STREQ(positionCode(1, 50, 50, 50), "DMF ");
}

}  // namespace
}  // namespace kervale::test
