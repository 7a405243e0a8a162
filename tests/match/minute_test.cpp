// The minute loop: how a match ends, half time, the waits and the closing reports.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "event_fixture.h"

namespace kervale::test {
namespace {

using Talks = std::vector<std::pair<int, std::string>>;

// Closes the talk screen by its close box whenever it is open, noting the
// minute and what the screen told.
struct TalkCloser {
  const MatchEngine* match;
  Talks* talks;
  void operator()() const {
    if (lockerRoom().loaded()) {
      talks->emplace_back(match->minute, lockerRoom().Label3.caption());
      lockerRoom().userClose();
    }
    if (match->running()) ui::headless().postIdle(*this);
  }
};

bool endsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

class MinuteTest : public MatchTest {
 protected:
  MinuteTest() { keepersStopEverything(); }
  void at(int minute, std::function<void()> action) { dialogs.idle(AtMinuteOf{&match, minute, std::move(action)}); }
  // A watched match of the two clubs.
  void watch(ShownMatch& m) {
    pairUp(m);
    m.Show();
  }
};

TEST_F(MinuteTest, HowAMatchEndsAndItsReports) {
  struct Case {
    int extratime, when, home, away;  // the score set in minute `when`
    int end;
    std::string result, homeReport, awayReportTail;
  };
  const std::string ot = "The game went to golden goal overtime tied 0 - 0. ";
  const std::string lost =
      "Thusly the game was over, the opposition the victors because of the damned golden goal rule.";
  // clang-format off
  const Case cases[] = {
      // Level at 90 without overtime; the away report may tell of a goal ruled out for offside first.
      {0, 0, 0, 0, 90, "Harbour 0 Ridge 0\r", "A draw was the final result, neither team able to take the three points.",
       "The game thusly ended in a draw, one point for both teams and a good result away on the road."},
      // Level after 120: the loop runs out, nobody gets a closing sentence.
      {1, 0, 0, 0, 121, "Harbour 0 Ridge 0 OT\r", ot, ot},
      {1, 95, 1, 0, 95, "Harbour 1 Ridge 0 OT\r",
       ot + "We ultimately ended up winning the game in minute 5 of golden goal overtime.", ot + lost},
      {1, 97, 0, 1, 97, "Harbour 0 Ridge 1 OT\r", ot + lost,
       ot + "We ultimately ended up winning the game in minute 7 of golden goal overtime."},
      // Decided at 90 despite overtime.
      {1, 70, 0, 2, 90, "Harbour 0 Ridge 2\r", "", ""},
  };
  // clang-format on
  MLSModule& g = mls();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.result);
    rng().seed(4711);
    g.LastResultText.clear();
    g.TeamLatestNews(kHome).clear();
    g.TeamLatestNews(kAway).clear();
    MatchEngine m;
    pairUp(m);
    m.extratimeflag = c.extratime;
    dialogs.idle(OnceAtMinute{&m, c.when, [&m, c] {
                                m.homegoals = c.home;
                                m.awaygoals = c.away;
                              }});
    m.Playgame();
    EXPECT_EQ(m.minute, c.end);
    EXPECT_TRUE(m.minutedone);
    EXPECT_EQ(g.LastResultText, c.result);
    EXPECT_EQ(m.homereport, c.homeReport);
    EXPECT_TRUE(endsWith(m.matchreport, c.awayReportTail)) << m.matchreport;
    const std::string heading = "HARBOUR " + std::to_string(c.home) + " v RIDGE " + std::to_string(c.away) + "\r";
    EXPECT_EQ(g.TeamLatestNews(kAway), heading + m.matchreport + "\r\r");
    EXPECT_EQ(g.TeamLatestNews(kHome), heading + m.homereport + "\r\r");
    if (c.end == 121) {
      // Condition fell by 0.0035 in each of the 120 minutes.
      EXPECT_NEAR(m.homecondition(4), 0.58, 1e-9);
      EXPECT_NEAR(m.awaycondition(10), 0.58, 1e-9);
    }
  }
}

TEST_F(MinuteTest, SecondHalfKicksOffWithTheAwaySide) {
  bool checked = false;
  at(46, [&] {
    // The first yield of minute 46 comes after the half-time work, before the contest.
    EXPECT_EQ(match.possession, 2);
    EXPECT_EQ(match.ballzone, 13);
    EXPECT_EQ(match.Label14.caption(), "HT: 0 - 0");
    EXPECT_TRUE(match.Label14.visible());
    checked = true;
  });
  match.Playgame();
  EXPECT_TRUE(checked);
  // A computer match still shows the half-time score.
  EXPECT_EQ(match.Label14.caption(), "HT: 0 - 0");
}

