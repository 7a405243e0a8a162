#include "team/locker_room.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/mls_module.h"
#include "support/scripted_dialogs.h"
#include "ui/backend.h"
#include "ui/screen.h"

namespace kervale {
namespace {

constexpr int kUs = 5;
constexpr int kThem = 9;

const char* const kLowest = "I have nothing to say for our actions on the pitch.";
const char* const kTooMuch = "Damn it, coach, you've said that way too much this season.";
const char* const kCrucial = "This game is CRUCIAL! Let's beat these guys!";

class LockerRoomTest : public ::testing::Test {
 protected:
  LockerRoomTest() {
    replaceGame(makeEmptyGame());
    MLSModule& g = mls();
    g.MyTeam = kUs;
    g.MatchHomeTeam = kUs;
    g.MatchAwayTeam = kThem;
    g.TeamName(kUs) = "Harbour City";
    g.TeamVenue(kUs) = "Lantern Park";
    g.TeamLogo(kUs) = "harbour.gif";
    g.TeamColour1(kUs) = "&HFF0000";
    g.TeamColour2(kUs) = "&HFFFF";
    g.TeamName(kThem) = "Ridgeback Rovers";
    g.TeamForm(kThem) = "WLDWW";
    g.TeamMorale(kUs) = 1;
    room().Unload();
  }
  ~LockerRoomTest() override {
    room().Unload();
    replaceGame(nullptr);
  }

  static LockerRoom& room() { return ui::screen<LockerRoom>(); }
  static double& morale() { return mls().TeamMorale(kUs); }

  // Loads the screen fresh, as the match shows it before kick-off.
  LockerRoom& openAt(double stage = 0) {
    mls().TeamTalkStage = stage;
    room().Unload();
    room().Show();
    return room();
  }

  // Gives talk `talk` once, as the user does: select it, press "Preach".
  void preach(int talk) {
    room().TeamTalkList.userSelectItem(talk);
    room().Command1.userClick();
  }

  std::vector<std::string> items() const { return room().TeamTalkList.state().items; }

