// Suspensions, random injuries and recoveries between matchdays, and the
// user's injury and unhappiness reports.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "matchday/between_game.h"
#include "support/case_names.h"

namespace kervale::test {
namespace {

// Every club has 20 squad slots and every fit one draws an injury roll, empty ones included.
constexpr int kSlotVisits = kLastClub * 20;
constexpr double kNoInjury = 0.5;  // a roll of 501

double roll(int r) { return (r - 0.5) / 1000; }
double kind(int k, int n) { return (k - 0.5) / n; }

class Injuries : public BetweenTest {
 protected:
  // Runs the pass with `drawn` scripted draws taken in all, the rest of the rolls fit.
  void pass(int drawn) {
    scriptRepeated(kNoInjury, drawn - static_cast<int>(rng().scriptedLeft()));
    engine().playerinjuries();
    EXPECT_EQ(rng().scriptedLeft(), 0u);
  }
};

TEST_F(Injuries, ThreeOrMoreBookingsGiveABanThatIsAlreadyCountingDown) {
  MLSModule& g = game();
  g.PlayerBookings(11) = 3;
  g.PlayerBookings(12) = 4;  // two yellows in one match took him past 3
  g.PlayerBookings(13) = 2;
  pass(kSlotVisits - 2);  // the two banned players draw no roll
  for (int p : {11, 12}) {
    EXPECT_EQ(g.PlayerInjury(p), 1) << p;
    EXPECT_EQ(g.PlayerInjuryText(p), "Suspension") << p;
    EXPECT_EQ(g.PlayerBookings(p), 0) << p;
  }
  EXPECT_EQ(g.PlayerInjury(13), 0);
  EXPECT_EQ(g.PlayerBookings(13), 2);
  EXPECT_EQ(engine().betweentally.suspensions, 2);
  EXPECT_EQ(g.ClubNewsCount, 0);
}

TEST_F(Injuries, ABanIsServedOverTwoPassesAndTheTextGoesAtTheNext) {
  MLSModule& g = game();
  g.PlayerBookings(11) = 3;
  pass(kSlotVisits - 1);
  pass(kSlotVisits - 1);
  EXPECT_EQ(g.PlayerInjury(11), 0);
  ASSERT_EQ(g.ClubNewsCount, 1);
  EXPECT_EQ(g.ClubNewsLine(0), "Alder 1 is now available to play.");
  EXPECT_EQ(g.PlayerInjuryText(11), "Suspension") << "cleared only when the next pass finds him fit";
  pass(kSlotVisits);
  EXPECT_EQ(g.PlayerInjuryText(11), "");
}

TEST_F(Injuries, ARollOfOneInjuresAndHealsInTheSamePass) {
  MLSModule& g = game();
  rng().script({roll(1), kind(3, 4)});  // the user's first slot is the first visited
  pass(kSlotVisits + 1);
  EXPECT_EQ(g.PlayerInjury(11), 0);
  EXPECT_EQ(g.PlayerInjuryText(11), "Infectuous Disease");
  ASSERT_EQ(g.ClubNewsCount, 1);
  EXPECT_EQ(g.ClubNewsLine(0), "Alder 1 is now available to play.");
  EXPECT_EQ(g.TeamLatestNews(1),
            "ALDER 1 INJURED\rThe physio reports that Alder 1 is out with an Infectuous Disease. He says that Alder 1 "
            "has been quarantined from the rest of the team to avoid having them catch the bug.");
  EXPECT_EQ(engine().betweentally.injuries, 1);
}

TEST_F(Injuries, AnInjuryCountsDownWithoutANewRoll) {
  MLSModule& g = game();
  g.PlayerInjury(21) = 5;
  g.PlayerInjuryText(21) = "Hernia";
  pass(kSlotVisits - 1);
  EXPECT_EQ(g.PlayerInjury(21), 4);
  EXPECT_EQ(g.PlayerInjuryText(21), "Hernia");
  EXPECT_EQ(g.TeamLatestNews(2), "");
  EXPECT_EQ(g.ClubNewsCount, 0) << "not the user's player";
}

struct InjuryCase {
  int roll;
  int kind;
  int kinds;  // the size of the roll's band
  const char* text;
  const char* report;  // what follows "is out with "
  friend void PrintTo(const InjuryCase& c, std::ostream* os) { *os << "roll " << c.roll << " kind " << c.kind; }
};

class InjuryTexts : public Injuries, public ::testing::WithParamInterface<InjuryCase> {};

TEST_P(InjuryTexts, FollowTheBandOfTheRoll) {
  const InjuryCase c = GetParam();
  MLSModule& g = game();
  scriptRepeated(kNoInjury, 20);  // the user's club comes first
  rng().script({roll(c.roll), kind(c.kind, c.kinds)});
  pass(kSlotVisits + 1);
  EXPECT_EQ(g.PlayerInjury(21), c.roll - 1);
  EXPECT_EQ(g.PlayerInjuryText(21), c.text);
  EXPECT_EQ(g.TeamLatestNews(2),
            std::string("BIRCH 1 INJURED\rThe physio reports that Birch 1 is out with ") + c.report);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, InjuryTexts,
    ::testing::Values(
        InjuryCase{
            9, 4, 5, "Fractured Skull",
            "a Fractured Skull. He says that Birch 1 the injury was caused during yesterday's game and he will be "
            "out for more than 7 games while he recovers."},
        InjuryCase{
            8, 1, 5, "Ruptured Achilles Heel",
            "a Ruptured Achilles Heel. He says that Birch 1 will be out for more than 7 games while he recovers."},
        InjuryCase{8, 5, 5, "Pulled Quad",
                   "a Pulled Quad. He says that Birch 1 will be out for more than 7 games while he recovers."},
        InjuryCase{7, 1, 3, "Broken Arm",
                   "a Broken Arm. He says that it is a minor injury and he should be back in 4 to 7."},
        InjuryCase{4, 3, 3, "Pulled Groin",
                   "a Pulled Groin. He says that he is in pain but he should be back on the field in several weeks."},
        InjuryCase{
            3, 1, 4, "Peptic Ulcer",
            "a Peptic Ulcer. He says that Birch 1is getting treatment but is not good enough to play right now."},
        InjuryCase{2, 2, 4, "Allergic Reaction to the Pitch",
                   "an Allergic Reaction to the Pitch. He says that this is something you just can't predict."},
        InjuryCase{1, 4, 4, "Family Problems",
                   " Family Problems. He says that Birch 1 has not told anything about the situation."}),
    test::PrintedCaseName());

TEST_F(Injuries, ARollOfTenIsNoInjury) {
  MLSModule& g = game();
  scriptRepeated(kNoInjury, 20);
  rng().script({roll(10)});
  pass(kSlotVisits);
  EXPECT_EQ(g.PlayerInjury(21), 0);
  EXPECT_EQ(g.TeamLatestNews(2), "");
  EXPECT_EQ(engine().betweentally.injuries, 0);
}

TEST_F(Injuries, TheUserHearsOfInjuriesThenOfUnhappyPlayers) {
  MLSModule& g = game();
  g.PlayerInjury(12) = 5;
  g.PlayerInjuryText(12) = "Pulled Groin";
  g.PlayerInjury(14) = 1;
  g.PlayerInjuryText(14) = "Suspension";
  g.PlayerForm(11) = 35;
  g.PlayerForm(13) = 36;
  g.PlayerForm(15) = 10;
  g.PlayerName(15) = "";  // an empty record says nothing
  g.PlayerInjury(15) = 4;
  g.PlayerForm(21) = 5;  // not the user's
  engine().userreports();
  ASSERT_EQ(g.ClubNewsCount, 3);
  EXPECT_EQ(g.ClubNewsLine(0), "Alder 2 is out for 2 week(s) with a(n) Pulled Groin");
  EXPECT_EQ(g.ClubNewsLine(1), "Alder 4 is out for 0 week(s) with a(n) Suspension");
  EXPECT_EQ(g.ClubNewsLine(2), "Alder 1 says he is unhappy at the club and is making himself available for transfer.");
  EXPECT_EQ(g.PlayerTransferListed(11), 0) << "saying so does not list him";
}

}  // namespace
}  // namespace kervale::test
