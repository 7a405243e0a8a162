// The minute loop: how a match ends, half time, the waits and the closing reports.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "match_fixture.h"

namespace kervale::test {
namespace {

// Runs action at the first yield of minute `when` (reposting itself until then).
struct AtMinute {
  const MatchEngine* match;
  int when;
  std::function<void()> action;
  void operator()() const {
    if (match->minute == when) {
      action();
    } else if (match->minute < when || !match->running()) {
      ui::headless().postIdle(*this);
    }
  }
};

// Leaves the talk screen the way its go-to-match button does (stage 1, then
// the screen goes) whenever it is open, after letting the match wait a few
// passes; notes the minute of every talk.
struct TalkPresser {
  const MatchEngine* match;
  std::vector<int>* talks;
  int passes = 0;
  void operator()() {
    LockerRoom& room = lockerRoom();
    if (room.loaded() && mls().TeamTalkStage != 1) {
      // The match holds still while the talk is open.
      EXPECT_TRUE(match->running());
      if (++passes == 3) {
        talks->push_back(match->minute);
        passes = 0;
        mls().TeamTalkStage = 1;
        room.Unload();
      }
    }
    ui::headless().postIdle(*this);
  }
};

bool endsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

class MinuteTest : public MatchTest {
 protected:
  MinuteTest() { keepersStopEverything(); }
  void at(int minute, std::function<void()> action) { dialogs.idle(AtMinute{&match, minute, std::move(action)}); }
};

TEST_F(MinuteTest, LevelAtNinetyEndsThereWithoutOvertime) {
  MLSModule& g = mls();
  match.extratimeflag = 0;
  match.Playgame();
  EXPECT_EQ(match.minute, 90);
  EXPECT_EQ(match.homegoals, 0);
  EXPECT_EQ(match.awaygoals, 0);
  EXPECT_TRUE(match.minutedone);
  EXPECT_EQ(g.LastResultText, "Harbour 0 Ridge 0\r");
  // The away report may tell of a goal ruled out for offside first.
  EXPECT_TRUE(endsWith(match.matchreport,
                       "The game thusly ended in a draw, one point for both teams and a good result away on the road."))
      << match.matchreport;
  EXPECT_EQ(match.homereport, "A draw was the final result, neither team able to take the three points.");
  EXPECT_EQ(g.TeamLatestNews(kAway), "HARBOUR 0 v RIDGE 0\r" + match.matchreport + "\r\r");
  EXPECT_EQ(g.TeamLatestNews(kHome), "HARBOUR 0 v RIDGE 0\r" + match.homereport + "\r\r");
}

TEST_F(MinuteTest, LevelAtNinetyGoesOnWhenOvertimeIsPlayed) {
  MLSModule& g = mls();
  match.extratimeflag = 1;
  match.Playgame();
  // Level after 120: the loop runs out, nobody gets a closing sentence.
  EXPECT_EQ(match.minute, 121);
  EXPECT_EQ(match.homereport, "The game went to golden goal overtime tied 0 - 0. ");
  EXPECT_TRUE(endsWith(match.matchreport, match.homereport)) << match.matchreport;
  EXPECT_EQ(g.LastResultText, "Harbour 0 Ridge 0 OT\r");
  // Condition fell by 0.0035 in each of the 120 minutes.
  EXPECT_NEAR(match.homecondition(4), 0.58, 1e-9);
  EXPECT_NEAR(match.awaycondition(10), 0.58, 1e-9);
}

TEST_F(MinuteTest, GoldenGoalInMinute95EndsTheMatchThere) {
  MLSModule& g = mls();
  match.extratimeflag = 1;
  at(95, [this] { match.homegoals = 1; });
  match.Playgame();
  EXPECT_EQ(match.minute, 95);
  EXPECT_EQ(match.homereport,
            "The game went to golden goal overtime tied 0 - 0. "
            "We ultimately ended up winning the game in minute 5 of golden goal overtime.");
  EXPECT_TRUE(endsWith(match.matchreport,
                       "The game went to golden goal overtime tied 0 - 0. "
                       "Thusly the game was over, the opposition the victors because of the damned golden goal rule."))
      << match.matchreport;
  EXPECT_EQ(g.LastResultText, "Harbour 1 Ridge 0 OT\r");
}

TEST_F(MinuteTest, AwayGoldenGoalIsTheAwayClubsWinInItsReport) {
  match.extratimeflag = 1;
  at(97, [this] { match.awaygoals = 1; });
  match.Playgame();
  EXPECT_EQ(match.minute, 97);
  const std::string& away = mls().TeamLatestNews(kAway);
  EXPECT_NE(away.find("We ultimately ended up winning the game in minute 7 of golden goal overtime.\r\r"),
            std::string::npos);
  EXPECT_NE(mls().TeamLatestNews(kHome).find("damned golden goal rule.\r\r"), std::string::npos);
}

TEST_F(MinuteTest, DecidedAtNinetyEndsDespiteOvertime) {
  match.extratimeflag = 1;
  at(70, [this] { match.awaygoals = 2; });
  match.Playgame();
  EXPECT_EQ(match.minute, 90);
  EXPECT_EQ(match.homereport, "");
  EXPECT_EQ(mls().LastResultText, "Harbour 0 Ridge 2\r");
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

TEST_F(MinuteTest, ComputerMatchNeverOpensTheTeamTalk) {
  match.Playgame();
  EXPECT_FALSE(lockerRoom().loaded());
  EXPECT_EQ(mls().TeamTalkStage, 0);
  EXPECT_TRUE(dialogs.log().empty());
}

TEST_F(MinuteTest, UsersMatchWaitsForBothTalks) {
  makeUserMatch(false);
  std::vector<int> talks;
  std::string halftime;
  std::vector<std::string> halftimeTalks;
  dialogs.idle(TalkPresser{&match, &talks});
  at(46, [&] {
    halftime = lockerRoom().Label3.caption();
    halftimeTalks = lockerRoom().TeamTalkList.state().items;
  });
  dialogs.answer(ui::MsgResult::OK);  // the final score
  match.Playgame();
  EXPECT_EQ(talks, (std::vector<int>{1, 46}));
  EXPECT_EQ(dialogs.last().text, "Final Score from Harbour Ground\rHarbour 0 : 0 Ridge");
  EXPECT_EQ(dialogs.last().title, "KERV");
  // Seen from the away side: us first.
  EXPECT_EQ(halftime.rfind("Halftime Stats (Us - Them):\rScore: 0 - 0\rShots: ", 0), 0u) << halftime;
  EXPECT_NE(halftime.find("\rPosession: "), std::string::npos);
  EXPECT_EQ(halftime.back(), '\r');
  ASSERT_EQ(halftimeTalks.size(), 6u);
  EXPECT_EQ(halftimeTalks.front(), "A very good first half. Keep it up.");
  EXPECT_EQ(halftimeTalks.back(), "We stunk like rotten fish! Wake up!");
}

TEST_F(MinuteTest, ClosingTheTalkByItsCloseBoxLetsTheMatchGoOn) {
  makeUserMatch();
  int closes = 0;
  std::function<void()> closer = [&] {
    if (lockerRoom().loaded()) {
      ++closes;
      lockerRoom().userClose();
    }
    if (match.running()) ui::headless().postIdle(closer);
  };
  dialogs.idle(closer);
  dialogs.answer(ui::MsgResult::OK);
  match.Playgame();
  EXPECT_EQ(closes, 2);
  EXPECT_EQ(match.minute, 90);
}

TEST_F(MinuteTest, FinalScoreWaitsForTheMinuteButton) {
  ShownMatch shownMatch;
  shownMatch.hometeam = kHome;
  shownMatch.awayteam = kAway;
  shownMatch.Show();
  makeUserMatch();
  std::vector<int> talks;
  dialogs.idle(TalkPresser{&shownMatch, &talks});
  dialogs.answer(ui::MsgResult::OK);
  int waited = 0;
  std::function<void()> presser = [&] {
    if (dialogs.sawText("Final Score")) {
      EXPECT_TRUE(shownMatch.running());
      EXPECT_EQ(shownMatch.minute, 90);
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
  shownMatch.Unload();
}

TEST_F(MinuteTest, PauseHoldsTheMatchAtTheEndOfTheMinute) {
  ShownMatch shownMatch;
  shownMatch.hometeam = kHome;
  shownMatch.awayteam = kAway;
  shownMatch.Show();
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
  dialogs.idle(AtMinute{&shownMatch, 10, [&] {
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
  shownMatch.hometeam = kHome;
  shownMatch.awayteam = kAway;
  shownMatch.Show();
  bool stillLoaded = false;
  int minuteAfterNested = 0;
  dialogs.idle(AtMinute{&shownMatch, 20, [&] {
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
  shownMatch.hometeam = kHome;
  shownMatch.awayteam = kAway;
  shownMatch.Show();
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
