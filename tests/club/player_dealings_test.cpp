// The player card's dealings on a small game: wage demands, contracts,
// release, the auction and a card left open while the game moves on.
#include "club/player_dealings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "club/player_directory.h"
#include "club/player_price.h"
#include "data/mls_module.h"
#include "data/squad_moves.h"
#include "support/scripted_dialogs.h"
#include "ui/screen.h"

namespace kervale {
namespace {

constexpr int kUser = 1, kSeller = 2, kRival = 3;
constexpr int kMine = 1;     // slot 1 of the user's club
constexpr int kTarget = 21;  // slot 1 of the seller
constexpr int kFree = 61;

class Dealings : public ::testing::Test {
 protected:
  Dealings() { newGame(); }
  // Three clubs of ten named players each and two players of rating total 10.
  static void newGame() {
    replaceGame(makeEmptyGame());
    MLSModule& g = mls();
    g.MyTeam = kUser;
    g.NumPlayers = 61;
    for (int c = 1; c <= 3; ++c) {
      g.TeamName(c) = "Club " + std::to_string(c);
      g.TeamMoney(c) = 10'000'000;
      g.TeamReputation(c) = 50;
      for (int s = 1; s <= 10; ++s) squadPlayer(c, s, (c - 1) * 20 + s);
    }
    g.PlayerName(kFree) = "Free Man";
    for (int p : {kTarget, kFree}) {
      g.PlayerDefense(p) = 4;  // rating total 10: asking price 148k, MLS demand 10k
      g.PlayerMidfield(p) = 3;
      g.PlayerAttack(p) = 3;
      g.PlayerForm(p) = 50;
    }
  }
  ~Dealings() override {
    if (card().loaded()) card().Unload();
    replaceGame(nullptr);
  }
  static void squadPlayer(int club, int slot, int p) {
    mls().PlayerName(p) = "P" + std::to_string(p);
    movePlayer(mls(), p, club, slot);
  }
  static PlayerDirectory& card() { return ui::screen<PlayerDirectory>(); }
  static PlayerDirectory& open(int p) {
    showPlayerCard(p);
    return card();
  }
  static int slotOf(int club, int p) {
    for (int s = 1; s <= 20; ++s) {
      if (mls().TeamSquad(s, club) == p) return s;
    }
    return 0;
  }

