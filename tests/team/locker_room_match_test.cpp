// The stage handshake between the talk screen and a running match.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "match/match_fixture.h"

namespace kervale::test {
namespace {

// What the user saw each time the talk screen was open.
struct Talk {
  int minute = 0;
  double stage = 0;
  int waits = 0;  // passes the match yielded while the screen was open
  std::vector<std::string> lines;
  std::string info;
  double moraleBefore = 0;
  double moraleAfter = 0;
};

// The user at the keyboard: while the talk screen is open, lets the match wait
// a few passes, then selects the first line, presses "Preach" and "Let's go
// to the match!".
struct User {
  const MatchEngine* match;
  int team;
  std::vector<Talk>* talks;
  int waits = 0;
  void operator()() {
    LockerRoom& room = lockerRoom();
    if (room.shown() && mls().TeamTalkStage != 1) {
      EXPECT_TRUE(match->running());
      if (++waits == 3) {
        Talk t;
        t.minute = match->minute;
        t.stage = mls().TeamTalkStage;
        t.waits = waits;
        t.lines = room.TeamTalkList.state().items;
        t.info = room.Label3.caption();
        t.moraleBefore = mls().TeamMorale(team);
        room.TeamTalkList.userSelectItem(0);
        room.Command2.userClick();  // still disabled: nothing yet
        room.Command1.userClick();
        t.moraleAfter = mls().TeamMorale(team);
        room.Command2.userClick();
        talks->push_back(t);
        waits = 0;
      }
    }
    if (match->running()) ui::headless().postIdle(*this);
  }
};

class LockerRoomMatchTest : public MatchTest {};

TEST_F(LockerRoomMatchTest, UsersMatchWaitsAtKickOffAndHalfTimeUntilTheUserGoesBack) {
  makeUserMatch();
  mls().TeamForm(kHome) = "WWD";
  mls().TeamForm(kAway) = "LDW";
  std::vector<Talk> talks;
  dialogs.idle(User{&match, kHome, &talks});
  dialogs.answer(ui::MsgResult::OK);  // the final score
  match.Playgame();

  EXPECT_FALSE(match.running());
  EXPECT_GE(match.minute, 90);
  EXPECT_FALSE(lockerRoom().loaded());
  ASSERT_EQ(talks.size(), 2u);

  const Talk& kickOff = talks[0];
  EXPECT_EQ(kickOff.minute, 1);
  EXPECT_EQ(kickOff.stage, 0);
  ASSERT_EQ(kickOff.lines.size(), 6u);
  EXPECT_EQ(kickOff.lines[0], "Let's have another good showing.");
  EXPECT_EQ(kickOff.info, "Ridge\rForm: LDW\r");
  EXPECT_NEAR(kickOff.moraleAfter - kickOff.moraleBefore, 0.2, 1e-12);  // good form: the talk lifts them

  const Talk& halfTime = talks[1];
  EXPECT_EQ(halfTime.minute, 46);
  EXPECT_EQ(halfTime.stage, 2);
  ASSERT_EQ(halfTime.lines.size(), 6u);
  EXPECT_EQ(halfTime.lines[0], "A very good first half. Keep it up.");
  EXPECT_EQ(halfTime.info.rfind("Halftime Stats (Us - Them):\rScore:", 0), 0u);
  EXPECT_EQ(halfTime.moraleAfter, halfTime.moraleBefore);
  EXPECT_EQ(dialogs.backend().beeps(), 2);  // one per showing
}

TEST_F(LockerRoomMatchTest, ComputerMatchNeverOpensTheTalk) {
  mls().TeamForm(kHome) = "WWW";
  std::vector<Talk> talks;
  dialogs.idle(User{&match, kHome, &talks});
  match.Playgame();
  EXPECT_TRUE(talks.empty());
  EXPECT_FALSE(lockerRoom().loaded());
  EXPECT_EQ(dialogs.backend().beeps(), 0);
  EXPECT_NE(mls().TeamTalkStage, 1);
}

}  // namespace
}  // namespace kervale::test
