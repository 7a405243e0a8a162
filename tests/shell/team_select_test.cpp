// The squad screen on a hand-made game: grid, exchange, tactics, the hub.
#include "team/team_select.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "base/colour.h"
#include "base/random.h"
#include "club/player_directory.h"
#include "data/mls_module.h"
#include "shell/main_module.h"
#include "shell/shell_game.h"
#include "team/pitch_settings.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

constexpr Colour kTeal = rgbColour(0, 128, 128);
constexpr Colour kBlue = rgbColour(0, 0, 192);
constexpr Colour kYellow = rgbColour(192, 192, 0);

class TeamSelectTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    for (int t = 1; t <= 6; ++t) g().TacticName(t) = "T" + std::to_string(t);
    for (int f = 1; f <= 4; ++f) g().FlowName(f) = "F" + std::to_string(f);
    for (int f = 1; f <= 8; ++f) {
      for (int j = 1; j <= 10; ++j) g().FormationPos(f, j) = 1 + (f + j) % 12;
    }
    hub().Show();
    hub().Command1.userClick();
  }
  void TearDown() override {
    for (ui::Form* f :
         std::initializer_list<ui::Form*>{&sheet(), &ui::screen<pitchsettings>(), &ui::screen<PlayerDirectory>()}) {
      if (f->loaded()) f->Unload();
    }
    ShellTest::TearDown();
  }
  static TeamSelect& sheet() { return ui::screen<TeamSelect>(); }
  static double slot(int s) { return g().TeamSquad(s, 1); }
  static void click(int row) { sheet().PlayerName(row).userClick(); }
  static std::multiset<double> squad() {
    std::multiset<double> players;
    for (int s = 1; s <= 20; ++s) players.insert(slot(s));
    return players;
  }
  static void reopen() {
    sheet().Unload();
    showTeamSelect();
  }
};

TEST_F(TeamSelectTest, ExchangesMoveOnlyPlayersAndKeepTheSquad) {
  const double starter = slot(5), sub = slot(14);
  const double position = g().TeamPosition(4, 1);
  g().PlayerInjury(sub) = 1;
  reopen();
  click(5);
  click(14);
  EXPECT_EQ(slot(5), sub);
  EXPECT_EQ(slot(14), starter);
  EXPECT_EQ(g().TeamPosition(4, 1), position) << "the position stays with the row";
  EXPECT_EQ(sheet().PlayerName(5).backColor(), kBlue) << "the injured substitute now in row 5";
  EXPECT_EQ(sheet().PlayerName(14).backColor(), kTeal);
  EXPECT_NE(sheet().PlayerName(14).caption().find(g().PlayerName(starter)), std::string::npos);
  EXPECT_FALSE(sheet().Frame1.visible()) << "rows without a game hide the profile";

  click(3);
  click(3);
  EXPECT_EQ(sheet().RowSelected, 0);
  click(2);
  click(18);  // onto an empty slot
  EXPECT_EQ(slot(2), 0);
  EXPECT_EQ(sheet().PlayerName(2).caption(), "");
  EXPECT_FALSE(sheet().Image3(2).visible());

  const std::multiset<double> before = squad();
  Random clicks;
  clicks.seed(5);
  for (int i = 0; i < 200; ++i) click(clicks.draw(20, 1));
  EXPECT_EQ(squad(), before);
}

TEST_F(TeamSelectTest, TheChosenRowReadsBlackOnYellowUnderTheProfileOfItsPlayer) {
  const auto cells = [](int row) {
    return std::vector<const ui::Label*>{&sheet().PlayerName(row),     &sheet().goalkeepingability(row),
                                         &sheet().defensiveview(row),  &sheet().midfieldview(row),
                                         &sheet().forwardview(row),    &sheet().AgeLabel(row),
                                         &sheet().goalscoredview(row), &sheet().injuryview(row)};
  };
  g().PlayerInjury(slot(4)) = 2;
  g().PlayerInjuryText(slot(4)) = "Torn ligament";
  reopen();
  for (int row : {3, 4}) {
    click(row);
    EXPECT_TRUE(sheet().Frame1.visible());
    EXPECT_EQ(sheet().Frame1.caption(), g().PlayerName(slot(row))) << "the profile is headed by the name";
    EXPECT_EQ(sheet().Label21.visible(), row == 4) << "the injury line only for the injured";
    EXPECT_EQ(sheet().Label21.caption(), row == 4 ? "Torn ligament" : "");
    for (const ui::Label* cell : cells(row)) {
      EXPECT_EQ(cell->backColor(), kYellow) << cell->name();
      EXPECT_EQ(cell->foreColor(), ui::kBlack) << cell->name() << ": teal or white would not read on yellow";
    }
    click(row);  // the same row again: the selection ends
    for (const ui::Label* cell : cells(row)) {
      const Colour back = row == 4 ? kBlue : row % 2 == 1 ? ui::kWhite : kTeal;
      EXPECT_EQ(cell->backColor(), back) << cell->name();
      EXPECT_EQ(cell->foreColor(), row % 2 == 1 ? kTeal : ui::kWhite) << cell->name();
    }
  }
}

