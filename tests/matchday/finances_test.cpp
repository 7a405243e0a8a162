// Wages, scouting, the chairman's stadium answers, sponsors and their money for one matchday.
#include <gtest/gtest.h>

#include <string>

#include "matchday/between_game.h"

namespace kervale::test {
namespace {

constexpr int kElm = 20;  // an A-League club: pays wages and gets sponsor money
constexpr int kFir = 200;

class Finances : public BetweenTest {
 protected:
  void SetUp() override {
    BetweenTest::SetUp();
    MLSModule& g = game();
    // Elm is the user's club here, with three players and an empty slot between them.
    g.MyTeam = kElm;
    g.TeamMoney(kElm) = 500000;
    const int players[] = {41, 42, 0, 43};
    for (int s = 1; s <= 4; ++s) {
      g.TeamSquad(s, kElm) = players[s - 1];
      if (players[s - 1] == 0) continue;
      g.PlayerName(players[s - 1]) = "Elm " + std::to_string(s);
      g.PlayerTeam(players[s - 1]) = kElm;
      g.PlayerWage(players[s - 1]) = 10 * s;  // 10, 20, 40 k
    }
    g.PlayerWage(0) = 0;
    g.ScoutingFunding(kElm) = 40;
    for (int c = 1; c <= kLastClub; ++c) g.ManagerApproval(c) = 0;  // no new sponsors unless a test wants one
    g.NumSponsors = 3;
    g.SponsorName(1) = "Acme Pumps";
    g.SponsorName(2) = "Brightway";
    g.SponsorName(3) = "Corvid Air";
  }
};

TEST_F(Finances, WagesAndScoutingArePaidUpToRound26) {
  MLSModule& g = game();
  g.CurrentWeek = 26;
  g.PlayerWage(21) = 7;  // club 2 is an MLS club: no wages
  g.TeamSquad(1, kFir) = 21;
  engine().teamfinance();
  EXPECT_EQ(g.TeamMoney(kElm), 500000 - 70000 - 40) << "wages in thousands, the scouting funding as it stands";
  EXPECT_EQ(g.TeamMoney(2), 1000000);
  EXPECT_EQ(g.TeamMoney(kFir), -7000);
  EXPECT_EQ(g.WageBill, 0) << "the last club charged, 237, has nobody";
}

TEST_F(Finances, NothingIsChargedFromRound27NorToAClubOutsideTheTables) {
  MLSModule& g = game();
  for (int club : {kElm, 240}) {
    SCOPED_TRACE(club);
    g.MyTeam = club;
    g.CurrentWeek = club == kElm ? 27 : 10;
    g.TeamMoney(club) = 100;
    g.StadiumExpansionPlan(club) = 2;
    engine().teamfinance();
    EXPECT_EQ(g.TeamMoney(club), 100);
    EXPECT_EQ(g.ClubNewsCount, 0);
    EXPECT_EQ(rng().scriptedLeft(), 0u);
  }
}

TEST_F(Finances, TheUsersOwnSquadSlotOfAnEmptyRecordAddsItsWage) {
  MLSModule& g = game();
  g.PlayerWage(0) = 3;  // an empty slot holds player 0, whose wage counts as it stands
  engine().teamfinance();
  EXPECT_EQ(g.TeamMoney(kElm), 500000 - 70000 - 17 * 3000 - 40);
}

TEST_F(Finances, TheChairmanAddsSeatsWhenTheFansWouldFillThem) {
  MLSModule& g = game();
  g.StadiumExpansionPlan(kElm) = 2;
  g.TeamFanDemand(kElm) = 0.96;
  g.TicketPrice(kElm) = 20;        // 0.96 * (0.75 + 0.125 * 0.8) = 0.816 home fans per seat
  rng().script({(1 - 0.5) / 12});  // the lowest term, -0.05
  engine().teamfinance();
  ASSERT_EQ(g.ClubNewsCount, 2);
  EXPECT_EQ(g.ClubNewsLine(0),
            "A message from the chairman: I've looked into the matter, and we SHOULD increase our capacity.");
  EXPECT_EQ(g.ClubNewsLine(1), "We will add 8000 seats during the offseason.");
  EXPECT_EQ(g.StadiumExpansionPlan(kElm), 8000);
  // The answer is kept: the next line goes after it.
  engine().insolvencywarnings();
  g.TeamMoney(kElm) = -10;
  engine().insolvencywarnings();
  EXPECT_EQ(g.ClubNewsLine(1), "We will add 8000 seats during the offseason.");
  EXPECT_EQ(g.ClubNewsCount, 3);
}

TEST_F(Finances, TheChairmanSaysNoAndIsAskedAgainNextTime) {
  MLSModule& g = game();
  g.StadiumExpansionPlan(kElm) = 2;
  g.TeamFanDemand(kElm) = 0.6;  // 0.6 * 0.85 = 0.51, too few even with the highest term
  g.TicketPrice(kElm) = 20;
  rng().script({(12 - 0.5) / 12, (12 - 0.5) / 12});
  engine().teamfinance();
  engine().teamfinance();
  ASSERT_EQ(g.ClubNewsCount, 2);
  EXPECT_EQ(g.ClubNewsLine(0),
            "A message from the chairman: We do not need to increase our stadium capacity at this time.");
  EXPECT_EQ(g.ClubNewsLine(1), g.ClubNewsLine(0));
  EXPECT_EQ(g.StadiumExpansionPlan(kElm), 2);
}

TEST_F(Finances, TheRandomTermDecidesACloseCaseAndThePlanCapsTheSeats) {
  MLSModule& g = game();
  struct Case {
    double price, demand;
    int term;  // 1..12
    double plan;
  };
  const Case cases[] = {
      {100, 0.9, 8, 2},     // no price term: 0.75 * 0.9 = 0.675, +0.02 is not enough
      {100, 0.9, 9, 6000},  // +0.03 is
      {0, 9, 7, 30000},     // a huge demand is cut to what the plan holds
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.term);
    g.TicketPrice(kElm) = c.price;
    g.TeamFanDemand(kElm) = c.demand;
    g.StadiumExpansionPlan(kElm) = 2;
    rng().script({(c.term - 0.5) / 12});
    engine().teamfinance();
    EXPECT_EQ(g.StadiumExpansionPlan(kElm), c.plan);
  }
}

TEST_F(Finances, ASponsorSignsBelowTheApprovalAndPaysTheSameDay) {
  MLSModule& g = game();
  g.ManagerApproval(kElm) = 0.5;
  g.TeamReputation(kElm) = 81;
  g.ManagerApproval(30) = 0.5;
  g.ManagerApproval(2) = 1;  // MLS clubs are never offered one
  // Clubs 17 to 285 draw in order. Elm: r = 49 signs, sponsor 2, 16 more on
  // the fee. Club 30: r = 50 does not.
  scriptRepeated(0.5, 3);
  rng().script({(49 - 0.5) / 100, (2 - 0.5) / 3, 16.5 / 50});
  scriptRepeated(0.5, 9);
  rng().script({(50 - 0.5) / 100});
  scriptRepeated(0.5, kLastClub - 30);
  engine().sponsorships();
  EXPECT_EQ(rng().scriptedLeft(), 0u);
  EXPECT_EQ(g.TeamSponsor(kElm), "Brightway");
  // Int(300 + Int(81 / 2) / 2) = Int(300 + 20) = 320, plus 16 drawn, in hundreds.
  EXPECT_EQ(g.SponsorFee(kElm), 33600);
  EXPECT_EQ(g.TeamMoney(kElm), 500000 + 33600);
  EXPECT_EQ(g.SponsorIncome, 33);
  EXPECT_EQ(g.SponsorFee(30), 0);
  EXPECT_EQ(g.SponsorFee(2), 0);
  ASSERT_GE(g.ClubNewsCount, 1);
  EXPECT_EQ(g.ClubNewsLine(0), "A message from your chairman: Robin Hale, we are now being sponsored by Brightway");
}

TEST_F(Finances, ApprovalZeroNeverSignsAndAFarClubSignsButIsNotPaid) {
  MLSModule& g = game();
  g.ManagerApproval(kFir) = 0.9;
  g.TeamMoney(kFir) = 0;
  scriptRepeated(0, kLastClub - 16 + 2);  // r = 1 for every club: only Fir's approval is above it
  engine().sponsorships();
  EXPECT_EQ(rng().scriptedLeft(), 0u);
  EXPECT_EQ(g.SponsorFee(kElm), 0);
  EXPECT_EQ(g.TeamSponsor(kFir), "Acme Pumps");
  EXPECT_EQ(g.SponsorFee(kFir), 30000);
  EXPECT_EQ(g.TeamMoney(kFir), 0);
}

TEST_F(Finances, FromRound27NoNewDealsButTheMoneyStillComes) {
  MLSModule& g = game();
  g.CurrentWeek = 27;
  g.ManagerApproval(kElm) = 1;
  g.SponsorFee(50) = 12000;
  g.TeamMoney(50) = 0;
  engine().sponsorships();
  EXPECT_EQ(g.SponsorFee(kElm), 0);
  EXPECT_EQ(g.TeamMoney(50), 12000);
  EXPECT_EQ(rng().scriptedLeft(), 0u);
}

TEST_F(Finances, TheChairmanWarnsWhenTheMatchdaysIncomeDoesNotCoverTheWages) {
  MLSModule& g = game();
  g.SponsorFee(kElm) = 20000;
  g.TicketIncome = 30000;
  g.TvIncome = 19999;  // 69999 in all against a wage bill of 70000
  engine().sponsorships();
  ASSERT_EQ(g.ClubNewsCount, 2);
  EXPECT_EQ(g.ClubNewsLine(0), "A message from the chairman: Reduce wage costs in any way possible!");
  EXPECT_EQ(g.ClubNewsLine(1), "Otherwise I will be forced to sell our best player!");

  g.TvIncome = 20000;
  engine().sponsorships();
  EXPECT_EQ(g.ClubNewsCount, 2) << "an income that covers the bill brings no warning";

  g.TvIncome = 0;
  g.CurrentWeek = 27;
  engine().sponsorships();
  EXPECT_EQ(g.ClubNewsCount, 2) << "no warning while no wages are paid";
}

}  // namespace
}  // namespace kervale::test