  test::ScriptedDialogs dialogs_;  // strict: the screen shows no box
};

// ---- Loading

struct MoodCase {
  double morale;
  const char* line;
};

TEST_F(LockerRoomTest, MoodLineAtEachThresholdTakesTheLineBelowAndJustAboveItsOwn) {
  const MoodCase cases[] = {
      {0.4, kLowest},
      {0.75, kLowest},
      {0.7501, "We cannot win out there. No ifs, ands, or buts."},
      {0.85, "We cannot win out there. No ifs, ands, or buts."},
      {0.8501, "We're shit out there, coach. We're shit! Enough said!"},
      {0.9, "We're shit out there, coach. We're shit! Enough said!"},
      {0.9001, "I myself am worried about our team, coach, we could, but I don't know if we can, do it."},
      {0.95, "I myself am worried about our team, coach, we could, but I don't know if we can, do it."},
      {0.9501, "No complaints, really, but things could be better."},
      {1, "No complaints, really, but things could be better."},
      {1.0001, "Things could go our way here. We can probably beat this team."},
      {1.1, "Things could go our way here. We can probably beat this team."},
      {1.1001, "Let's keep this up guys, let's really keep this up! We're doing fine!"},
      {1.15, "Let's keep this up guys, let's really keep this up! We're doing fine!"},
      {1.1501, "We're better than these guys! Let's go win!"},
      {1.25, "We're better than these guys! Let's go win!"},
      {1.2501, "Let's go knock the shit out of 'em!"},
      {1.35, "Let's go knock the shit out of 'em!"},
      {1.3501, "YEAH! We're doing AWESOME!"},
      {1.8, "YEAH! We're doing AWESOME!"},
  };
  for (const MoodCase& c : cases) {
    morale() = c.morale;
    EXPECT_EQ(openAt().Label2.caption(), c.line) << "morale " << c.morale;
  }
  // The mood is the user's side as the away club too.
  mls().MatchHomeTeam = kThem;
  mls().MatchAwayTeam = kUs;
  morale() = 1;
  EXPECT_EQ(openAt().Label2.caption(), "No complaints, really, but things could be better.");
}

TEST_F(LockerRoomTest, NoMoodLineWhenTheUserClubDoesNotPlay) {
  mls().MatchHomeTeam = 11;
  mls().MatchAwayTeam = kThem;
  EXPECT_EQ(openAt().Label2.caption(), "");
}

TEST_F(LockerRoomTest, BeforeKickOffListsTheSixTalksAndTheOpponentsForm) {
  LockerRoom& r = openAt(0);
  EXPECT_EQ(r.caption(), "Locker Room");
  EXPECT_EQ(dialogs_.backend().beeps(), 1);
  EXPECT_EQ(items(),
            (std::vector<std::string>{"Let's have another good showing.", "This is the biggest game of the year!",
                                      "We haven't been playing well!", "We need to turn it around right here.",
                                      "Play for the draw.", "This game isn't very important."}));
  EXPECT_EQ(r.TeamTalkList.listIndex(), 0);
  EXPECT_EQ(r.Label3.caption(), "Ridgeback Rovers\rForm: WLDWW\r");
  EXPECT_FALSE(r.Command2.enabled());

  // Away from home the opponent is the home side.
  mls().MatchHomeTeam = kThem;
  mls().MatchAwayTeam = kUs;
  mls().TeamForm(kUs) = "LLL";
  EXPECT_EQ(openAt(0).Label3.caption(), "Ridgeback Rovers\rForm: WLDWW\r");
  EXPECT_EQ(dialogs_.backend().beeps(), 2);
}

// ---- The talks

struct FormCase {
  const char* form;
  double talk0;   // morale change of "Let's have another good showing."
  double talk23;  // of the two poor-form talks
};

TEST_F(LockerRoomTest, FormScoresDecideTheTalksEffects) {
  const FormCase cases[] = {
      {"WDD", 0.2, -0.15},                         // good 5, poor 2
      {"WDL", -0.25, 0.2},                         // good 4, poor 4
      {"LDW", -0.25, 0.2},                         // good 4, poor 4
      {"DDD", -0.25, -0.15},                       // good 3, poor 3
      {"LL", 0.2, -0.15},                          // too short: fixed 5 and 3, whatever the letters
      {"D", 0.2, -0.15},        {"", 0.2, -0.15},  // no results yet
      {"WWLLLLLL", 0.2, -0.15},                    // only the newest three count: 6 and 3
      {"wwl", -0.25, -0.15},                       // upper case only
      {"LLW", -0.25, 0.2},                         // poor 6
  };
  for (const FormCase& c : cases) {
    mls().TeamForm(kUs) = c.form;
    for (int talk : {0, 2, 3}) {
      morale() = 1;
      openAt();
      preach(talk);
      const bool good = talk == 0 ? c.talk0 > 0 : c.talk23 > 0;
      EXPECT_DOUBLE_EQ(morale(), 1 + (talk == 0 ? c.talk0 : c.talk23)) << c.form << " talk " << talk;
      const char* reply = talk == 0 ? (good ? "Let's go!" : "Coach, we haven't been playing well recently!")
                                    : (good ? "Guys, he's right, let's go give a good showing!"
                                            : "Wait a minute, we've been playing well these last few games!");
      EXPECT_EQ(room().Label2.caption(), reply) << c.form << " talk " << talk;
      EXPECT_TRUE(room().Command2.enabled());
    }
  }
}

TEST_F(LockerRoomTest, BigGameTalkTurnsSourOnItsFourthUseAndStaysSour) {
  for (int use = 1; use <= 6; ++use) {
    morale() = 1;
    openAt();  // across showings: the count lives in the shared tables
    preach(1);
    EXPECT_EQ(mls().BigGameTalks, use);
    if (use < 4) {
      EXPECT_DOUBLE_EQ(morale(), 1.5) << "use " << use;
      EXPECT_EQ(room().Label2.caption(), kCrucial);
    } else {
      EXPECT_NEAR(morale(), 0.8, 1e-12) << "use " << use;
      EXPECT_EQ(room().Label2.caption(), kTooMuch);
    }
  }
}

TEST_F(LockerRoomTest, DrawAndUnimportantTalksOnlyReply) {
  mls().TeamForm(kUs) = "WWW";
  morale() = 1.05;
  openAt();
  preach(4);
  EXPECT_EQ(morale(), 1.05);
  EXPECT_EQ(room().Label2.caption(), "Why not the win, Coach? Why not the win?");
  EXPECT_TRUE(room().Command2.enabled());
  preach(5);
  EXPECT_EQ(morale(), 1.05);
  EXPECT_EQ(room().Label2.caption(), "Fine coach. Let's not kill ourselves out there guys.");
  EXPECT_EQ(mls().BigGameTalks, 0);
}

TEST_F(LockerRoomTest, EveryPressAddsUpButMoraleStaysWithinTheMatchBounds) {
  mls().TeamForm(kUs) = "WWD";
  openAt();
  preach(0);
  preach(0);
  EXPECT_NEAR(morale(), 1.4, 1e-12);  // twice +0.2
  for (int i = 0; i < 30; ++i) {
    preach(i % 2);  // the good-form and the big-game talk, over and over
    EXPECT_GE(morale(), 0.4);
    EXPECT_LE(morale(), 1.8);
  }
  EXPECT_EQ(mls().BigGameTalks, 15);

  mls().TeamForm(kUs) = "WWW";
  for (int i = 0; i < 10; ++i) preach(3);  // -0.15 a press
  EXPECT_EQ(morale(), 0.4);
  for (int i = 0; i < 10; ++i) preach(0);  // +0.2 a press
  EXPECT_EQ(morale(), 1.8);
  // The bound applies to the talk as a whole: 1.8 + 0.5 - 0.7 is 1.6, not 1.1.
  preach(1);
  EXPECT_NEAR(morale(), 1.6, 1e-12);
}

TEST_F(LockerRoomTest, NothingSelectedAppliesNothingButOpensTheWayOut) {
  openAt();
  room().TeamTalkList.setListIndex(-1);
  room().Command1.userClick();
  EXPECT_EQ(morale(), 1);
  EXPECT_EQ(room().Label2.caption(), "No complaints, really, but things could be better.");
  EXPECT_TRUE(room().Command2.enabled());
}

TEST_F(LockerRoomTest, HalfTimeTalksChangeNothing) {
  // What the match does at minute 46: the first touch of Label3 loads the
  // screen, then it writes its lines and statistics and sets stage 2.
  MLSModule& g = mls();
  g.TeamForm(kUs) = "WWW";
  g.TeamTalkStage = 0;
  morale() = 1.12;
  g.BigGameTalks = 2;
  LockerRoom& r = room();
  r.Load();
  r.Label3.setCaption("");
  r.TeamTalkList.clear();
  const std::vector<std::string> halfTime = {
      "A very good first half. Keep it up.",  "A very good first half. Take a little off.",
      "A good half, but we need another.",    "You guys played only alright.",
      "Get out there and WIN THIS BALLGAME!", "We stunk like rotten fish! Wake up!"};
  for (const std::string& line : halfTime) r.TeamTalkList.addItem(line);
  r.TeamTalkList.setListIndex(0);
  r.Label3.setCaption("Halftime Stats (Us - Them):\rScore: 1 - 0\rShots: 4 - 2\rPosession: 55.0% / 45.0%\r");
  g.TeamTalkStage = 2;
  r.Show();

  const std::string mood = "Let's keep this up guys, let's really keep this up! We're doing fine!";
  EXPECT_EQ(r.Label2.caption(), mood);
  EXPECT_EQ(items(), halfTime);
  for (int line = 0; line < 6; ++line) {
    preach(line);
    EXPECT_EQ(morale(), 1.12);
    EXPECT_EQ(g.BigGameTalks, 2);
    EXPECT_EQ(r.Label2.caption(), mood);
    EXPECT_EQ(items(), halfTime);
    EXPECT_EQ(g.TeamTalkStage, 2);
  }
  EXPECT_TRUE(r.Command2.enabled());
}

// ---- Leaving

TEST_F(LockerRoomTest, GoToMatchOnlyAfterPreachThenEndsTheTalk) {
  LockerRoom& r = openAt();
  r.Command2.userClick();  // disabled: nothing happens
  EXPECT_TRUE(r.loaded());
  EXPECT_EQ(mls().TeamTalkStage, 0);

  preach(4);
  r.Command2.userClick();
  EXPECT_EQ(mls().TeamTalkStage, 1);
  EXPECT_FALSE(r.loaded());
  EXPECT_FALSE(r.shown());
  // The next showing starts afresh.
  EXPECT_FALSE(openAt().Command2.enabled());
  EXPECT_EQ(r.Label2.caption(), "No complaints, really, but things could be better.");
}

// A wait like the match's: yields until the stage says the user has left.
int waitForTalk() {
  int passes = 0;
  while (mls().TeamTalkStage != 1 && passes < 1000) {
    ui::DoEvents();
    ++passes;
  }
  return passes;
}

TEST_F(LockerRoomTest, GoButtonEndsTheWait) {
  openAt();
  dialogs_.idle([] {});
  dialogs_.idle([] {
    room().TeamTalkList.userSelectItem(1);
    room().Command1.userClick();
  });
  dialogs_.idle([] { room().Command2.userClick(); });
  const int passes = waitForTalk();
  EXPECT_EQ(mls().TeamTalkStage, 1);
  EXPECT_LT(passes, 1000);
  EXPECT_FALSE(room().loaded());
  EXPECT_DOUBLE_EQ(morale(), 1.5);  // the talk is in before the match goes on
}

TEST_F(LockerRoomTest, CloseBoxEndsTheWaitLikeTheGoButton) {
  openAt();
  dialogs_.idle([] { room().userClose(); });  // without a talk, the go button still disabled
  const int passes = waitForTalk();
  EXPECT_EQ(mls().TeamTalkStage, 1);
  EXPECT_LT(passes, 1000);
  EXPECT_FALSE(room().loaded());
  EXPECT_EQ(morale(), 1);

  // At half time too.
  openAt(2);
  dialogs_.idle([] { room().userClose(); });
  EXPECT_LT(waitForTalk(), 1000);
  EXPECT_FALSE(room().loaded());
}

TEST_F(LockerRoomTest, UnloadedByTheProgramLeavesTheStageAlone) {
  openAt();
  room().Unload();
  EXPECT_EQ(mls().TeamTalkStage, 0);
}

TEST_F(LockerRoomTest, StaysInFrontUntilTheUserLeaves) {
  LockerRoom& r = openAt();
  EXPECT_EQ(ui::Form::active(), &r);
  r.userDeactivate();  // the user clicks another window
  EXPECT_TRUE(r.shown());
  EXPECT_EQ(ui::Form::active(), &r);

  preach(0);
  r.Command2.userClick();
  EXPECT_EQ(ui::Form::active(), nullptr);
  EXPECT_FALSE(r.shown());
}

}  // namespace
}  // namespace kervale