TEST_F(TeamSelectTest, TacticFlowPushUpAndSavedSlots) {
  g().TeamTactic(1) = 6;
  g().TeamFlow(1) = 4;
  g().TeamPushUp(1) = 2;
  reopen();
  sheet().tacticbutton.userClick();
  sheet().flowbutton.userClick();
  EXPECT_EQ(sheet().tacticbutton.caption(), "Tactic: T1");
  EXPECT_EQ(sheet().flowbutton.caption(), "Flow: F1");
  for (const char* caption : {"Push Up: Always", "Push Up: Never", "Push Up: Rarely", "Push Up: Moderately"}) {
    sheet().Command10.userClick();
    EXPECT_EQ(sheet().Command10.caption(), caption);
  }

  sheet().tacticbutton.userClick();
  sheet().Command8(1).userClick();  // slot 2 keeps tactic 2, flow 1
  sheet().tacticbutton.userClick();
  sheet().flowbutton.userClick();
  sheet().Command9(1).userClick();
  EXPECT_EQ(g().TeamTactic(1), 2);
  EXPECT_EQ(g().TeamFlow(1), 1);
  EXPECT_EQ(sheet().tacticbutton.caption(), "Tactic: T2");

  dialogs.answer(ui::MsgResult::OK);
  sheet().Command9(2).userClick();
  EXPECT_EQ(dialogs.last().text, "There is no saved tactic in slot 3.");
  EXPECT_EQ(g().TeamTactic(1), 2) << "an empty slot changes nothing";
  EXPECT_EQ(g().TeamFlow(1), 1);
}

TEST_F(TeamSelectTest, SaveWritesPositionsAndWarnsOfAMissingStarter) {
  sheet().positioncombo(1).userSelectItem(6);
  sheet().positioncombo(2).setListIndex(-1);
  click(1);
  click(17);  // the keeper to an empty slot: slot 1 is empty now
  dialogs.answer(ui::MsgResult::OK);
  sheet().Command13.userClick();
  EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"You must have 11 starting players."});
  EXPECT_EQ(g().TeamPosition(1, 1), 7);
  EXPECT_EQ(g().TeamPosition(2, 1), 0);
  EXPECT_EQ(g().SavedTactic(0), g().TeamTactic(1));
  EXPECT_EQ(g().SavedFlow(0), g().TeamFlow(1));
  EXPECT_EQ(sheet().positioncombo(1).listIndex(), 6) << "redrawn from the stored codes";
  EXPECT_EQ(sheet().PlayerName(1).caption(), "");
}

TEST_F(TeamSelectTest, PresetsQuitAndExit) {
  sheet().formationcombo.userSelectItem(3);
  sheet().Command1.userClick();
  EXPECT_EQ(g().TeamFormation(1), 3);
  EXPECT_EQ(g().TeamPosition(1, 1), g().FormationPos(3, 1));

  sheet().formationcombo.setListIndex(-1);
  sheet().Command1.userClick();
  EXPECT_EQ(g().TeamFormation(1), 3) << "no entry chosen: nothing changes";

  const double stored = g().TeamPosition(5, 1);
  sheet().positioncombo(5).userSelectItem(static_cast<int>(stored) % 12);
  sheet().Command14.userClick();
  EXPECT_EQ(g().TeamPosition(5, 1), stored) << "Quit drops the combo choices";
  EXPECT_TRUE(hub().loaded());
  EXPECT_FALSE(sheet().loaded());

  hub().TeamSelect_Menu.userClick();
  sheet().formationcombo.userSelectItem(0);
  sheet().Command1.userClick();
  for (int j = 1; j <= 10; ++j) EXPECT_EQ(sheet().positioncombo(j).listIndex(), -1) << j;
  dialogs.answer(ui::MsgResult::OK);
  g().TeamSquad(11, 1) = 0;  // ten starters: the warning, and still the way out
  sheet().Command2.userClick();
  EXPECT_EQ(dialogs.count(), 1u);
  EXPECT_EQ(g().TeamFormation(1), 0);
  for (int j = 1; j <= 10; ++j) EXPECT_EQ(g().TeamPosition(j, 1), 0) << j;
  EXPECT_TRUE(hub().loaded());
  EXPECT_FALSE(sheet().loaded());
}

TEST_F(TeamSelectTest, AnInjuredStarterIsMendedHereForTheNextMatch) {
  const double injured = slot(7), sub = slot(13);
  g().PlayerInjury(injured) = 3;
  g().WeekDay = 3;
  sheet().Command14.userClick();
  EXPECT_FALSE(hub().PlayGamesBUtton.enabled());

  hub().Command1.userClick();
  EXPECT_FALSE(hub().loaded());
  click(13);
  click(7);
  sheet().Command2.userClick();
  ASSERT_TRUE(hub().PlayGamesBUtton.enabled());

  playMatchdays();
  hub().PlayGamesBUtton.userClick();
  EXPECT_EQ(g().PlayerGamesSeason(sub), 1) << "the substitute played";
  EXPECT_EQ(g().PlayerGamesSeason(injured), 0);

  for (int i = 0; i < 2; ++i) {
    hub().Command1.userClick();
    sheet().positioncombo(1).userSelectItem(0);
    sheet().userClose();  // the close box is Quit
    EXPECT_TRUE(hub().loaded());
    EXPECT_FALSE(sheet().loaded());
    EXPECT_NE(g().TeamPosition(1, 1), 1);
  }
}

}  // namespace
}  // namespace kervale::test