TEST_F(MinuteTest, UsersMatchWaitsForBothTalksClosedByTheirCloseBox) {
  makeUserMatch(false);
  Talks talks;
  dialogs.idle(TalkCloser{&match, &talks});
  dialogs.answer(ui::MsgResult::OK);  // the final score
  match.Playgame();
  EXPECT_EQ(match.minute, 90);
  ASSERT_EQ(talks.size(), 2u);
  EXPECT_EQ(talks[0].first, 1);
  EXPECT_EQ(talks[1].first, 46);
  EXPECT_EQ(dialogs.last().text, "Final Score from Harbour Ground\rHarbour 0 : 0 Ridge");
  EXPECT_EQ(dialogs.last().title, "KERV");
  // Seen from the away side: us first.
  const std::string& halftime = talks[1].second;
  EXPECT_EQ(halftime.rfind("Halftime Stats (Us - Them):\rScore: 0 - 0\rShots: ", 0), 0u) << halftime;
  EXPECT_NE(halftime.find("\rPosession: "), std::string::npos);
  EXPECT_EQ(halftime.back(), '\r');
}

TEST_F(MinuteTest, FinalScoreWaitsForTheMinuteButton) {
  ShownMatch shownMatch;
  watch(shownMatch);
  makeUserMatch();
  Talks talks;
  dialogs.idle(TalkCloser{&shownMatch, &talks});
  dialogs.answer(ui::MsgResult::OK);
  int waited = 0;
  std::function<void()> presser = [&] {
    if (!dialogs.sawText("Final Score")) {
      EXPECT_EQ(shownMatch.state().focus, nullptr) << "the match itself leaves the focus alone";
    } else {
      EXPECT_TRUE(shownMatch.running());
      EXPECT_EQ(shownMatch.minute, 90);
      EXPECT_EQ(shownMatch.state().focus, &shownMatch.Minbox) << "Return or Space goes on";
      if (++waited == 5) {
        shownMatch.Minbox.userClick();
        return;
      }
    }
    ui::headless().postIdle(presser);
  };
  dialogs.idle(presser);
  shownMatch.Playgame();
  EXPECT_EQ(waited, 5);
  EXPECT_FALSE(shownMatch.running());
  EXPECT_NE(shownMatch.Minbox.state().toolTipText.find("Return or Space"), std::string::npos)
      << "its tip says what it does";
  shownMatch.Unload();
}

TEST_F(MinuteTest, PauseHoldsTheMatchAtTheEndOfTheMinute) {
  ShownMatch shownMatch;
  watch(shownMatch);
  int held = 0;
  std::function<void()> release = [&] {
    EXPECT_EQ(shownMatch.minute, 10);
    EXPECT_FALSE(shownMatch.minutedone);
    if (++held == 4) {
      mls().PauseFlag = 0;
    } else {
      ui::headless().postIdle(release);
    }
  };
  dialogs.idle(AtMinuteOf{&shownMatch, 10, [&] {
                            mls().PauseFlag = 1;
                            shownMatch.minutedone = false;
                            ui::headless().postIdle(release);
                          }});
  shownMatch.Playgame();
  EXPECT_EQ(held, 4);
  EXPECT_EQ(shownMatch.minute, 90);
  shownMatch.Unload();
}

TEST_F(MinuteTest, HiddenMatchNeverWaitsOnAStalePause) {
  mls().PauseFlag = 1;
  match.Playgame();
  EXPECT_EQ(match.minute, 90);
}

TEST_F(MinuteTest, ScreenCannotBeClosedWhileAMatchRuns) {
  ShownMatch shownMatch;
  watch(shownMatch);
  bool stillLoaded = false;
  int minuteAfterNested = 0;
  dialogs.idle(AtMinuteOf{&shownMatch, 20, [&] {
                            shownMatch.userClose();
                            stillLoaded = shownMatch.loaded();
                            // A second match started from a wait would trample this one.
                            shownMatch.Playgame();
                            minuteAfterNested = shownMatch.minute;
                          }});
  shownMatch.Playgame();
  EXPECT_TRUE(stillLoaded);
  EXPECT_EQ(minuteAfterNested, 20);
  EXPECT_EQ(shownMatch.minute, 90);
  shownMatch.userClose();
  EXPECT_FALSE(shownMatch.loaded());
}

TEST_F(MinuteTest, EndedProgramEndsEveryWait) {
  ShownMatch shownMatch;
  watch(shownMatch);
  makeUserMatch();
  dialogs.answer(ui::MsgResult::OK);
  // Nobody presses anything: the end of the program must still let the match finish.
  dialogs.idle([] { ui::headless().endProgram(); });
  shownMatch.Playgame();
  EXPECT_EQ(shownMatch.minute, 90);
  ui::headless().resetProgramEnd();
  shownMatch.Unload();
}

}  // namespace
}  // namespace kervale::test
