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

using ui::MsgResult;

constexpr int kUs = 3;

std::string playerName(int slot) { return "Player " + std::to_string(slot); }

class TrainingTest : public ::testing::Test {
 protected:
  TrainingTest() {
    replaceGame(makeEmptyGame());
    g().MyTeam = kUs;
    for (int slot = 1; slot <= 20; ++slot) {
      g().TeamSquad(slot, kUs) = 100 + slot;
      g().PlayerName(100 + slot) = playerName(slot);
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
  // Every list moved away from "Rest" and "Light": cell c to type 1 + (c - 1) % 7, "Intense".
  static void changeEveryList() {
    for (int k = 0; k < kPlanCells; ++k) {
      screen().cmboTraining(k).userSelectItem(1 + k % 7);
      screen().Combo2(k).userSelectItem(2);
    }
  }
  // The row's marked buttons: "0" for "Rest", "1".."3" for the groups; the
  // others keep the button face.
  static std::string markedButtons(int row) {
    std::string marked;
    int group = 0;
    for (auto* buttons : {&screen().Command2, &screen().Command4, &screen().Command5, &screen().Command6}) {
      const Colour colour = (*buttons)(row).backColor();
      if (colour == kTrainingGroupMarker) marked += std::to_string(group);
      if (colour != kTrainingGroupMarker && colour != ui::kButtonFace) marked += "?";
      ++group;
    }
    return marked;
  }

  test::ScriptedDialogs dialogs;
};

TEST_F(TrainingTest, FirstOpeningShowsRestLightAndEveryoneAtRest) {
  open();
  for (int k = 0; k < kPlanCells; ++k) {
    EXPECT_EQ(screen().cmboTraining(k).text(), "Rest") << k;
    EXPECT_EQ(screen().Combo2(k).text(), "Light") << k;
  }
  for (int r = 0; r < 10; ++r) {
    EXPECT_EQ(screen().Label1(r).caption(), playerName(r + 1));
    EXPECT_EQ(markedButtons(r), "0") << "row " << r;
  }
}

TEST_F(TrainingTest, EachSaveStoresItsCellsOnly) {
  // Group 1..3 by "Save this plan" (with its box), 0 by "Save All Plans" (no box).
  for (int group = 0; group <= 3; ++group) {
    for (int cell = 1; cell <= kPlanCells; ++cell) g().TrainingPlanType(cell) = g().TrainingPlanIntensity(cell) = 0;
    open();
    changeEveryList();
    const std::size_t boxes = dialogs.count();
    if (group == 0) {
      screen().Command8.userClick();
      EXPECT_EQ(dialogs.count(), boxes);
    } else {
      dialogs.answer(MsgResult::OK);
      screen().Command3(group).userClick();
      EXPECT_EQ(dialogs.last().text, "Plan saved successfully!");
    }
    for (int cell = 1; cell <= kPlanCells; ++cell) {
      const bool ours = group == 0 || (cell >= 5 * group - 4 && cell <= 5 * group);
      EXPECT_EQ(g().TrainingPlanType(cell), ours ? 1 + (cell - 1) % 7 : 0) << "group " << group << " cell " << cell;
      EXPECT_EQ(g().TrainingPlanIntensity(cell), ours ? 2 : 0) << "group " << group << " cell " << cell;
    }
    screen().Command1.userClick();
  }
  open();
  EXPECT_EQ(screen().cmboTraining(13).text(), "Goalkeeping") << "the stored plan shows again";
}

TEST_F(TrainingTest, LeavingDropsListChangesButKeepsGroupChanges) {
  const std::function<void()> byExit = [] { screen().Command1.userClick(); };
  const std::function<void()> byFocus = [] {
    screen().userActivate();
    screen().userDeactivate();
  };
  for (const auto& leave : {byExit, byFocus}) {
    restWholeSquad(g());
    open();
    changeEveryList();
    screen().Command5(1).userClick();
    EXPECT_EQ(markedButtons(1), "2") << "recoloured at once";
    leave();
    EXPECT_FALSE(screen().loaded());
    EXPECT_EQ(g().TrainingPlanType(1), 0);
    EXPECT_EQ(g().TrainingGroup(2), 2);
  }
}

TEST_F(TrainingTest, RowsFollowTheScrollBarAndEmptySlotsHaveNoButtons) {
  for (int slot = 15; slot <= 20; ++slot) g().TeamSquad(slot, kUs) = 0;  // fourteen players
  open();
  screen().VScroll1.userSetValue(10);
  for (int r = 0; r < 10; ++r) {
    const bool filled = 11 + r <= 14;
    EXPECT_EQ(screen().Label1(r).caption(), filled ? playerName(11 + r) : "") << r;
    EXPECT_EQ(screen().Command2(r).enabled(), filled) << r;
    EXPECT_EQ(screen().Command6(r).enabled(), filled) << r;
  }
  screen().Command6(3).userClick();
  screen().Command4(7).userClick();  // disabled: nothing
  EXPECT_EQ(g().TrainingGroup(14), 3);
  EXPECT_EQ(g().TrainingGroup(4), 0) << "not the slot the row showed before scrolling";
  EXPECT_EQ(g().TrainingGroup(18), 0);
  EXPECT_FALSE(setTrainingGroup(g(), 18, 1)) << "an empty slot gets no group";
  screen().VScroll1.userSetValue(4);
  EXPECT_EQ(markedButtons(9), "3") << "the group follows its slot to the new row";
}

TEST_F(TrainingTest, RestAllActsOnlyOnYes) {
  for (int slot = 1; slot <= 20; ++slot) g().TrainingGroup(slot) = static_cast<std::int16_t>(1 + slot % 3);
  open();
  dialogs.answer(MsgResult::No).answer(MsgResult::Yes);
  screen().Command7.userClick();
  EXPECT_EQ(dialogs.last().title, "Rest All");
  EXPECT_EQ(g().TrainingGroup(20), 3);
  EXPECT_EQ(markedButtons(0), "2");
  screen().Command7.userClick();
  for (int slot = 1; slot <= 20; ++slot) EXPECT_EQ(g().TrainingGroup(slot), 0) << slot;
  for (int r = 0; r < 10; ++r) EXPECT_EQ(markedButtons(r), "0") << r;
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
  EXPECT_EQ(markedButtons(0), "");
  screen().Command8.userClick();
  EXPECT_EQ(g().TrainingPlanType(3), 9);
  EXPECT_EQ(g().TrainingPlanIntensity(4), 1.5);
  EXPECT_EQ(g().TrainingPlanType(5), -1);
}

TEST(TrainingPlanCells, OnlyCellsOfThePlanAreStored) {
  replaceGame(makeEmptyGame());
  MLSModule& g = mls();
  for (int cell : {0, -3, kPlanCells + 1}) storePlanCell(g, cell, 1, 1);
  for (int cell = 0; cell <= kPlanCells; ++cell) EXPECT_EQ(g.TrainingPlanType(cell), 0) << cell;
  storePlanCell(g, kPlanCells, 2, 1);
  EXPECT_EQ(g.TrainingPlanType(kPlanCells), 2);
  EXPECT_EQ(g.TrainingPlanIntensity(kPlanCells), 1);
  replaceGame(nullptr);
}

}  // namespace
}  // namespace kervale
