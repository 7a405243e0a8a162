// The computer transfer market with scripted player draws on the small game.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "data/squad_floor.h"
#include "matchday/between_game.h"

namespace kervale::test {
namespace {

class TransferMarket : public BetweenTest {
 protected:
  // Puts p on the transfer list with these clubs in interest columns 1, 2, ...
  static void listWith(int p, std::initializer_list<int> bidders) {
    game().PlayerTransferListed(p) = 1;
    int k = 1;
    for (int club : bidders) game().PlayerInterest(p, k++) = static_cast<MLSModule::Int16>(club);
  }
  static void ratings(int p, double d, double m, double a, float keeping = 1) {
    game().PlayerDefense(p) = d;
    game().PlayerMidfield(p) = m;
    game().PlayerAttack(p) = a;
    game().PlayerGoalkeeping(p) = keeping;
  }
  static int squadsHolding(int p) {
    int count = 0;
    for (int c = 0; c <= kLastClub; ++c) {
      for (int s = 1; s <= 20; ++s) count += game().TeamSquad(s, c) == p ? 1 : 0;
    }
    return count;
  }
  void run(std::initializer_list<int> draws) {
    scriptMarket(draws);
    engine().transfermarket();
    EXPECT_EQ(rng().scriptedLeft(), 0u) << "one draw per round of the market";
  }
};

TEST_F(TransferMarket, EmptyRecordsAndContractedPlayersDrawNothing) {
  MLSModule& g = game();
  g.LastWeekTransfersText = "Someone from Alder to Birch\r";
  g.PlayerInterest(21, 1) = 3;  // wanted, but Birch has not listed him
  g.PlayerInterest(kEmptyPlayer, 1) = 3;
  run({21, kEmptyPlayer});
  EXPECT_EQ(g.LastWeekTransfersText, "");
  EXPECT_EQ(g.PlayerTeam(21), 2);
  EXPECT_TRUE(engine().transfermoves.empty());
  EXPECT_EQ(dialogs.count(), 0u);
}

TEST_F(TransferMarket, MoneyMustExceedTheValueAndAKeeperIsValuedByKeepingAlone) {
  MLSModule& g = game();
  // Outfield ratings of 29 would make him worth millions; his keeping of 30 beats them all: 30 * 30 * 10.
  ratings(21, 29, 29, 29, 30);
  listWith(21, {3, 4});
  g.TeamMoney(3) = 9000;
  g.TeamMoney(4) = 9001;
  run({21});
  EXPECT_EQ(g.PlayerTeam(21), 4);
  EXPECT_EQ(g.LastWeekTransfersText, "Birch 1 from Birch to Damson\r");
  EXPECT_EQ(g.TeamSquad(kPlayers + 1, 4), 21) << "the first free slot";
  EXPECT_EQ(g.TeamSquad(1, 2), 0) << "his old slot is cleared at the move";
  EXPECT_EQ(squadsHolding(21), 1);
  EXPECT_EQ(g.TeamMoney(4), 9001) << "no money changes hands";
  EXPECT_EQ(g.TeamMoney(2), 1000000);
  EXPECT_EQ(g.PlayerTransferListed(21), 1) << "flag and interest stay";
  EXPECT_EQ(g.PlayerInterest(21, 1), 3);
  ASSERT_EQ(engine().transfermoves.size(), 1u);
  EXPECT_EQ(engine().transfermoves[0].player, 21);
  EXPECT_EQ(engine().transfermoves[0].from, 2);
  EXPECT_EQ(engine().transfermoves[0].to, 4);
}

TEST_F(TransferMarket, NoMoveWithoutABidderWhoCanPayAndHasRoom) {
  const std::vector<std::pair<const char*, std::function<void(MLSModule&)>>> cases = {
      {"nobody can pay",
       [](MLSModule& g) {
         ratings(21, 1, 1, 1, 30);
         listWith(21, {3, 4});
         g.TeamMoney(3) = 9000;
         g.TeamMoney(4) = -5;
       }},
      {"a bid of nothing",
       [](MLSModule& g) {
         ratings(21, 0, 0, 0, 0);  // worth 0, and Elm's reputation is 0
         listWith(21, {20});
         g.TeamMoney(20) = 1;
       }},
      {"the best bidder has no room, and the draw ends there",
       [](MLSModule& g) {
         // Named: a slot whose record has no name counts as free.
         for (int s = kPlayers + 1; s <= 20; ++s) {
           g.TeamSquad(s, 4) = 60 + s;
           g.PlayerName(60 + s) = "Reserve";
         }
         listWith(21, {3, 4});
       }},
  };
  for (const auto& [name, setUp] : cases) {
    SCOPED_TRACE(name);
    replaceGame(betweenGame());
    MLSModule& g = game();
    setUp(g);
    run({21});
    EXPECT_EQ(g.PlayerTeam(21), 2);
    EXPECT_EQ(g.TeamSquad(1, 2), 21);
    EXPECT_EQ(g.TeamSquad(1, 0), 0);
    EXPECT_EQ(g.LastWeekTransfersText, "");
  }
}

TEST_F(TransferMarket, AComputerClubAtItsFloorKeepsItsPlayerWhileTheUserIsStillAsked) {
  MLSModule& g = game();
  keepStartingSquads(g);  // every club began with five, its floor
  const int extra = playerOf(3, kPlayers + 1);
  g.TeamSquad(kPlayers + 1, 3) = extra;  // Cedar is one above its floor
  g.PlayerTeam(extra) = 3;
  g.PlayerName(extra) = "Cedar 6";
  g.PlayerName(50) = "Nat Loose";
  g.PlayerInterest(50, 1) = 4;
  listWith(21, {3});
  listWith(11, {2});
  listWith(extra, {4});
  dialogs.answer(ui::MsgResult::Yes);
  run({21, 11, extra, 50});  // no draw more for the kept player
  EXPECT_EQ(g.PlayerTeam(21), 2) << "Birch is at its floor";
  EXPECT_EQ(g.TeamSquad(1, 2), 21);
  EXPECT_EQ(dialogs.last().title, "Transfer?") << "the user decides for his own club";
  EXPECT_EQ(g.PlayerTeam(11), 2);
  EXPECT_EQ(g.PlayerTeam(extra), 4) << "Cedar sells down to its floor";
  EXPECT_EQ(g.PlayerTeam(50), 4) << "a free agent leaves no club";
  EXPECT_EQ(engine().betweentally.transfers, 3);
  EXPECT_EQ(engine().betweentally.salesKept, 1);
}

TEST_F(TransferMarket, AFreeAgentComesFromClubZero) {
  MLSModule& g = game();
  g.PlayerName(50) = "Nat Loose";
  g.PlayerInterest(50, 2) = 3;
  run({50});
  EXPECT_EQ(g.PlayerTeam(50), 3);
  EXPECT_EQ(g.LastWeekTransfersText, "Nat Loose from  to Cedar\r");
  EXPECT_EQ(g.TeamSquad(6, 3), 50);
}

TEST_F(TransferMarket, AClubNeverBidsForItsOwnPlayerAndARedrawnPlayerMovesAgain) {
  MLSModule& g = game();
  // Birch lists him but is itself the richest bidder with a high reputation.
  g.TeamReputation(2) = 90;
  listWith(21, {2, 3, 4});
  run({21, 21});
  // First draw: Damson outbids Cedar. Second: Damson may not bid for its own
  // player, Birch beats Cedar and buys him back.
  EXPECT_EQ(g.PlayerTeam(21), 2);
  EXPECT_EQ(g.LastWeekTransfersText, "Birch 1 from Birch to Damson\rBirch 1 from Damson to Birch\r");
  EXPECT_EQ(squadsHolding(21), 1);
  EXPECT_EQ(g.TeamSquad(1, 2), 21) << "back in the slot the first move freed";
  EXPECT_EQ(g.TeamSquad(kPlayers + 1, 4), 0);
  EXPECT_EQ(engine().betweentally.transfers, 2);
}

TEST_F(TransferMarket, TheUserIsAskedAndOnlyYesSellsHim) {
  for (bool sell : {true, false}) {
    SCOPED_TRACE(sell);
    replaceGame(betweenGame());
    MLSModule& g = game();
    listWith(11, {2});
    dialogs.answer(sell ? ui::MsgResult::Yes : ui::MsgResult::No);
    run({11});
    EXPECT_EQ(dialogs.last().title, "Transfer?");
    EXPECT_EQ(dialogs.last().buttons, ui::MsgButtons::YesNo);
    // 5, 5, 5: 225 * (1 + 0.625 + 0.5) = 478.125, plus Birch's reputation 20.
    EXPECT_EQ(dialogs.last().text, "Birch have won the bidding war with a bid of  498k forAlder 1\r\r. Sell him?");
    EXPECT_EQ(g.PlayerTeam(11), sell ? 2 : 1);
    EXPECT_EQ(g.TeamSquad(1, 1), sell ? 0 : 11) << "the user's squad is not rebuilt, so the move clears it";
    EXPECT_EQ(squadsHolding(11), 1);
    EXPECT_EQ(g.LastWeekTransfersText, sell ? "Alder 1 from Alder to Birch\r" : "");
    EXPECT_EQ(engine().transfermoves.size(), sell ? 1u : 0u);
  }
  EXPECT_EQ(dialogs.count(), 2u);
}

TEST_F(TransferMarket, TheUsersClubBuysWithoutBeingAsked) {
  MLSModule& g = game();
  listWith(21, {1});
  run({21});
  EXPECT_EQ(dialogs.count(), 0u);
  EXPECT_EQ(g.PlayerTeam(21), 1);
  EXPECT_EQ(g.TeamSquad(kPlayers + 1, 1), 21);
}

TEST_F(TransferMarket, WithoutAClubNoBoxAppearsForAFreeAgent) {
  MLSModule& g = game();
  g.MyTeam = 0;
  g.PlayerName(50) = "Nat Loose";
  g.PlayerInterest(50, 1) = 3;
  run({50});  // strict dialogs: a box would fail the test
  EXPECT_EQ(g.PlayerTeam(50), 3);
}

TEST_F(TransferMarket, BidsOfStrongPlayersDoNotOverflow) {
  ratings(11, 1, 1, 1, 100);  // worth 100000
  listWith(11, {2});
  dialogs.answer(ui::MsgResult::No);
  run({11});
  EXPECT_EQ(dialogs.last().text, "Birch have won the bidding war with a bid of  100020k forAlder 1\r\r. Sell him?");
}

TEST_F(TransferMarket, TheValueFollowsThePlayersStrongestLine) {
  MLSModule& g = game();
  g.TeamMoney(20) = 1e9;  // Elm's reputation is 0, so its bid is the value, rounded half to even
  struct Case {
    double d, m, a;
    const char* bid;
  };
  const std::vector<Case> cases = {
      {5, 5, 5, " 478"},  // defender on a tie: 225 * (1 + 0.625 + 0.5)
      {4, 8, 2, " 482"},  // midfielder: 196 * (4/7 + 8/5 + 2/7) = 481.6
      {3, 6, 6, " 559"},  // midfield wins a tie with attack: 225 * (3/7 + 6/5 + 6/7)
      {2, 4, 9, " 562"},  // attacker: 225 * 2.5 = 562.5, to the even 562
      {8, 4, 2, " 451"},  // defender: 196 * 2.3 = 450.8
  };
  for (int s = 1; s <= static_cast<int>(cases.size()); ++s) {
    const Case& c = cases[s - 1];
    ratings(playerOf(1, s), c.d, c.m, c.a);
    listWith(playerOf(1, s), {20});
    dialogs.answer(ui::MsgResult::No);
  }
  run({11, 12, 13, 14, 15});
  ASSERT_EQ(dialogs.count(), cases.size());
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(dialogs.log()[i].text, std::string("Elm have won the bidding war with a bid of ") + cases[i].bid +
                                         "k forAlder " + std::to_string(i + 1) + "\r\r. Sell him?");
  }
}

}  // namespace
}  // namespace kervale::test
