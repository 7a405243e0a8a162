// The day's training of the user's squad, with scripted draws.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/random.h"
#include "data/mls_module.h"
#include "shell/main_module.h"
#include "shell/shell_game.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

class TrainingTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    g().WeekDay = 1;
  }
  MLSModule& g() { return mls(); }
  void train() { ui::screen<MainModule>().trainingday(); }
  std::vector<std::string> news() {
    std::vector<std::string> lines;
    for (int i = 0; i < g().ClubNewsCount; ++i) lines.push_back(g().ClubNewsLine(i));
    return lines;
  }
  // Slot `slot` of the user's club trains in `group`, whose cell for today
  // has the type and intensity given.
  void plan(int slot, int group, int type, int intensity) {
    g().TrainingGroup(slot) = static_cast<std::int16_t>(group);
    const int cell = (group - 1) * 5 + static_cast<int>(g().WeekDay);
    g().TrainingPlanType(cell) = type;
    g().TrainingPlanIntensity(cell) = intensity;
  }
  int player(int slot) { return smallGamePlayer(1, slot); }
};

TEST_F(TrainingTest, EverybodyAtRestChangesNothingAndDrawsNothing) {
  const double defense = g().PlayerDefense(player(1));
  rng().script({0.0, 0.0});
  for (int day = 1; day <= 5; ++day) {
    g().WeekDay = day;
    train();
  }
  EXPECT_EQ(rng().scriptedLeft(), 2u);
  EXPECT_TRUE(news().empty());
  EXPECT_EQ(g().PlayerDefense(player(1)), defense);
}

TEST_F(TrainingTest, RestCellDrawsButDoesNothing) {
  plan(1, 2, 0, 2);  // intense rest: a roll of 0 is no setback
  const float keeping = g().PlayerGoalkeeping(player(1));
  rng().script({0.0, 0.0});
  train();
  EXPECT_EQ(rng().scriptedLeft(), 1u) << "one draw for the roll, none for an outcome";
  EXPECT_EQ(g().PlayerGoalkeeping(player(1)), keeping);
  EXPECT_TRUE(news().empty());
  rng().clearScript();
}

TEST_F(TrainingTest, SetbacksOfIntenseSessions) {
  // Intense: the roll is Int(draw * factor) with factor 3, so a draw below
  // 1/3 gives 0; the outcome is Int(draw * 10) + 1.
  struct Case {
    double outcome;
    const char* line;
  };
  const Case cases[] = {
      {0.05, nullptr},
      {0.15, "Your assistant coach says that Harbour City player 1 looked a little weaker in defence today."},
      {0.25, "Your assistant coach says that Harbour City player 1 looked a little weaker in midfield today."},
      {0.35, "Your assistant coach says that Harbour City player 1 looked a little weaker attacking today."},
      {0.45, nullptr},
      {0.99, nullptr},
  };
  for (const Case& c : cases) {
    replaceGame(smallGame());
    g().WeekDay = 2;
    plan(1, 1, 7, 2);  // goalkeeping sessions carry the risk too
    const auto before = std::make_unique<MLSModule>(g());
    rng().script({0.2, c.outcome});
    train();
    EXPECT_EQ(rng().scriptedLeft(), 0u);
    const int p = player(1);
    const int o = static_cast<int>(c.outcome * 10) + 1;
    EXPECT_FLOAT_EQ(g().PlayerGoalkeeping(p), before->PlayerGoalkeeping(p) - (o == 1 ? 0.04F : 0.0F)) << o;
    EXPECT_DOUBLE_EQ(g().PlayerDefense(p), before->PlayerDefense(p) - (o == 2 ? 0.04 : 0.0)) << o;
    EXPECT_DOUBLE_EQ(g().PlayerMidfield(p), before->PlayerMidfield(p) - (o == 3 ? 0.04 : 0.0)) << o;
    EXPECT_DOUBLE_EQ(g().PlayerAttack(p), before->PlayerAttack(p) - (o == 4 ? 0.04 : 0.0)) << o;
    if (c.line == nullptr) {
      EXPECT_TRUE(news().empty()) << o;
    } else {
      ASSERT_EQ(news().size(), 1u) << o;
      EXPECT_EQ(news()[0], c.line);
    }
  }
}

