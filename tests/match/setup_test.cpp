// Match set-up: walkovers, morale, colours, money and the ground.
#include <gtest/gtest.h>

#include "match_fixture.h"

namespace kervale::test {
namespace {

class SetupTest : public MatchTest {
 protected:
  // The four set-up draws: referee, two crowd draws, the broadcast roll.
  void scriptSetup(double referee, double r1, double r2, double tv) { rng().script({referee, r1, r2, tv}); }
};

TEST_F(SetupTest, WalkoversGiveOneNilWithoutMoneyOrGames) {
  MLSModule& g = mls();
  const double money = g.TeamMoney(kHome);
  match.minute = 97;  // left over from an overtime match before
  match.awayteam = 0;
  match.Playgame();
  EXPECT_EQ(match.homegoals, 1);
  EXPECT_EQ(match.awaygoals, 0);
  EXPECT_EQ(match.minute, 90);
  EXPECT_EQ(g.TeamMoney(kHome), money);
  EXPECT_EQ(g.TeamGamesPlayed(kHome), 0);
  // No closing sentence and no overtime mark come from an earlier match's minute.
  EXPECT_EQ(g.LastResultText, "Harbour 1  0\r");
  EXPECT_EQ(g.TeamLatestNews(kHome), "HARBOUR 1 v  0\r\r\r");
  EXPECT_EQ(rng().scriptedLeft(), 0u);

  g.LastResultText.clear();
  match.hometeam = 0;
  match.awayteam = kAway;
  match.Playgame();
  EXPECT_EQ(match.homegoals, 0);
  EXPECT_EQ(match.awaygoals, 1);
  EXPECT_EQ(g.LastResultText, " 0 Ridge 1\r");

  match.hometeam = 0;
  match.awayteam = 0;
  match.Playgame();
  EXPECT_EQ(match.homegoals, 1);
  EXPECT_EQ(match.awaygoals, 0);
}

TEST_F(SetupTest, MoraleIsClampedBeforeAnythingElse) {
  MLSModule& g = mls();
  match.awayteam = 0;  // a walkover changes morale by the clamp alone
  for (auto [before, after] : {std::pair{2.3, 1.8}, {0.1, 0.4}, {1.8, 1.8}, {0.4, 0.4}, {1.0, 1.0}}) {
    g.TeamMorale(kHome) = before;
    match.Playgame();
    EXPECT_DOUBLE_EQ(g.TeamMorale(kHome), after) << before;
  }
}

TEST_F(SetupTest, NamesRefereeCrowdAndGateMoney) {
  MLSModule& g = mls();
  scriptSetup(0.6, 0.5, 0.5, 0.6);
  ASSERT_TRUE(match.setupMatch());
  EXPECT_EQ(match.referee, 2);
  EXPECT_EQ(match.Referees.caption(), "Referee: Bert Flag");
  EXPECT_EQ(match.hometeamlabel.caption(), "Harbour");
  EXPECT_EQ(match.Command1.caption(), "Harbour");
  EXPECT_EQ(match.Command3.caption(), "Ridge");
  EXPECT_EQ(match.stadiumname.caption(), "at Harbour Ground:");
  EXPECT_EQ(match.Image1.picture(), "Harbour.gif");
  // 1650 from the visitors' fans, 7500 regulars, 1000 at this ticket price.
  EXPECT_EQ(match.attendance, 10150);
  EXPECT_EQ(match.attendancebar.caption(), "10150");
  EXPECT_EQ(match.gatemoney, 203000);
  // Roll 150 beats twice the home reputation plus the away one (120): paid by reputation.
  EXPECT_EQ(match.tvroll, 150);
  EXPECT_EQ(g.TeamMoney(kHome), 203000 + 40000);
  EXPECT_EQ(g.TeamMoney(kAway), 40000);
  EXPECT_EQ(g.TeamGamesPlayed(kHome), 1);
  EXPECT_EQ(g.TeamGamesPlayed(kAway), 1);
  EXPECT_EQ(g.MatchHomeTeam, kHome);
  EXPECT_EQ(g.MatchAwayTeam, kAway);
  EXPECT_EQ(match.homekeepername, "H1");
  EXPECT_EQ(match.onpitchname(0, 2), "R1");
  EXPECT_EQ(match.onpitchname(10, 1), "H11");
  EXPECT_EQ(match.awaymidskill(4), 10);
  EXPECT_EQ(match.homecondition(10), 1);
  EXPECT_EQ(g.MatchRating(11, 2), 5);
  EXPECT_EQ(g.MatchRating(12, 1), 0);
  EXPECT_EQ(match.ballzone, 13);
  EXPECT_EQ(match.possession, 1);
  EXPECT_EQ(match.totalminutes, 120);
  EXPECT_FALSE(match.Label14.visible());
}

TEST_F(SetupTest, CrowdIsCappedByTheGroundAndNeverNegative) {
  MLSModule& g = mls();
  g.StadiumCapacity(kHome) = 10000;
  g.StadiumCapacity(kAway) = 60000;
  g.TeamFanDemand(kAway) = 1;
  scriptSetup(0, 0.99, 0.99, 0.6);
  ASSERT_TRUE(match.setupMatch());
  EXPECT_EQ(match.attendance, 10000);

  // A price far past 100 would take more fans away than come.
  MatchEngine second;
  second.hometeam = kHome;
  second.awayteam = kAway;
  g.StadiumCapacity(kAway) = 0;
  g.TicketPrice(kHome) = 30000;
  const double money = g.TeamMoney(kHome);
  scriptSetup(0, 0, 0.99, 0.6);
  ASSERT_TRUE(second.setupMatch());
  EXPECT_EQ(second.attendance, 0);
  EXPECT_EQ(second.gatemoney, 0);
  EXPECT_EQ(g.TeamMoney(kHome), money + 40000);
}

TEST_F(SetupTest, BroadcastRollZeroPaysBothSums) {
  MLSModule& g = mls();
  g.MyTeam = kAway;
  g.StadiumCapacity(kHome) = 0;  // no gate money, so only the broadcast sums move
  g.TeamWages(kHome) = 1000;
  scriptSetup(0, 0, 0, 0);
  ASSERT_TRUE(match.setupMatch());
  EXPECT_EQ(match.tvroll, 0);
  EXPECT_EQ(g.TeamMoney(kHome), 25000 + 25000 - 1000);
  EXPECT_EQ(g.TeamMoney(kAway), 25000 + 10000);
  EXPECT_EQ(g.TvIncome, 10000);
  EXPECT_EQ(g.TicketIncome, 0);
}

TEST_F(SetupTest, UsersHomeMatchKeepsTicketAndTvIncomeAndIsWatched) {
  MLSModule& g = mls();
  match.Fastsim.setValue(1);
  scriptSetup(0, 0, 0, 0);
  ASSERT_TRUE(match.setupMatch());
  EXPECT_FALSE(match.userMatch());
  EXPECT_FALSE(match.watched());
  EXPECT_EQ(match.Fastsim.value(), 1);  // a computer match keeps quick simulation ticked

  MatchEngine own;
  own.hometeam = kHome;
  own.awayteam = kAway;
  own.Fastsim.setValue(1);
  g.MyTeam = kHome;
  scriptSetup(0, 0.5, 0.5, 0.2);
  ASSERT_TRUE(own.setupMatch());
  EXPECT_EQ(g.TicketIncome, 203000);
  EXPECT_EQ(g.TvIncome, 25000);
  EXPECT_TRUE(own.userMatch());
  EXPECT_EQ(own.Fastsim.value(), 0);
}

TEST_F(SetupTest, PitchPictureFollowsHomeReputation) {
  MLSModule& g = mls();
  for (auto [reputation, picture] : {std::pair{20.0, "pitch 8.jpg"},
                                     {21.0, "pitch 7.jpg"},
                                     {50.0, "pitch 5.jpg"},
                                     {55.5, "pitch 3.jpg"},
                                     {75.0, "pitch 2.jpg"},
                                     {76.0, "pitch 1.jpg"}}) {
    g.TeamReputation(kHome) = reputation;
    scriptSetup(0, 0, 0, 0.99);
    ASSERT_TRUE(match.setupMatch());
    EXPECT_EQ(match.Image4.picture(), picture) << reputation;
  }
}

}  // namespace
}  // namespace kervale::test