  test::ScriptedDialogs dialogs;
};

TEST_F(Dealings, WageDemandFollowsTheUsersLeagueWithinTheScale) {
  MLSModule& g = mls();
  for (int i = 5; i <= 54; ++i) g.SkillValueTable(i) = 100 + i;
  g.EnglishDivision(8) = 2;
  struct Case {
    int club;
    double total, demand;
  };
  const Case cases[] = {{1, 44.6, 44.6}, {16, 45, 45},  {60, 40, 30}, {20, 30.7, 130},
                        {20, 3, 105},    {20, 60, 154}, {0, 30, 0}};
  for (const Case& c : cases) {
    g.PlayerDefense(kFree) = c.total;
    g.PlayerMidfield(kFree) = g.PlayerAttack(kFree) = 0;
    EXPECT_DOUBLE_EQ(PlayerWageDemand(g, kFree, c.club), c.demand) << "club " << c.club << " total " << c.total;
  }
}

TEST_F(Dealings, AFreeAgentSignsOnlyAboveHisDemand) {
  PlayerDirectory& d = open(kFree);
  d.HScroll1.userSetValue(4);
  d.HScroll2.userSetValue(10);  // equal to the demand: silently refused
  d.Command6.userClick();
  EXPECT_EQ(mls().PlayerTeam(kFree), 0);
  d.HScroll2.userSetValue(11);
  d.Command6.userClick();
  EXPECT_EQ(mls().PlayerTeam(kFree), kUser);
  EXPECT_EQ(slotOf(kUser, kFree), 11);
  EXPECT_EQ(mls().TeamSquadCount(kUser), 11);
  EXPECT_EQ(mls().PlayerWage(kFree), 11);
  EXPECT_EQ(mls().PlayerContractYears(kFree), 4);
  EXPECT_EQ(mls().TeamMoney(kUser), 10'000'000);
  EXPECT_TRUE(d.Command2.visible()) << "the card now shows him as the user's own";
}

TEST_F(Dealings, RenewalAnswersByYearsLeft) {
  struct Case {
    double left;
    int years;
    std::size_t boxes;
    double leftAfter;
  };
  const Case cases[] = {{5, 5, 2, 5}, {3, 2, 1, 3}, {3, 4, 1, 4}};
  for (const Case& c : cases) {
    mls().PlayerContractYears(kMine) = c.left;
    dialogs.backend().clearLog();
    for (std::size_t i = 0; i < c.boxes; ++i) dialogs.answer(ui::MsgResult::OK);
    PlayerDirectory& d = open(kMine);
    d.HScroll1.userSetValue(c.years);
    d.HScroll2.userSetValue(50);
    d.Command6.userClick();
    EXPECT_EQ(dialogs.count(), c.boxes) << c.left;
    EXPECT_EQ(mls().PlayerContractYears(kMine), c.leftAfter) << c.left;
  }
  EXPECT_EQ(dialogs.last().text, "Contract accepted!");
  EXPECT_EQ(mls().PlayerWage(kMine), 50);
}

TEST_F(Dealings, ReleaseEmptiesTheSlotAndListingFlagsHim) {
  PlayerDirectory& d = open(kMine);
  dialogs.answer(ui::MsgResult::OK);
  d.Command2.userClick();
  EXPECT_EQ(mls().PlayerTransferListed(kMine), 1);
  dialogs.answer(ui::MsgResult::No);
  d.Command3.userClick();
  EXPECT_EQ(mls().PlayerTeam(kMine), kUser);
  dialogs.answer(ui::MsgResult::Yes);
  d.Command3.userClick();
  EXPECT_EQ(dialogs.last().text, "Free transfer P1?");
  EXPECT_EQ(mls().PlayerTeam(kMine), 0);
  EXPECT_EQ(slotOf(kUser, kMine), 0);
  EXPECT_EQ(mls().TeamSquadCount(kUser), 9);
  EXPECT_FALSE(d.Command3.visible());
}

// One auction on the seller's player: the bids made, then what became of him.
struct Auction {
  const char* what;
  int rivalColumn1, rivalColumn2;  // interest columns 1 and 2
  double rivalMoney;
  int firstBid, secondBid;  // 0: no second bid
  bool rivalSquadFull;
  const char* lastBox;
  int ownerAfter;
  double rivalMoneyAfter, sellerMoneyAfter;
};

TEST_F(Dealings, AuctionsEndAsTheBidsSay) {
  const double m = 10'000'000;
  const Auction cases[] = {
      {"no rival, asking price", 0, 0, m, 148, 0, false, " does not want to sell ", kSeller, m, m},
      {"own club is no rival", kSeller, 0, m, 149, 0, false, "has agreed to talk", kSeller, m, m},
      {"rival outbids", kRival, 0, m, 150, 150, false, "P21 has signed with Club 3.", kRival, m - 148000, m + 148000},
      {"an equal bid loses", kRival, 0, m, 208, 208, false, "P21 has signed with Club 3.", kRival, m - 148000,
       m + 148000},
      {"rival has no slot", kRival, 0, m, 150, 150, true, " does not want to sell ", kSeller, m, m},
      {"rival cannot pay", kRival, kUser, 148000, 149, 149, false, "has agreed to talk", kSeller, 148000, m},
  };
  for (const Auction& a : cases) {
    newGame();
    MLSModule& g = mls();
    g.PlayerInterest(kTarget, 1) = static_cast<std::int16_t>(a.rivalColumn1);
    g.PlayerInterest(kTarget, 2) = static_cast<std::int16_t>(a.rivalColumn2);
    g.TeamMoney(kRival) = a.rivalMoney;
    g.TeamReputation(kRival) = 60;
    if (a.rivalSquadFull) {
      for (int s = 11; s <= 20; ++s) squadPlayer(kRival, s, 100 + s);
    }
    PlayerDirectory& d = open(kTarget);
    ASSERT_EQ(d.AskingPrice, 148) << a.what;
    dialogs.answer(ui::MsgResult::OK);
    d.HScroll3.userSetValue(a.firstBid);
    d.Command7.userClick();
    if (a.secondBid != 0) d.Command4.userClick();
    EXPECT_NE(dialogs.last().text.find(a.lastBox), std::string::npos) << a.what << ": " << dialogs.last().text;
    EXPECT_EQ(g.PlayerTeam(kTarget), a.ownerAfter) << a.what;
    EXPECT_EQ(slotOf(a.ownerAfter, kTarget) != 0, true) << a.what;
    EXPECT_EQ(slotOf(a.ownerAfter == kSeller ? kRival : kSeller, kTarget), 0) << a.what;
    EXPECT_EQ(g.TeamMoney(kRival), a.rivalMoneyAfter) << a.what;
    EXPECT_EQ(g.TeamMoney(kSeller), a.sellerMoneyAfter) << a.what;
    card().Unload();
  }
}

TEST_F(Dealings, AnAgreedSigningPaysTheBidOrNothingHappens) {
  MLSModule& g = mls();
  PlayerDirectory& d = open(kTarget);
  dialogs.answer(ui::MsgResult::OK);
  d.HScroll3.userSetValue(200);
  d.Command7.userClick();
  ASSERT_TRUE(d.Frame1.visible());
  d.HScroll2.userSetValue(11);
  d.HScroll1.userSetValue(2);
  g.TeamMoney(kUser) = 199'999;
  dialogs.answer(ui::MsgResult::OK);
  d.Command6.userClick();
  EXPECT_EQ(dialogs.last().text, "You don't have enough cash to buy this player!");
  EXPECT_EQ(g.PlayerTeam(kTarget), kSeller);

  g.TeamMoney(kUser) = 200'000;
  g.PlayerInterest(kTarget, 3) = kRival;
  d.Command6.userClick();
  EXPECT_EQ(g.PlayerTeam(kTarget), kUser);
  EXPECT_EQ(slotOf(kSeller, kTarget), 0);
  EXPECT_EQ(g.TeamSquadCount(kSeller), 9);
  EXPECT_EQ(g.TeamMoney(kUser), 0);
  EXPECT_EQ(g.TeamMoney(kSeller), 10'200'000);
  EXPECT_EQ(g.PlayerWage(kTarget), 11);
  EXPECT_EQ(g.PlayerContractYears(kTarget), 2);
  EXPECT_EQ(g.PlayerInterest(kTarget, 3), 0);
}

TEST_F(Dealings, StayRepeatsABidPastThirtyTwoThousandAsItWas) {
  MLSModule& g = mls();
  g.TeamMoney(kUser) = 100e6;
  g.PlayerInterest(kTarget, 1) = kRival;  // the first bid only shows the rivals'
  PlayerDirectory& d = open(kTarget);
  d.HScroll3.userSetValue(40000);
  d.Command7.userClick();
  ASSERT_TRUE(d.Frame6.visible());
  dialogs.answer(ui::MsgResult::OK);
  d.Command4.userClick();
  EXPECT_EQ(d.BidAmount, 40000);
  EXPECT_EQ(d.HScroll3.value(), 40000);
  EXPECT_EQ(dialogs.last().text, "P21 has agreed to talk with your team.");
}

TEST_F(Dealings, EqualRivalBidsGoToTheEarlierColumn) {
  MLSModule& g = mls();
  g.TeamName(4) = "Club 4";
  g.TeamMoney(4) = g.TeamMoney(kRival) = 1'000'000;
  g.TeamReputation(4) = 50;
  g.PlayerInterest(kTarget, 2) = 4;
  g.PlayerInterest(kTarget, 3) = kRival;
  const BidDecision d = decideBid(g, kTarget, kUser, 300, 2, 148);
  EXPECT_EQ(d.rival, 4);
  EXPECT_EQ(d.bids.size(), 2u);
}

TEST_F(Dealings, AStaleCardRefusesAndRefreshes) {
  struct Case {
    const char* what;
    int soldTo, myTeam;
    const char* box;
  };
  const Case cases[] = {{"sold by the market", kRival, kUser, "P1 is no longer where this card shows him."},
                        {"the user resigned", kUser, 0, "You have no club to deal for."}};
  // A matchday running is refused too: the real-world test drives one.
  for (const Case& c : cases) {
    newGame();
    PlayerDirectory& d = open(kMine);
    if (c.soldTo != kUser) movePlayer(mls(), kMine, c.soldTo, firstFreeSquadSlot(mls(), c.soldTo));
    mls().MyTeam = c.myTeam;
    dialogs.answer(ui::MsgResult::OK);
    d.Command2.userClick();
    EXPECT_EQ(dialogs.last().text, c.box) << c.what;
    EXPECT_EQ(mls().PlayerTransferListed(kMine), 0) << c.what;
    EXPECT_FALSE(d.Command2.visible()) << c.what << ": the card refreshed";
    d.Unload();
  }
}

}  // namespace
}  // namespace kervale