TEST_F(TrainingTest, GainsOfSkillSessions) {
  const std::pair<int, double> draws[] = {{1, 0.1}, {1, 0.5}, {1, 0.9}, {2, 0.1}, {2, 0.5}, {2, 0.9}};
  const char* lines[] = {
      "Your assistant coach claims Harbour City player 2 was working individually on defense today.",
      "Your assistant coach claims Harbour City player 2 was working individually in midfield today.",
      "Your assistant coach claims Harbour City player 2 was working individually on attacking today.",
      "Your assistant coach states that Harbour City player 2 led the team in defending today.",
      "Your assistant coach states that Harbour City player 2 led the team in midfield today.",
      "Your assistant coach states that Harbour City player 2 led the team in attack today.",
  };
  for (int i = 0; i < 6; ++i) {
    replaceGame(smallGame());
    g().WeekDay = 3;
    plan(2, 1, draws[i].first, 1);  // moderate: a roll of Int(draw * 3) + 1
    const auto before = std::make_unique<MLSModule>(g());
    rng().script({0.1, draws[i].second});
    train();
    EXPECT_EQ(rng().scriptedLeft(), 0u);
    const int p = player(2);
    const int a = static_cast<int>(draws[i].second * 3) + 2;
    EXPECT_DOUBLE_EQ(g().PlayerDefense(p), before->PlayerDefense(p) + (a == 2 ? 0.04 : 0.0)) << i;
    EXPECT_DOUBLE_EQ(g().PlayerMidfield(p), before->PlayerMidfield(p) + (a == 3 ? 0.04 : 0.0)) << i;
    EXPECT_DOUBLE_EQ(g().PlayerAttack(p), before->PlayerAttack(p) + (a == 4 ? 0.04 : 0.0)) << i;
    ASSERT_EQ(news().size(), 1u);
    EXPECT_EQ(news()[0], lines[i]);
  }
}

TEST_F(TrainingTest, TacticalAndSpeedGainsAndTheirOrder) {
  plan(1, 1, 3, 1);
  plan(2, 2, 4, 1);
  plan(3, 3, 6, 1);  // conditioning: no gain
  plan(4, 3, 6, 1);
  g().PlayerAwareness(player(1)) = 10;
  g().PlayerSpeed(player(2)) = 12;
  rng().script({0.0, 0.0, 0.0, 0.0});
  train();
  EXPECT_DOUBLE_EQ(g().PlayerAwareness(player(1)), 10.04);
  EXPECT_DOUBLE_EQ(g().PlayerSpeed(player(2)), 12.04);
  ASSERT_EQ(news().size(), 2u);
  EXPECT_EQ(news()[0],
            "Your assistant coach states that Harbour City player 1 was more tactically aware during training today.");
  EXPECT_EQ(news()[1], "Harbour City player 2 increased his speed slightly in training today.");
}

TEST_F(TrainingTest, LightSessionsNeverTellAndGoalkeepingNeverGains) {
  plan(1, 1, 1, 0);  // light: the roll is at least 2
  plan(2, 2, 7, 1);  // goalkeeping at moderate: a roll of 1, but no gain
  const auto before = std::make_unique<MLSModule>(g());
  rng().script({0.0, 0.0});
  train();
  EXPECT_EQ(rng().scriptedLeft(), 0u);
  EXPECT_TRUE(news().empty());
  EXPECT_EQ(g().PlayerDefense(player(1)), before->PlayerDefense(player(1)));
  EXPECT_EQ(g().PlayerGoalkeeping(player(2)), before->PlayerGoalkeeping(player(2)));
}

TEST_F(TrainingTest, AnEmptySlotEndsThePass) {
  for (int slot = 1; slot <= 16; ++slot) plan(slot, 1, 4, 1);
  for (int slot = 1; slot <= 16; ++slot) g().PlayerTrainingFactor(player(slot)) = 1;
  g().TeamSquad(3, 1) = 0;
  train();
  ASSERT_EQ(news().size(), 2u) << "slots 1 and 2 only";
  EXPECT_EQ(news()[1], "Harbour City player 2 increased his speed slightly in training today.");
}

TEST_F(TrainingTest, CellOfTheDayAndGroup) {
  // Group 3 on a Friday uses cell 15; every other cell says rest.
  g().WeekDay = 5;
  g().TrainingGroup(1) = 3;
  g().TrainingPlanType(15) = 4;
  g().TrainingPlanIntensity(15) = 2;
  g().PlayerTrainingFactor(player(1)) = 10;
  rng().script({0.15});  // Int(1.5) + 0 = 1: a gain
  train();
  ASSERT_EQ(news().size(), 1u);
  EXPECT_EQ(news()[0], "Harbour City player 1 increased his speed slightly in training today.");

  // On a Wednesday group 1 reads cell 3.
  g().WeekDay = 3;
  g().TrainingGroup(1) = 1;
  g().TrainingPlanType(3) = 3;
  g().TrainingPlanIntensity(3) = 2;
  rng().script({0.15});
  train();
  ASSERT_EQ(news().size(), 2u);
  EXPECT_NE(news()[1].find("tactically aware"), std::string::npos);
}

}  // namespace
}  // namespace kervale::test
