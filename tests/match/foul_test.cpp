// Fouls, bookings, sendings-off, the penalty award and the rare interruption.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "event_fixture.h"

namespace kervale::test {
namespace {

using Lines = std::vector<std::string>;

// A card roll of exactly `roll` up to minute 60: Int(Rnd x 200 + 59).
double cardDraw(int roll) { return (roll - 59 + 0.5) / 200; }

class FoulTest : public EventTest {
 protected:
  FoulTest() {
    // The home side has the ball in midfield: the away side fouls.
    shown.possession = 1;
    shown.ballzone = 13;
  }
  // Referee roll 0, fouler row 3 (squad slot 4), two rolls of 15 against it, the card roll.
  static void scriptFoul(double card) { rng().script({0.0, 0.25, 0.5, 0.5, card}); }
  // The commentary selectors of a foul (three, four with a card) and its closing line.
  static void scriptTalk(int selectors) {
    for (int i = 0; i <= selectors; ++i) rng().script({0.0});
  }
};

TEST_F(FoulTest, AYellowOnlyOnTheSevenRollsAbove90) {
  for (int roll : {90, 91, 94, 97, 98}) {
    const bool booked = roll > 90 && roll < 98;
    shown.slotyellows.clear();
    shown.commcount = 0;
    shown.awayinfocount = 0;
    scriptFoul(cardDraw(roll));
    scriptTalk(booked ? 4 : 3);
    shown.foulStep();
    EXPECT_EQ(shown.cardroll, roll);
    EXPECT_EQ(shown.slotyellows(4, 2), booked ? 1 : 0) << roll;
    EXPECT_EQ(info(2), booked ? Lines{"R4 booked ( 30 )"} : Lines{}) << roll;
    EXPECT_EQ(rng().scriptedLeft(), 0u) << roll;
  }
  EXPECT_EQ(shown.awayfouls, 5);
  EXPECT_EQ(shown.homefouls, 0);
}

TEST_F(FoulTest, ABookingCostsTheClubAndASecondSendsHimOff) {
  MLSModule& g = mls();
  scriptFoul(cardDraw(91));
  scriptTalk(4);
  shown.foulStep();
  const Lines booking{"Line 4", "R4Line 7", "Line 16", "Line 20", "Line 23"};
  Lines lines = booking;
  lines.push_back("Line 37");
  EXPECT_EQ(queued(), lines);
  EXPECT_EQ(g.PlayerBookings(player(kAway, 4)), 1);
  EXPECT_EQ(g.TeamYellowCards(kAway), 1);
  EXPECT_EQ(g.TeamDisciplinePoints(kAway), 1);
  EXPECT_DOUBLE_EQ(g.TeamMorale(kAway), 0.98);
  EXPECT_DOUBLE_EQ(rating(4, 2), 4.9);
  EXPECT_EQ(shown.bookedflag, 0);
  EXPECT_FALSE(shown.penaltyplayed);

  // The same player again.
  shown.commcount = 0;
  scriptFoul(cardDraw(95));
  scriptTalk(4);
  shown.foulStep();
  EXPECT_EQ(info(2), (Lines{"R4 booked ( 30 )", "R4 booked ( 30 )", "R4 sent off ( 30 )"}));
  lines = booking;
  lines.insert(lines.end(), {"Line 23", "Line 24", "Line 25", "Line 37"});
  EXPECT_EQ(queued(), lines);
  EXPECT_EQ(shown.slotyellows(4, 2), 2);
  EXPECT_EQ(g.TeamYellowCards(kAway), 2);
  EXPECT_EQ(g.TeamRedCards(kAway), 1);
  EXPECT_EQ(g.TeamDisciplinePoints(kAway), 1 + 4);
  EXPECT_EQ(shown.onpitchname(3, 2), "");
  EXPECT_EQ(shown.awaydefskill(3), 0);
  EXPECT_EQ(shown.awaymidskill(3), 0);
  EXPECT_EQ(shown.awayattskill(3), 0);
  EXPECT_EQ(g.PlayerInjury(player(kAway, 4)), 2);
  EXPECT_EQ(g.PlayerInjuryText(player(kAway, 4)), "Suspension");
  EXPECT_DOUBLE_EQ(rating(4, 2), 4.9 - 1.1);
  EXPECT_EQ(shown.sentoffflag, 0);
}

TEST_F(FoulTest, AStraightRedOnlyAfterMinuteSixty) {
  MLSModule& g = mls();
  // The same draw is a card roll of 61 in minute 60 and of 2 in minute 61.
  shown.minute = 60;
  scriptFoul(0.0125);
  scriptTalk(3);
  shown.foulStep();
  EXPECT_EQ(shown.cardroll, 61);
  EXPECT_EQ(g.TeamRedCards(kAway), 0);

  shown.minute = 61;
  scriptFoul(0.0125);
  scriptTalk(4);
  shown.foulStep();
  EXPECT_EQ(shown.cardroll, 2);
  EXPECT_EQ(g.TeamRedCards(kAway), 1);
  EXPECT_EQ(g.TeamYellowCards(kAway), 0);
  EXPECT_EQ(info(2), (Lines{"R4 sent off ( 61 )"}));
  EXPECT_EQ(shown.slotyellows(4, 2), 2);
  EXPECT_EQ(g.TeamDisciplinePoints(kAway), 3);
}

TEST_F(FoulTest, NoFoulUnlessBothRollsBeatTheReferee) {
  // Referee 1 (strictness 5) rolls 4; the fouler rolls 15 then 3.
  rng().script({0.9, 0.25, 0.5, 0.1});
  shown.foulStep();
  EXPECT_EQ(shown.awayfouls, 0);
  EXPECT_EQ(shown.commcount, 0);
  EXPECT_EQ(rng().scriptedLeft(), 0u);
  // A first roll that does not beat it draws no second.
  rng().script({0.9, 0.25, 0.1});
  shown.foulStep();
  EXPECT_EQ(shown.awayfouls, 0);
  EXPECT_EQ(rng().scriptedLeft(), 0u);
}

TEST_F(FoulTest, ARollBeatsTheRefereeOnlyByItsWholePart) {
  // Aggression 28 (rolls of Rnd x 32) against a referee's 4: 4.96875 is a roll
  // of 4, no foul and no second roll.
  mls().PlayerAggression(player(kAway, 4)) = 28;
  rng().script({0.9, 0.25, 4.96875 / 32});
  shown.foulStep();
  EXPECT_EQ(shown.foulroll, 4);
  EXPECT_EQ(shown.awayfouls, 0);
  EXPECT_EQ(rng().scriptedLeft(), 0u);
  // Exactly 5 beats it; a second roll of 4.5 does not.
  rng().script({0.9, 0.25, 5.0 / 32, 4.5 / 32});
  shown.foulStep();
  EXPECT_EQ(shown.foulroll, 4);
  EXPECT_EQ(shown.awayfouls, 0);
  EXPECT_EQ(rng().scriptedLeft(), 0u);
  rng().script({0.9, 0.25, 5.0 / 32, 5.0 / 32, (70 - 59 + 0.5) / 200, 0, 0, 0, 0});
  shown.foulStep();
  EXPECT_EQ(shown.foulroll, 5);
  EXPECT_EQ(shown.awayfouls, 1);
  EXPECT_EQ(rng().scriptedLeft(), 0u);
}

TEST_F(FoulTest, ACalmSideNeverFouls) {
  MLSModule& g = mls();
  for (int slot = 1; slot <= 11; ++slot) g.PlayerAggression(player(kAway, slot)) = 60;
  g.RefStrictness(1) = 0;
  rng().seed(12);
  for (int i = 0; i < 500; ++i) shown.foulStep();
  EXPECT_EQ(shown.awayfouls, 0);
  // The other side fouls when it is without the ball, even before a lenient referee.
  shown.possession = 2;
  for (int i = 0; i < 50; ++i) shown.foulStep();
  EXPECT_GT(shown.homefouls, 30);
}

TEST_F(FoulTest, APlayerSentOffIsNeverPickedAgain) {
  shown.onpitchname(3, 2).clear();
  // Row 3 first, then row 6.
  rng().script({0.0, 0.25, 0.5, 0.55, 0.5, 0.5, cardDraw(70)});
  scriptTalk(3);
  shown.foulStep();
  EXPECT_EQ(shown.fouler, 6);
  EXPECT_EQ(shown.foultries, 1);
  EXPECT_EQ(queued()[1], "R7Line 7");
  EXPECT_EQ(rng().scriptedLeft(), 0u);
  // With the whole side gone, nobody is left to foul.
  for (int j = 1; j <= 10; ++j) shown.onpitchname(j, 2).clear();
  rng().seed(3);
  for (int i = 0; i < 20; ++i) shown.foulStep();
  EXPECT_EQ(shown.awayfouls, 1);
}

class PenaltyTest : public FoulTest {
 protected:
  // The two penalty lines drawn, a shot roll of 1 that misses, then the outcome (and the restart code).
  static void scriptKick(std::initializer_list<double> outcome) {
    rng().script({0.0, 0.0, 0.0, 0.5});
    rng().script(outcome);
  }
};

TEST_F(PenaltyTest, ABookedHomeFoulerInZoneElevenGivesTheAwaySideAPenalty) {
  shown.possession = 2;
  shown.ballzone = 11;
  scriptFoul(cardDraw(91));
  for (int i = 0; i < 4; ++i) rng().script({0.0});
  // Wide of the post; restart code 2.
  scriptKick({3.5 / 12, 0.5});
  shown.foulStep();
  EXPECT_EQ(shown.homefouls, 1);
  EXPECT_EQ(queued(), (Lines{"Line 4", "H4Line 7", "Line 16", "Line 20", "Line 23", "Line 30", "Line 31", "R10Line 34",
                             "Line 35", "It whistles just past the post"}));
  EXPECT_TRUE(shown.penaltyplayed);
  EXPECT_EQ(shown.penaltycount, 1);
  EXPECT_EQ(shown.attacker, 9);
  EXPECT_EQ(shown.awayshots, 1);
  // The fouler keeps his rating: the penalty is his punishment.
  EXPECT_DOUBLE_EQ(rating(4, 1), 5);
  EXPECT_EQ(shown.bookedflag, 0);
  EXPECT_EQ(shown.ballzone, 8);
  EXPECT_EQ(shown.possession, 1);
  EXPECT_EQ(rng().scriptedLeft(), 0u);
}

TEST_F(PenaltyTest, TheHomeSideGetsOneInZoneFifteen) {
  shown.possession = 1;
  shown.ballzone = 15;
  shown.restartcode = 3;  // left over from an earlier clearance
  scriptFoul(cardDraw(91));
  for (int i = 0; i < 4; ++i) rng().script({0.0});
  // Ruled out for offside: a restart without a drawn code.
  scriptKick({4.5 / 12});
  shown.foulStep();
  EXPECT_EQ(queued()[5], "Line 29");
  EXPECT_EQ(queued()[7], "H10Line 34");
  EXPECT_EQ(queued().back(), "The linesman had his flag raised");
  EXPECT_EQ(shown.homeshots, 1);
  // The kick stands on its own: it restarts at the centre, not where the old code says.
  EXPECT_EQ(shown.ballzone, 13);
  EXPECT_EQ(shown.possession, 2);
  EXPECT_EQ(rng().scriptedLeft(), 0u);
}

TEST_F(PenaltyTest, OnlyACardedFoulInTheRightZoneOfTheRightSide) {
  struct Case {
    int zone, possession;
    bool carded;
  };
  // Zone 12; an uncarded foul; the home side's ball in the away side's attacking zone.
  const Case cases[] = {{12, 2, true}, {11, 2, false}, {11, 1, true}, {15, 2, true}, {14, 1, true}};
  for (const Case& c : cases) {
    shown.possession = c.possession;
    shown.ballzone = c.zone;
    shown.penaltycount = 0;
    shown.slotyellows.clear();
    scriptFoul(cardDraw(c.carded ? 91 : 70));
    scriptTalk(c.carded ? 4 : 3);
    shown.foulStep();
    EXPECT_FALSE(shown.penaltyplayed) << c.zone;
    EXPECT_EQ(shown.penaltycount, 0) << c.zone;
    EXPECT_EQ(shown.homeshots + shown.awayshots, 0) << c.zone;
    EXPECT_EQ(rng().scriptedLeft(), 0u) << c.zone;
  }
}

TEST_F(PenaltyTest, TheKeyPlayerSlotIsKeptAmongTheEleven) {
  MLSModule& g = mls();
  g.TeamKeyPlayerSlot(kAway) = 15;
  EXPECT_EQ(shown.penaltyTaker(2), 11);
  g.TeamKeyPlayerSlot(kAway) = 0;
  EXPECT_EQ(shown.penaltyTaker(2), 2);
  g.TeamKeyPlayerSlot(kAway) = 7;
  EXPECT_EQ(shown.penaltyTaker(2), 7);
  // Sent off: the best attacker left takes it.
  shown.onpitchname(6, 2).clear();
  g.PlayerAttack(player(kAway, 9)) = 14;
  EXPECT_EQ(shown.penaltyTaker(2), 9);
}

TEST_F(PenaltyTest, APenaltyIsTheWholePlayOfItsMinute) {
  ShownMatch m;
  m.hometeam = kHome;
  m.awayteam = kAway;
  m.Fastsim.setValue(1);
  m.Show();
  int shots = 0, goals = 0, contests = 0;
  bool checked = false;
  auto atMinute21 = [&] {
    // After the foul step of minute 21: the kick is taken and scored.
    EXPECT_TRUE(m.penaltyplayed);
    EXPECT_EQ(m.homeshots, shots + 1);
    EXPECT_EQ(m.homegoals, goals + 1);
    mls().PauseFlag = 1;
    ui::headless().postIdle([&] {
      // End of minute 21: no contest was played after the kick.
      EXPECT_EQ(m.minute, 21);
      EXPECT_EQ(m.possessiontotal, contests);
      EXPECT_EQ(m.homeshots, shots + 1);
      EXPECT_EQ(rng().scriptedLeft(), 0u);
      checked = true;
      mls().PauseFlag = 0;
    });
  };
  int listed = 0;
  std::function<void()> endOf20 = [&] {
    // Waits for the flush of minute 20, then sets up minute 21.
    if (m.Commentary.listCount() == listed) {
      ui::headless().postIdle(endOf20);
      return;
    }
    EXPECT_EQ(m.minute, 20);
    m.ballzone = 15;
    m.possession = 1;
    shots = m.homeshots;
    goals = m.homegoals;
    contests = m.possessiontotal;
    // Minute 21: no streaker, a booked away foul, the kick scores.
    rng().script({0.5, 0.0, 0.25, 0.5, 0.5, cardDraw(91), 0, 0, 0, 0, 0, 0, 0.99, 0.0, 0.0});
    ui::headless().postIdle(AtMinuteOf{&m, 21, atMinute21});
    mls().PauseFlag = 0;
  };
  dialogs.idle(AtMinuteOf{&m, 20, [&] {
                            mls().PauseFlag = 1;
                            listed = m.Commentary.listCount();
                            ui::headless().postIdle(endOf20);
                          }});
  m.Playgame();
  EXPECT_TRUE(checked);
  EXPECT_EQ(m.minute, 90);
  m.Unload();
}

TEST_F(FoulTest, TheRareStreaker) {
  rng().script({0.3});
  shown.rareEvent();
  EXPECT_EQ(shown.commcount, 0);
  rng().script({0.0, 0.5});
  shown.rareEvent();
  EXPECT_EQ(queued(), (Lines{"Play has stopped, but I saw no infringement!",
                             "Wait a minute, there's a Male streaker on the pitch!"}));
  rng().script({0.0, 0.05});
  shown.rareEvent();
  EXPECT_EQ(queued().back(), "Wait a minute, there's a Female streaker on the pitch!");
}

}  // namespace
}  // namespace kervale::test
