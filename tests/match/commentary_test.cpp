// The commentary queue, its flush and reading delay, and the final-score boxes.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "match_fixture.h"

namespace kervale::test {
namespace {

// Counts the passes of every wait that yields, until stopped.
struct PassCounter {
  int* passes;
  const bool* stop;
  void operator()() const {
    if (*stop) return;
    ++*passes;
    ui::headless().postIdle(*this);
  }
};

class CommentaryTest : public MatchTest {
 protected:
  CommentaryTest() {
    shown.hometeam = kHome;
    shown.awayteam = kAway;
    shown.Show();
    rng().script({0, 0, 0, 0});
    EXPECT_TRUE(shown.setupMatch());
    EXPECT_TRUE(shown.watched());
    shown.minute = 7;
  }
  ~CommentaryTest() override { shown.Unload(); }

  ShownMatch shown;
};

TEST_F(CommentaryTest, QuietMinuteAddsOneEmptyLineAndWaitsNothing) {
  mls().CommentarySpeed = 3;
  int passes = 0;
  bool stop = false;
  dialogs.idle(PassCounter{&passes, &stop});
  shown.flushCommentary();
  EXPECT_EQ(items(shown.Commentary), (std::vector<std::string>{""}));
  EXPECT_EQ(passes, 0);
}

TEST_F(CommentaryTest, EveryLineWaitsByTheSpeedAndAnEmptyOneFourTimes) {
  mls().CommentarySpeed = 2;
  shown.say("First");
  shown.say("");
  shown.say("Third");
  int passes = 0;
  bool stop = false;
  dialogs.idle(PassCounter{&passes, &stop});
  shown.flushCommentary();
  stop = true;
  EXPECT_EQ(passes, 20000 + 80000 + 20000);
  EXPECT_EQ(shown.commdelay, 20000);
  EXPECT_EQ(items(shown.Commentary), (std::vector<std::string>{" 7", "First", "", "Third"}));
  // Scrolled to each line as it came.
  EXPECT_EQ(shown.Commentary.listIndex(), 3);
  EXPECT_EQ(shown.commcount, 0);
}

TEST_F(CommentaryTest, QuickSimulationNeitherScrollsNorWaits) {
  mls().CommentarySpeed = 2;
  shown.Fastsim.setValue(1);
  shown.say("Only line");
  int passes = 0;
  bool stop = false;
  dialogs.idle(PassCounter{&passes, &stop});
  shown.flushCommentary();
  EXPECT_EQ(passes, 0);
  EXPECT_EQ(shown.Commentary.listIndex(), -1);
  EXPECT_EQ(items(shown.Commentary), (std::vector<std::string>{" 7", "Only line"}));
}

TEST_F(CommentaryTest, InfoLinesGoToTheirSidesListAfterTheCommentary) {
  shown.Fastsim.setValue(1);
  shown.say("A foul");
  shown.sayInfo(2, "R4 booked ( 7 )");
  shown.sayInfo(1, "H9 ( 7 )");
  shown.flushCommentary();
  EXPECT_EQ(items(shown.Commentary), (std::vector<std::string>{" 7", "A foul"}));
  EXPECT_EQ(items(shown.homeinfo), (std::vector<std::string>{"H9 ( 7 )"}));
  EXPECT_EQ(items(shown.awayinfo), (std::vector<std::string>{"R4 booked ( 7 )"}));
  EXPECT_EQ(shown.homeinfocount, 0);
  EXPECT_EQ(shown.awayinfocount, 0);
}

TEST_F(CommentaryTest, AFullQueueDropsWhatDoesNotFit) {
  shown.Fastsim.setValue(1);
  for (int i = 1; i <= 35; ++i) shown.say("Line of ", std::to_string(i));
  for (int i = 1; i <= 7; ++i) shown.sayInfo(1, "Info");
  EXPECT_EQ(shown.commcount, 30);
  EXPECT_EQ(shown.homeinfocount, 5);
  shown.flushCommentary();
  EXPECT_EQ(shown.Commentary.listCount(), 31);
  EXPECT_EQ(shown.Commentary.list(30), "Line of 30");
}

TEST_F(CommentaryTest, HiddenComputerMatchBuildsNoCommentary) {
  rng().script({0, 0, 0, 0});
  ASSERT_TRUE(match.setupMatch());
  match.say("Nobody reads this");
  EXPECT_EQ(match.commcount, 0);
  match.flushCommentary();
  EXPECT_EQ(match.Commentary.listCount(), 0);
}

TEST_F(CommentaryTest, WatchedMatchTellsTheKickOffAndTheSecondHalf) {
  ShownMatch whole;
  whole.hometeam = kHome;
  whole.awayteam = kAway;
  whole.Show();
  whole.Playgame();
  const std::vector<std::string> lines = items(whole.Commentary);
  ASSERT_GT(lines.size(), 4u);
  EXPECT_EQ(lines[0], " 1");
  EXPECT_EQ(lines[1], "Line 1");
  EXPECT_EQ(lines[2].substr(0, 1), "H");  // the home kicker, then the stock phrase
  EXPECT_EQ(lines[2].substr(lines[2].size() - 6), "Line 2");
  // Minute 46 opens with the half-time line and the away kicker.
  auto heading = std::find(lines.begin(), lines.end(), " 46");
  ASSERT_NE(heading, lines.end());
  EXPECT_EQ(*(heading + 1), "Line 3");
  EXPECT_EQ((heading + 2)->substr(0, 1), "R");
  auto whistle = std::find(lines.begin(), lines.end(), "And there's the whistle signifying the end of the first half.");
  EXPECT_LT(whistle, heading);
  EXPECT_EQ(whole.Label4.caption(), "Minute 90");
  EXPECT_EQ(whole.Minbox.caption(), " 90");
  EXPECT_TRUE(whole.attendancebar.visible());
  whole.Unload();
}

class FinalBoxTest : public MatchTest {
 protected:
  FinalBoxTest() {
    mls().ShowAllMatches = true;
    keepersStopEverything();
  }
  void at(int minute, std::function<void()> action) {
    struct Once {
      const MatchEngine* match;
      int when;
      std::function<void()> action;
      void operator()() const {
        if (match->minute == when) {
          action();
        } else if (match->minute < when) {
          ui::headless().postIdle(*this);
        }
      }
    };
    dialogs.idle(Once{&match, minute, std::move(action)});
  }
};

TEST_F(FinalBoxTest, HomeWinInRegularTime) {
  at(30, [this] {
    match.homegoals = 2;
    match.awaygoals = 1;
  });
  dialogs.answer(ui::MsgResult::OK);
  match.Playgame();
  EXPECT_EQ(dialogs.count(), 1u);
  EXPECT_EQ(dialogs.last().text, "Final Score from Harbour Ground\rHarbour 2 : 1 Ridge");
  EXPECT_EQ(match.Label1.caption(), " 2 : 1");
}

TEST_F(FinalBoxTest, DrawWithoutOvertimeGetsTheFirstBox) {
  dialogs.answer(ui::MsgResult::OK);
  match.Playgame();
  EXPECT_EQ(dialogs.last().text, "Final Score from Harbour Ground\rHarbour 0 : 0 Ridge");
}

TEST_F(FinalBoxTest, GoldenGoalBoxHasNoExtraTimeMark) {
  match.extratimeflag = 1;
  at(97, [this] {
    match.awaygoals = 1;
    match.goldengoal = 1;
  });
  dialogs.answer(ui::MsgResult::OK);
  match.Playgame();
  // No box at 90: the level match went on.
  EXPECT_EQ(dialogs.count(), 1u);
  EXPECT_EQ(dialogs.last().text, "Final Score from Harbour Ground\rHarbour  0 : 1 Ridge");
}

TEST_F(FinalBoxTest, LevelAfterOvertimeIsAfterExtraTime) {
  match.extratimeflag = 1;
  dialogs.answer(ui::MsgResult::OK);
  match.Playgame();
  EXPECT_EQ(dialogs.count(), 1u);
  EXPECT_EQ(dialogs.last().text, "Final Score from Harbour Ground\rHarbour  0 : 0 Ridge (aet)");
}

TEST_F(FinalBoxTest, ClubSixtyNineWinningAtHomeGetsItsSong) {
  buildClub(mls(), 69, 301, 10, "Harbour");
  keepersStopEverything({69});
  match.hometeam = 69;
  at(30, [this] { match.homegoals = 1; });
  dialogs.answer(ui::MsgResult::OK);
  match.Playgame();
  const std::string& text = dialogs.last().text;
  EXPECT_EQ(text.rfind("Final Score from Harbour Ground\rHarbour 1 : 0 Ridge\r'", 0), 0u);
  EXPECT_EQ(text.substr(text.size() - 4), "...'");
}

TEST_F(FinalBoxTest, NoBoxForAComputerMatchUnlessAllAreShown) {
  mls().ShowAllMatches = false;
  match.Playgame();
  EXPECT_EQ(dialogs.count(), 0u);
}

}  // namespace
}  // namespace kervale::test
