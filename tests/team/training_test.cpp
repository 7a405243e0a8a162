// The training plan screen on a hand-made squad of twenty.
#include "team/training.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "data/mls_module.h"
#include "support/scripted_dialogs.h"
#include "team/training_plan.h"
#include "ui/screen.h"

namespace kervale {
namespace {

using test::ScriptedDialogs;
using ui::MsgResult;

constexpr int kUs = 3;

std::string playerName(int slot) { return "Player " + std::to_string(slot); }

class TrainingTest : public ::testing::Test {
 protected:
  TrainingTest() {
    replaceGame(makeEmptyGame());
    MLSModule& g = mls();
    g.MyTeam = kUs;
    g.TeamName(kUs) = "Harbour City";
    g.NumPlayers = 20;
    for (int slot = 1; slot <= 20; ++slot) {
      g.TeamSquad(slot, kUs) = 100 + slot;
      g.PlayerName(100 + slot) = playerName(slot);
    }
    screen().Unload();
  }
  ~TrainingTest() override {
    screen().Unload();
    replaceGame(nullptr);
  }
  static Training& screen() { return ui::screen<Training>(); }
  static MLSModule& g() { return mls(); }
  static Training& open() {
    showTraining();
    return screen();
  }
  // Every list of the screen set away from its stored value.
  static void changeEveryList() {
    for (int k = 0; k < kPlanCells; ++k) {
      screen().cmboTraining(k).userSelectItem(1 + k % 7);
      screen().Combo2(k).userSelectItem(2);
    }
  }
  // The row buttons of row r coloured white, as "R0123" positions.
  static std::string whiteButtons(int row) {
    std::string white;
    const ui::ControlArray<ui::CommandButton>* byGroup[] = {&screen().Command2, &screen().Command4, &screen().Command5,
                                                            &screen().Command6};
    for (int group = 0; group <= 3; ++group) {
      if ((*byGroup[group])(row).backColor() == ui::kWhite) white += std::to_string(group);
    }
    return white;
  }

