// The manager market with the user's application, the insolvency warnings,
// and the whole between-matchday pass in its order on the small game.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "matchday/between_game.h"
#include "support/case_names.h"

namespace kervale::test {
namespace {

class ManagerMarket : public BetweenTest {
 protected:
  void SetUp() override {
    BetweenTest::SetUp();
    MLSModule& g = game();
    g.TeamWins(3) = 3;
    g.TeamDraws(3) = 2;
    g.TeamLosses(3) = 1;
    g.TeamTactic(3) = 2;
    g.TeamFlow(3) = 2;
  }
};

TEST_F(ManagerMarket, ApprovalBelowFifteenPercentBringsANewManager) {
  MLSModule& g = game();
  g.ManagerApproval(2) = 0.15;
  g.ManagerApproval(3) = 0.149;
  rng().script({0.99, 0.0});  // tactic 6 of NumTactics, flow 1 of NumFlows
  engine().managermarket();
  EXPECT_EQ(rng().scriptedLeft(), 0u);
  EXPECT_EQ(g.ManagerApproval(2), 0.15);
  EXPECT_EQ(g.ManagerApproval(3), 0.4);
  EXPECT_EQ(g.TeamTactic(3), 6);
  EXPECT_EQ(g.TeamFlow(3), 1);
  ASSERT_EQ(g.HeadlineCount, 1);
  EXPECT_EQ(g.Headlines(0), "Cedar have hired a new manager.");
  EXPECT_EQ(g.ClubNewsCount, 0);
  EXPECT_EQ(engine().betweentally.sackings, 1);

  // The tactic and flow come from the loaded counts.
  g.NumTactics = 3;
  g.NumFlows = 2;
  g.ManagerApproval(4) = 0;
  rng().script({0.999, 0.999});
  engine().managermarket();
  EXPECT_EQ(g.TeamTactic(4), 3);
  EXPECT_EQ(g.TeamFlow(4), 2);
}

TEST_F(ManagerMarket, TheUserIsFiredButKeepsTheClub) {
  MLSModule& g = game();
  g.ManagerApproval(1) = 0.1;
  rng().script({0.5, 0.5});
  engine().managermarket();
  EXPECT_EQ(g.MyTeam, 1);
  EXPECT_EQ(g.ManagerApproval(1), 0.4);
  ASSERT_EQ(g.ClubNewsCount, 1);
  EXPECT_EQ(g.ClubNewsLine(0), "You have been fired!");
  EXPECT_EQ(g.Headlines(0), "Alder have hired a new manager.");
}

struct OfferCase {
  double approval;
  int draw;
  bool offered;
  friend void PrintTo(const OfferCase& c, std::ostream* os) { *os << c.approval << " drawing " << c.draw; }
};

class Applications : public ManagerMarket, public ::testing::WithParamInterface<OfferCase> {};

TEST_P(Applications, AreAcceptedOnlyAboveTheUsersStandingAtHome) {
  const OfferCase c = GetParam();
  MLSModule& g = game();
  g.ManagerApproval(1) = c.approval;
  g.AppliedTeam = 3;
  rng().script({(c.draw + 0.5) / 100});
  if (c.offered) dialogs.answer(ui::MsgResult::Yes);
  engine().managermarket();
  EXPECT_EQ(dialogs.count(), c.offered ? 1u : 0u);
  EXPECT_EQ(g.MyTeam, c.offered ? 3 : 1);
  EXPECT_EQ(g.AppliedTeam, 0) << "answered or lost at the first pass";
}

INSTANTIATE_TEST_SUITE_P(Standing, Applications,
                         ::testing::Values(OfferCase{0.9, 90, false}, OfferCase{0.9, 91, true},
                                           OfferCase{0.9, 99, true}, OfferCase{0.2, 20, false},
                                           OfferCase{0.2, 21, true}, OfferCase{0.2, 0, false}),
                         test::PrintedCaseName());

TEST_F(ManagerMarket, YesMakesTheUserTheNewManager) {
  MLSModule& g = game();
  g.ManagerApproval(1) = 0.2;
  g.AppliedTeam = 3;
  rng().script({0.5});
  dialogs.answer(ui::MsgResult::Yes);
  engine().managermarket();
  EXPECT_EQ(dialogs.last().title, "Interested Team");
  EXPECT_EQ(dialogs.last().buttons, ui::MsgButtons::YesNo);
  EXPECT_EQ(dialogs.last().text,
            "Cedar have accepted you as the new manager of their team.\rManage Cedar?\r\rRecord: 3- 2- 1");
  EXPECT_EQ(g.MyTeam, 3);
  EXPECT_EQ(g.ManagerApproval(3), 0.5);
  EXPECT_EQ(g.ManagerApproval(1), 0.2) << "the club left behind keeps its approval";
  ASSERT_EQ(g.ClubNewsCount, 2);
  EXPECT_EQ(g.ClubNewsLine(0), "Welcome to Cedar! I'm your chairman.");
  EXPECT_EQ(g.ClubNewsLine(1), "I hope that you will be a good manager for our football club.");
  ASSERT_EQ(g.HeadlineCount, 1);
  EXPECT_EQ(g.Headlines(0), "Cedar have hired a new manager.");
  EXPECT_EQ(g.TeamTactic(3), 2) << "the user brings no new tactic";
}

TEST_F(ManagerMarket, NoCostsApprovalAndTheClubHiresSomeoneElse) {
  MLSModule& g = game();
  g.ManagerApproval(1) = 0.2;
  g.AppliedTeam = 3;
  rng().script({0.5, 0.0, 0.99});
  dialogs.answer(ui::MsgResult::No);
  engine().managermarket();
  EXPECT_EQ(rng().scriptedLeft(), 0u);
  EXPECT_EQ(g.MyTeam, 1);
  EXPECT_DOUBLE_EQ(g.ManagerApproval(1), 0.15);
  ASSERT_EQ(g.ClubNewsCount, 1);
  EXPECT_EQ(g.ClubNewsLine(0),
            "The chairman says: 'Looking for other jobs? Not very loyal, eh? The board won't like this...");
  EXPECT_EQ(g.ManagerApproval(3), 0.4);
  EXPECT_EQ(g.TeamTactic(3), 1);
  EXPECT_EQ(g.TeamFlow(3), 4);
  EXPECT_EQ(g.Headlines(0), "Cedar have hired a new manager.");
}

TEST_F(ManagerMarket, WithoutAClubARefusalCostsNothing) {
  MLSModule& g = game();
  g.MyTeam = 0;
  g.ManagerApproval(0) = 0;
  g.AppliedTeam = 3;
  rng().script({0.5, 0.5, 0.5});
  dialogs.answer(ui::MsgResult::No);
  engine().managermarket();
  EXPECT_EQ(g.ClubNewsCount, 0);
  EXPECT_EQ(g.ManagerApproval(0), 0);
  EXPECT_EQ(g.ManagerApproval(3), 0.4);
}

TEST_F(ManagerMarket, AnApplicationToNoRealClubIsDropped) {
  MLSModule& g = game();
  g.AppliedTeam = 300;
  engine().managermarket();
  EXPECT_EQ(g.AppliedTeam, 0);
  EXPECT_EQ(dialogs.count(), 0u);
}

class Insolvency : public BetweenTest {};

TEST_F(Insolvency, WarningsFollowTheUsersBalance) {
  MLSModule& g = game();
  struct Case {
    double money;
    const char* line;
  };
  const Case cases[] = {
      {0, nullptr},
      {-1, "Keep an eye on the finances. If they get below 500k then we will have to file for administration!"},
      {-499999, "Keep an eye on the finances. If they get below 500k then we will have to file for administration!"},
      {-500000, nullptr},
      {-500001, "Robin Hale, get into my office. We need to file for administration."},
  };
  for (const Case& c : cases) {
    g.ClubNewsCount = 0;
    g.ClubNewsLine(0) = "";
    g.TeamMoney(1) = c.money;
    engine().insolvencywarnings();
    EXPECT_EQ(g.ClubNewsCount, c.line ? 1 : 0) << c.money;
    EXPECT_EQ(g.ClubNewsLine(0), c.line ? c.line : "") << c.money;
  }
}

TEST_F(Insolvency, AFullNewsListTakesNoMore) {
  MLSModule& g = game();
  g.TeamMoney(1) = -1;
  for (int i = 0; i < 60; ++i) engine().insolvencywarnings();
  EXPECT_EQ(g.ClubNewsCount, 50);
  EXPECT_NE(g.ClubNewsLine(50), "");
}

class BetweenPass : public BetweenTest {};

TEST_F(BetweenPass, DoesNothingButClearTheMinuteUntilTheRoundIsDone) {
  MLSModule& g = game();
  g.LastWeekTransfersText = "kept";
  g.ManagerApproval(3) = 0;
  engine().minutedone = true;
  engine().Minbox_Click();
  EXPECT_FALSE(engine().minutedone);
  EXPECT_EQ(g.LastWeekTransfersText, "kept");
  EXPECT_EQ(g.ManagerApproval(3), 0);
  EXPECT_EQ(engine().betweentally.passes, 0);
}

TEST_F(BetweenPass, RunsEveryStepInItsOrder) {
  MLSModule& g = game();
  for (int c = 17; c <= kLastClub; ++c) g.SponsorFee(c) = 1;  // every club has its sponsor: no draws
  // The market: Elm (an A-League club, so it pays wages) buys Birch 1.
  g.PlayerTransferListed(21) = 1;
  g.PlayerInterest(21, 1) = 20;
  g.TeamMoney(20) = 1000;
  g.PlayerWage(21) = 5;
  scriptMarket({21});
  // The manager market: Cedar's manager goes.
  g.ManagerApproval(3) = 0.1;
  rng().script({0.99, 0.99});
  // The injuries: the user's first player, the first slot visited.
  rng().script({0.0005, 0.99});
  scriptRepeated(0.5, kLastClub * 20 - 1);
  g.PlayerForm(12) = 30;
  g.TeamMoney(1) = -100;

  engine().matchdaydone = true;
  engine().minutedone = true;
  engine().Minbox_Click();

  EXPECT_EQ(rng().scriptedLeft(), 0u) << "the steps drew in their order";
  EXPECT_FALSE(engine().minutedone);
  EXPECT_EQ(g.PlayerTeam(21), 20);
  EXPECT_EQ(g.TeamMoney(20), 1000 - 5000 + 1) << "the new club pays his wage the same night";
  EXPECT_EQ(g.TeamTactic(3), 6);
  EXPECT_EQ(g.TeamFlow(3), 4);
  EXPECT_EQ(g.PlayerInjuryText(11), "Family Problems");
  ASSERT_EQ(g.ClubNewsCount, 3);
  EXPECT_EQ(g.ClubNewsLine(0), "Alder 1 is now available to play.");
  EXPECT_EQ(g.ClubNewsLine(1), "Alder 2 says he is unhappy at the club and is making himself available for transfer.");
  EXPECT_EQ(g.ClubNewsLine(2),
            "Keep an eye on the finances. If they get below 500k then we will have to file for administration!");
  EXPECT_EQ(g.Headlines(0), "Cedar have hired a new manager.");
  EXPECT_EQ(engine().betweentally.passes, 1);
  EXPECT_EQ(engine().betweentally.transfers, 1);
  EXPECT_EQ(engine().betweentally.sackings, 1);
  EXPECT_EQ(engine().betweentally.injuries, 1);
}

TEST_F(BetweenPass, AClickOnTheMinuteButtonAfterTheRoundChangesNothing) {
  MLSModule& g = game();
  g.SponsorFee(20) = 5000;
  engine().matchdaydone = true;
  engine().Minbox_Click();  // the driver's call at the end of the round
  const double money = g.TeamMoney(20);
  const double injured = g.PlayerInjury(11);
  engine().Minbox_Click();  // a click: the screen is still up after Play Next Match
  EXPECT_EQ(g.TeamMoney(20), money) << "the sponsor pays once per matchday";
  EXPECT_EQ(g.PlayerInjury(11), injured);
  EXPECT_EQ(engine().betweentally.passes, 1);
}

}  // namespace
}  // namespace kervale::test
