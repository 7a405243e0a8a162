// Goals: the shout, the score, both clubs' reports, ratings, morale and the players' tallies.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/numbers.h"
#include "event_fixture.h"

namespace kervale::test {
namespace {

using Lines = std::vector<std::string>;

class GoalTest : public EventTest {
 protected:
  GoalTest() {
    // Row 9 (squad slot 10) scores, row 4 (slot 5) made it.
    shown.attacker = 9;
    shown.ballcarrier = 4;
    shown.commcount = 0;
  }
  int scorer(int club) const { return player(club, 10); }
  int maker(int club) const { return player(club, 5); }
  int keeper(int club) const { return player(club, 1); }
};

TEST_F(GoalTest, FirstAwayGoalOfTheMatch) {
  MLSModule& g = mls();
  shown.buildupkind = 1;
  rng().script({0.0, 0.0});  // "A brilliant shot!", score sentence 0
  shown.awayGoal();
  EXPECT_EQ(queued(), (Lines{"GOAL!", "A brilliant shot!", "The score is now: 0 : 1"}));
  EXPECT_EQ(info(2), (Lines{"R10 ( 30 )"}));
  EXPECT_EQ(shown.awaygoals, 1);
  EXPECT_EQ(shown.matchreport,
            "We started the scoring in minute 30. R10 scored off of a great pass from R5. The score was then 0 - 1. ");
  EXPECT_EQ(shown.homereport, "Ridge grabbed a goal in the 30 minute, making the score 0 - 1. ");
  EXPECT_DOUBLE_EQ(g.TeamMorale(kAway), 1.15);
  EXPECT_DOUBLE_EQ(g.TeamMorale(kHome), 0.9);
  EXPECT_DOUBLE_EQ(rating(10, 2), 5.75);
  EXPECT_DOUBLE_EQ(rating(1, 1), 3.9);
  EXPECT_EQ(g.TeamFirstHalfGoals(kAway), 1);
  EXPECT_EQ(g.PlayerGoalsSeason(scorer(kAway)), 1);
  EXPECT_EQ(g.PlayerGoalsCareer(scorer(kAway)), 1);
  EXPECT_EQ(g.PlayerGoalsSeason(keeper(kHome)), -1);
  EXPECT_EQ(g.PlayerAssistsSeason(maker(kAway)), 1);
  EXPECT_EQ(g.PlayerAssistsCareer(maker(kAway)), 1);
  EXPECT_EQ(shown.ballzone, 13);
  EXPECT_EQ(shown.goldengoal, 0);
  EXPECT_EQ(rng().scriptedLeft(), 0u);
}

TEST_F(GoalTest, AwayReportFollowsTheScore) {
  struct Case {
    int minute, home, away;  // the score before the goal
    int buildup;
    std::vector<double> draws;
    std::string report;
    std::string homeReport;
  };
  const std::string pass = "R10 scored off of a great pass from R5. ";
  const std::string shot = "R10 nailed a shot into the net. ";
  // clang-format off
  const Case cases[] = {
      {30, 1, 0, 2, {0.0, 0.6},
       "We then equalized in minute 30. A scoring chance was created by R5. He beat the keeper on a header off of the "
       "incoming cross. Our goal made the score 1 - 1. ", "R10 beat H2 on a header. "},
      {30, 1, 1, 3, {0.0, 0.3}, "We then took the lead in minute number 30; " + shot +
       "This made the score 1 - 2 with all of 60 minutes left in regulation time. ", ""},
      {30, 3, 1, 4, {0.0, 0.9},
       "Then we pulled one back. " + pass + "The score became 3 - 2 with 60 minutes left in regulation time. ", ""},
      {30, 0, 1, 5, {0.0, 0.1, 0.0},
       "Our team then added an insurance goal in minute 30. " + pass + "The score was then 0 - 2. ", ""},
      {30, 0, 1, 5, {0.0, 0.5, 0.0}, "We added a goal in minute 30. " + pass + "The score was then 0 - 2. ", ""},
      {30, 1, 3, 3, {0.0, 0.9, 0.0}, "We took a 3 goal lead in minute 30. " + shot + "The score was then 1 - 4. ", ""},
      // An overtime goal leaves no minutes in regulation time.
      {97, 0, 0, 3, {0.0, 0.3}, "We started the scoring in minute 97. " + shot +
       "This made the score 0 - 1 with all of 0 minutes left in regulation time. ", ""},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.report);
    shown.matchreport.clear();
    shown.homereport.clear();
    shown.minute = c.minute;
    shown.homegoals = c.home;
    shown.awaygoals = c.away;
    shown.buildupkind = c.buildup;
    rng().clearScript();
    for (double d : c.draws) rng().script({d});
    shown.awayGoal();
    EXPECT_EQ(shown.matchreport, c.report);
    EXPECT_EQ(shown.homereport, c.homeReport);
    EXPECT_EQ(shown.goldengoal, c.minute > 90 ? 1 : 0);
    EXPECT_EQ(rng().scriptedLeft(), 0u);
  }
}

TEST_F(GoalTest, HomeGoalWritesBothReportsBeforeTheScoreMoves) {
  MLSModule& g = mls();
  shown.minute = 46;
  rng().script({0.99});
  shown.homeGoal();
  EXPECT_EQ(queued(), (Lines{"GOAL!", "Great goal! Off the back of defender and into the back of the net!",
                             "The score is now: 1 : 0"}));
  EXPECT_EQ(info(1), (Lines{"H10 ( 46 )"}));
  EXPECT_EQ(shown.homereport, "H10 scored in the 46 minute. ");
  EXPECT_EQ(shown.matchreport, "A goal was given up in the 46 minute, scored by H10. ");
  EXPECT_DOUBLE_EQ(g.TeamMorale(kHome), 1.025);
  EXPECT_DOUBLE_EQ(g.TeamMorale(kAway), 0.98);
  EXPECT_DOUBLE_EQ(rating(10, 1), 5.75);
  EXPECT_DOUBLE_EQ(rating(1, 2), 3.9);
  EXPECT_EQ(g.TeamSecondHalfGoals(kHome), 1);
  EXPECT_EQ(g.PlayerGoalsSeason(scorer(kHome)), 1);
  EXPECT_EQ(g.PlayerGoalsSeason(keeper(kAway)), -1);
  EXPECT_EQ(g.PlayerAssistsSeason(maker(kHome)), 1);
  EXPECT_EQ(rng().scriptedLeft(), 0u);
}

TEST_F(GoalTest, GoalsCountInTheirPeriod) {
  MLSModule& g = mls();
  for (int minute : {45, 46, 90, 91}) {
    shown.minute = minute;
    rng().script({0.0});
    shown.homeGoal();
  }
  EXPECT_EQ(g.TeamFirstHalfGoals(kHome), 1);
  EXPECT_EQ(g.TeamSecondHalfGoals(kHome), 2);
  EXPECT_EQ(g.TeamExtraTimeGoals(kHome), 1);
  EXPECT_EQ(shown.goldengoal, 1);
}

TEST_F(GoalTest, ACupTieLeavesThePlayersTalliesAlone) {
  MLSModule& g = mls();
  g.CupTieFlag = 1;
  shown.buildupkind = 3;
  rng().script({0.0, 0.0});
  shown.awayGoal();
  rng().script({0.0});
  shown.homeGoal();
  EXPECT_EQ(shown.homegoals, 1);
  EXPECT_EQ(shown.awaygoals, 1);
  EXPECT_EQ(g.TeamFirstHalfGoals(kAway), 1);
  for (int club : {kHome, kAway}) {
    EXPECT_EQ(g.PlayerGoalsSeason(scorer(club)), 0);
    EXPECT_EQ(g.PlayerGoalsCareer(scorer(club)), 0);
    EXPECT_EQ(g.PlayerGoalsSeason(keeper(club)), 0);
    EXPECT_EQ(g.PlayerAssistsSeason(maker(club)), 0);
  }
}

TEST_F(GoalTest, APenaltyGoalTellsItsOwnStory) {
  MLSModule& g = mls();
  shown.chanceflag = 1;
  shown.buildupkind = 1;  // left over from an earlier attack
  rng().script({0.0, 0.0});
  shown.awayGoal();
  EXPECT_EQ(info(2), (Lines{"R10 ( 30 ) (pen)"}));
  EXPECT_EQ(shown.matchreport,
            "We started the scoring in minute 30. R10 scored from the penalty spot. The score was then 0 - 1. ");
  EXPECT_EQ(shown.homereport, "");
  EXPECT_EQ(shown.chanceflag, 0);
  // The assist is credited on a penalty too.
  EXPECT_EQ(g.PlayerAssistsSeason(maker(kAway)), 1);
  rng().script({0.0});
  shown.homeGoal();
  EXPECT_EQ(info(1), (Lines{"H10 ( 30 )"}));
}

TEST(GoldenGoalTest, TheDecidingMinuteIsToldBeforeTheMatchEnds) {
  ScriptedDialogs dialogs;
  buildMatchGame();
  keepersStopEverything();
  rng().seed(31);
  ShownMatch m;
  m.hometeam = kHome;
  m.awayteam = kAway;
  m.extratimeflag = 1;
  m.Fastsim.setValue(1);
  m.Show();
  // Level at 90; in overtime the away side can stop nothing.
  dialogs.idle(AtMinuteOf{&m, 91, [&m] {
                            m.awaykeeperrating = 0;
                            for (int j = 1; j <= 10; ++j) {
                              m.awaydefskill(j) = 0;
                              m.awaymidskill(j) = 0;
                              m.awayattskill(j) = 0;
                            }
                          }});
  m.Playgame();
  ASSERT_EQ(m.goldengoal, 1);
  EXPECT_GT(m.minute, 90);
  EXPECT_EQ(m.homegoals, 1);
  const std::vector<std::string> lines = m.Commentary.state().items;
  const auto heading = std::find(lines.begin(), lines.end(), Str(m.minute));
  ASSERT_NE(heading, lines.end());
  EXPECT_NE(std::find(heading, lines.end(), "GOAL!"), lines.end());
  EXPECT_EQ(lines.back(), "The score is now: 1 : 0");
  EXPECT_EQ(m.homeinfo.state().items.back(), "H" + std::to_string(m.attacker + 1) + " (" + Str(m.minute) + " )");
  EXPECT_EQ(mls().LastResultText.substr(mls().LastResultText.size() - 4), " OT\r");
  m.Unload();
  replaceGame(nullptr);
}

}  // namespace
}  // namespace kervale::test
