// The commentary queue, its flush and reading delay, and the final-score boxes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "event_fixture.h"

namespace kervale::test {
namespace {

using Lines = std::vector<std::string>;

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

class CommentaryTest : public EventTest {
 protected:
  CommentaryTest() {
    EXPECT_TRUE(shown.watched());
    shown.minute = 7;
  }
  // Flushes the queue and returns the passes its waits took.
  int flush() {
    int passes = 0;
    bool stop = false;
    dialogs.idle(PassCounter{&passes, &stop});
    shown.flushCommentary();
    stop = true;
    return passes;
  }
};

TEST_F(CommentaryTest, QuietMinuteAddsOneEmptyLineAndWaitsNothing) {
  mls().CommentarySpeed = 3;
  EXPECT_EQ(flush(), 0);
  EXPECT_EQ(items(shown.Commentary), Lines{""});
}

TEST_F(CommentaryTest, EveryLineWaitsByTheSpeedAndAnEmptyOneFourTimes) {
  mls().CommentarySpeed = 2;
  shown.say("First");
  shown.say("");
  shown.say("Third");
  EXPECT_EQ(flush(), 20000 + 80000 + 20000);
  EXPECT_EQ(shown.commdelay, 20000);
  EXPECT_EQ(items(shown.Commentary), (Lines{" 7", "First", "", "Third"}));
  // Scrolled to each line as it came.
  EXPECT_EQ(shown.Commentary.listIndex(), 3);
  EXPECT_EQ(shown.commcount, 0);
}

TEST_F(CommentaryTest, QuickSimulationNeitherScrollsNorWaitsAndInfoLinesGoToTheirSide) {
  mls().CommentarySpeed = 2;
  shown.Fastsim.setValue(1);
  shown.say("A foul");
  shown.sayInfo(2, "R4 booked ( 7 )");
  shown.sayInfo(1, "H9 ( 7 )");
  EXPECT_EQ(flush(), 0);
  EXPECT_EQ(shown.Commentary.listIndex(), -1);
  EXPECT_EQ(items(shown.Commentary), (Lines{" 7", "A foul"}));
  EXPECT_EQ(items(shown.homeinfo), Lines{"H9 ( 7 )"});
  EXPECT_EQ(items(shown.awayinfo), Lines{"R4 booked ( 7 )"});
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

TEST_F(CommentaryTest, WatchedMatchTellsTheKickOffAndTheSecondHalf) {
  ShownMatch whole;
  pairUp(whole);
  whole.Show();
  whole.Playgame();
  const Lines lines = items(whole.Commentary);
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

TEST_F(MatchTest, FinalScoreBoxes) {
  struct Case {
    int extratime, minute, home, away;
    std::string text;
  };
  const std::string from = "Final Score from Harbour Ground\rHarbour ";
  const Case cases[] = {
      {0, 30, 2, 1, from + "2 : 1 Ridge"},
      {0, 0, 0, 0, from + "0 : 0 Ridge"},    // level without overtime
      {1, 97, 0, 1, from + " 0 : 1 Ridge"},  // golden goal: no box at 90, no extra-time mark
      {1, 0, 0, 0, from + " 0 : 0 Ridge (aet)"},
  };
  mls().ShowAllMatches = true;
  keepersStopEverything();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    MatchEngine m;
    pairUp(m);
    m.extratimeflag = c.extratime;
    dialogs.idle(OnceAtMinute{&m, c.minute, [&m, c] {
                                m.homegoals = c.home;
                                m.awaygoals = c.away;
                                m.goldengoal = c.extratime;
                              }});
    dialogs.answer(ui::MsgResult::OK);
    const std::size_t before = dialogs.count();
    m.Playgame();
    EXPECT_EQ(dialogs.count(), before + 1);
    EXPECT_EQ(dialogs.last().text, c.text);
    EXPECT_EQ(m.Label1.caption(), " " + std::to_string(c.home) + " : " + std::to_string(c.away));
  }
  // No box for a computer match unless all are shown.
  mls().ShowAllMatches = false;
  const std::size_t before = dialogs.count();
  match.Playgame();
  EXPECT_EQ(dialogs.count(), before);
}

TEST_F(MatchTest, ClubSixtyNineWinningAtHomeGetsItsSong) {
  mls().ShowAllMatches = true;
  buildClub(mls(), 69, 301, 10, "Harbour");
  keepersStopEverything({69, kAway});
  match.hometeam = 69;
  dialogs.idle(OnceAtMinute{&match, 30, [this] { match.homegoals = 1; }});
  dialogs.answer(ui::MsgResult::OK);
  match.Playgame();
  const std::string& text = dialogs.last().text;
  EXPECT_EQ(text.rfind("Final Score from Harbour Ground\rHarbour 1 : 0 Ridge\r'", 0), 0u);
  EXPECT_EQ(text.substr(text.size() - 4), "...'");
}

}  // namespace
}  // namespace kervale::test