  ScriptedDialogs dialogs;
};

TEST_F(TrainingTest, FirstOpeningShowsRestLightAndEveryoneAtRest) {
  open();
  for (int k = 0; k < kPlanCells; ++k) {
    EXPECT_EQ(screen().cmboTraining(k).text(), "Rest") << k;
    EXPECT_EQ(screen().Combo2(k).text(), "Light") << k;
    EXPECT_EQ(screen().cmboTraining(k).listCount(), 8);
    EXPECT_EQ(screen().Combo2(k).list(2), "Intense");
  }
  for (int r = 0; r < 10; ++r) {
    EXPECT_EQ(screen().Label1(r).caption(), playerName(r + 1));
    EXPECT_EQ(whiteButtons(r), "0") << "row " << r;
  }
  EXPECT_EQ(screen().TeamNameLabel.caption(), "Harbour City");
}

TEST_F(TrainingTest, SaveThisPlanStoresTheFiveCellsOfItsGroupOnly) {
  for (int group = 1; group <= 3; ++group) {
    for (int cell = 1; cell <= kPlanCells; ++cell) g().TrainingPlanType(cell) = g().TrainingPlanIntensity(cell) = 0;
    open();
    changeEveryList();
    dialogs.answer(MsgResult::OK);
    screen().Command3(group).userClick();
    EXPECT_EQ(dialogs.last().text, "Plan saved successfully!");
    EXPECT_EQ(dialogs.last().title, "KERV");
    for (int cell = 1; cell <= kPlanCells; ++cell) {
      const bool ours = cell >= 5 * group - 4 && cell <= 5 * group;
      EXPECT_EQ(g().TrainingPlanType(cell), ours ? 1 + (cell - 1) % 7 : 0) << "group " << group << " cell " << cell;
      EXPECT_EQ(g().TrainingPlanIntensity(cell), ours ? 2 : 0) << "group " << group << " cell " << cell;
    }
    screen().Command1.userClick();
  }
}

TEST_F(TrainingTest, SaveAllPlansStoresEveryCellWithoutABox) {
  open();
  changeEveryList();
  screen().Command8.userClick();
  EXPECT_EQ(dialogs.count(), 0u);
  for (int cell = 1; cell <= kPlanCells; ++cell) {
    EXPECT_EQ(g().TrainingPlanType(cell), 1 + (cell - 1) % 7);
    EXPECT_EQ(g().TrainingPlanIntensity(cell), 2);
  }
  screen().Command1.userClick();
  open();
  EXPECT_EQ(screen().cmboTraining(3).text(), "Speed") << "the stored plan shows again";
  EXPECT_EQ(screen().Combo2(14).text(), "Intense");
}

TEST_F(TrainingTest, LeavingDropsListChangesButKeepsGroupChanges) {
  const std::function<void()> leaveByExit = [] { screen().Command1.userClick(); };
  const std::function<void()> leaveByFocus = [] {
    screen().userActivate();
    screen().userDeactivate();
  };
  for (const auto& leave : {leaveByExit, leaveByFocus}) {
    restWholeSquad(g());
    open();
    changeEveryList();
    screen().Command5(1).userClick();
    EXPECT_EQ(whiteButtons(1), "2") << "recoloured at once";
    leave();
    EXPECT_FALSE(screen().loaded());
    EXPECT_EQ(g().TrainingPlanType(1), 0);
    EXPECT_EQ(g().TrainingPlanIntensity(7), 0);
    EXPECT_EQ(g().TrainingGroup(2), 2);
    open();
    EXPECT_EQ(whiteButtons(1), "2");
    EXPECT_EQ(screen().cmboTraining(0).text(), "Rest");
    screen().Command1.userClick();
  }
}

TEST_F(TrainingTest, ScrolledToTheBottomTheRowsActOnSlotsElevenToTwenty) {
  open();
  screen().VScroll1.userSetValue(10);
  EXPECT_EQ(screen().Label1(0).caption(), playerName(11));
  EXPECT_EQ(screen().Label1(9).caption(), playerName(20));
  screen().Command6(3).userClick();
  screen().Command4(9).userClick();
  EXPECT_EQ(g().TrainingGroup(14), 3);
  EXPECT_EQ(g().TrainingGroup(20), 1);
  EXPECT_EQ(g().TrainingGroup(4), 0) << "not the slot the row showed before scrolling";
  EXPECT_EQ(whiteButtons(3), "3");
  screen().VScroll1.userSetValue(4);
  EXPECT_EQ(screen().Label1(9).caption(), playerName(14));
  EXPECT_EQ(whiteButtons(9), "3") << "the group follows the slot to its new row";
  EXPECT_EQ(whiteButtons(3), "0");
}

TEST_F(TrainingTest, AFourteenPlayerSquadHasNoButtonsForSlotsFifteenToTwenty) {
  for (int slot = 15; slot <= 20; ++slot) g().TeamSquad(slot, kUs) = 0;
  open();
  screen().VScroll1.userSetValue(10);
  for (int r = 0; r < 10; ++r) {
    const bool filled = 11 + r <= 14;
    EXPECT_EQ(screen().Label1(r).caption(), filled ? playerName(11 + r) : "") << r;
    EXPECT_EQ(screen().Command2(r).enabled(), filled) << r;
    EXPECT_EQ(screen().Command6(r).enabled(), filled) << r;
  }
  screen().Command6(7).userClick();
  EXPECT_EQ(g().TrainingGroup(18), 0);
  EXPECT_FALSE(setTrainingGroup(g(), 18, 1)) << "an empty slot gets no group";
}

TEST_F(TrainingTest, RestAllActsOnlyOnYes) {
  for (int slot = 1; slot <= 20; ++slot) g().TrainingGroup(slot) = static_cast<std::int16_t>(1 + slot % 3);
  open();
  dialogs.answer(MsgResult::No);
  screen().Command7.userClick();
  EXPECT_EQ(dialogs.last().title, "Rest All");
  EXPECT_EQ(dialogs.last().text, "Rest everybody?");
  EXPECT_EQ(g().TrainingGroup(20), 3);
  EXPECT_EQ(whiteButtons(0), "2");

  dialogs.answer(MsgResult::Yes);
  screen().Command7.userClick();
  for (int slot = 1; slot <= 20; ++slot) EXPECT_EQ(g().TrainingGroup(slot), 0) << slot;
  for (int r = 0; r < 10; ++r) EXPECT_EQ(whiteButtons(r), "0") << r;
}

TEST_F(TrainingTest, StoredValuesOutsideTheListsSelectNothingAndStay) {
  g().TrainingPlanType(3) = 9;
  g().TrainingPlanIntensity(4) = 1.5;
  g().TrainingPlanType(5) = -1;
  g().TrainingGroup(1) = 7;
  open();
  EXPECT_EQ(screen().cmboTraining(2).listIndex(), -1);
  EXPECT_EQ(screen().Combo2(3).listIndex(), -1);
  EXPECT_EQ(screen().cmboTraining(4).listIndex(), -1);
  EXPECT_EQ(screen().Combo2(2).text(), "Light") << "the other list of the cell still selects";
  EXPECT_EQ(whiteButtons(0), "");
  screen().Command8.userClick();
  EXPECT_EQ(g().TrainingPlanType(3), 9);
  EXPECT_EQ(g().TrainingPlanIntensity(4), 1.5);
  EXPECT_EQ(g().TrainingPlanType(5), -1);
  EXPECT_EQ(g().TrainingGroup(1), 7);
}

}  // namespace
}  // namespace kervale
