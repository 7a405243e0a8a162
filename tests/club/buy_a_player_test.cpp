// Buying a contracted player: the checks in their order, the purchase and
// the list the bid reads.
#include "club/buy_a_player.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "data/mls_module.h"
#include "data/squad_moves.h"
#include "support/scripted_dialogs.h"
#include "ui/screen.h"

namespace kervale {
namespace {

constexpr int kUser = 20, kSeller = 40, kPlayer = 3;  // he stands in the seller's slot 3, slot 2 empty

struct Case {
  const char* what;
  std::function<void(MLSModule&)> setup;
  int wage;
  std::vector<ui::MsgResult> answers;
  const char* lastBox;  // "" when the bid ends without a box after the question
  bool bought;
};

class Buying : public ::testing::Test {
 protected:
  static void newGame(int user = kUser, int seller = kSeller) {
    replaceGame(makeEmptyGame());
    MLSModule& g = mls();
    g.MyTeam = user;
    g.NumPlayers = 40;
    g.SalaryCap = 1e9;
    for (int c = 1; c <= 237; ++c) g.TeamName(c) = "Club " + std::to_string(c);
    for (int c : {user, seller}) {
      g.TeamMoney(c) = 1'000'000;
      g.TeamReputation(c) = 50;
    }
    name(1, seller, 1);
    name(kPlayer, seller, 3);
    g.PlayerDefense(kPlayer) = 4;
    g.PlayerMidfield(kPlayer) = 3;
    g.PlayerAttack(kPlayer) = 3;
    g.PlayerInjury(kPlayer) = 2;
    for (int s = 1; s <= 5; ++s) name(10 + s, user, s);
  }
  static void name(int p, int club, int slot) {
    mls().PlayerName(p) = "P" + std::to_string(p);
    movePlayer(mls(), p, club, slot);
  }
  ~Buying() override {
    if (screen().loaded()) screen().Unload();
    replaceGame(nullptr);
  }
  static BuyAPlayer& screen() { return ui::screen<BuyAPlayer>(); }
  // Lists the seller's squad and bids on list row `row` (0: the first).
  void bid(int seller, int wage, int row = 1) {
    showBuyAPlayer();
    screen().Combo1.userSelectItem(seller - 1);
    screen().Command3.userClick();
    screen().HScroll1.userSetValue(wage);
    screen().List1.userSelectItem(row);
    screen().Command1.userClick();
  }

  test::ScriptedDialogs dialogs;
};

TEST_F(Buying, ChecksRunInOrderAndOnlyThePurchaseWrites) {
  using R = ui::MsgResult;
  const std::vector<R> yesOk = {R::Yes, R::OK};
  const Case cases[] = {
      {"offer below his ratings", nullptr, 9, {R::OK}, "P3 wants more money.", false},
      {"question answered No", nullptr, 10, {R::No}, "Buy P3?", false},
      {"full squad",
       [](MLSModule&) {
         for (int s = 6; s <= 20; ++s) name(20 + s, kUser, s);
       },
       10, yesOk, "You need to release someone from your team. You have 20 players.", false},
      {"salary cap", [](MLSModule& g) { g.SalaryCap = 199; }, 10, yesOk, "This would put you over the salary cap.",
       false},
      {"cash in thousands", [](MLSModule& g) { g.TeamMoney(kUser) = 199'999; }, 10, yesOk,
       "You don't have enough cash to buy this player!", false},
      {"not big time",
       [](MLSModule& g) {
         g.TeamReputation(kUser) = 34;
         g.PlayerTransferListed(kPlayer) = 1;
       },
       10, yesOk, "P3 does not want to join your team. He says he wants big time footy.", false},
      {"listed lowers the hurdle",
       [](MLSModule& g) {
         g.TeamReputation(kUser) = 35;
         g.PlayerTransferListed(kPlayer) = 1;
       },
       10,
       {R::Yes},
       "Buy P3?",
       true},
      {"demand met exactly", nullptr, 10, {R::Yes}, "Buy P3?", true},
  };
  for (const Case& c : cases) {
    newGame();
    if (c.setup) c.setup(mls());
    for (R r : c.answers) dialogs.answer(r);
    const double money = mls().TeamMoney(kUser);
    bid(kSeller, c.wage);
    EXPECT_EQ(dialogs.last().text, c.lastBox) << c.what;
    const MLSModule& g = mls();
    EXPECT_EQ(g.PlayerTeam(kPlayer), c.bought ? kUser : kSeller) << c.what;
    EXPECT_EQ(g.TeamSquad(3, kSeller), c.bought ? 0 : kPlayer) << c.what;
    EXPECT_EQ(g.TeamSquad(6, kUser) == kPlayer, c.bought) << c.what;
    EXPECT_EQ(g.TeamMoney(kUser), c.bought ? money - 200'000 : money) << c.what << ": W x 20 thousand";
    EXPECT_EQ(g.TeamMoney(kSeller), 1'000'000) << c.what << ": the seller gets nothing";
    EXPECT_EQ(screen().loaded(), !c.bought) << c.what;
    if (c.bought) {
      EXPECT_EQ(g.PlayerWage(kPlayer), 10) << c.what;
      EXPECT_EQ(g.PlayerInjury(kPlayer), 0) << c.what;
      EXPECT_EQ(g.TeamSquadCount(kUser), 6) << c.what;
      EXPECT_EQ(g.TeamSquadCount(kSeller), 1) << c.what;
    }
    if (screen().loaded()) screen().Unload();
  }
}

TEST_F(Buying, MlsClubsNeedAllocations) {
  using R = ui::MsgResult;
  struct Mls {
    int seller;
    double allocations;
    std::vector<R> answers;
    const char* lastBox;
    double allocationsAfter;
  };
  const Mls cases[] = {
      {1, 0, {R::Yes, R::OK}, "MLS Teams are only allowed", 0},  // its own club: allocations come first
      {1, 1, {R::Yes, R::OK}, "You have no reason to buy a player from your own team!", 1},
      {60, 1, {R::Yes}, "Buy P3?", 0},
      {30, 0, {R::Yes}, "Buy P3?", 0},
  };
  for (const Mls& c : cases) {
    newGame(1, c.seller);
    mls().MlsAllocations(1) = c.allocations;
    for (R r : c.answers) dialogs.answer(r);
    bid(c.seller, 10);
    EXPECT_EQ(dialogs.last().text.rfind(c.lastBox, 0), 0u) << c.seller << ": " << dialogs.last().text;
    EXPECT_EQ(mls().MlsAllocations(1), c.allocationsAfter) << c.seller;
    if (c.seller != 1) {
      EXPECT_EQ(mls().PlayerWage(kPlayer), 200) << "an MLS wage is the shown figure";
    }
    if (screen().loaded()) screen().Unload();
  }
}

TEST_F(Buying, AGenericNameMayBeReplacedButNeverEmptied) {
  struct Name {
    std::optional<std::string> answer;
    std::string stored;
  };
  const Name cases[] = {{std::string(30, 'x'), std::string(25, 'x')},
                        {"", "Forward"},
                        {"   ", "Forward"},
                        {std::nullopt, "Forward"},
                        {"Ace\r\nVane", "AceVane"}};
  for (const Name& c : cases) {
    newGame();
    mls().PlayerName(kPlayer) = "Forward";
    dialogs.answer(ui::MsgResult::Yes).input(c.answer);
    bid(kSeller, 10);
    EXPECT_EQ(mls().PlayerName(kPlayer), c.stored);
    EXPECT_EQ(mls().PlayerTeam(kPlayer), kUser);
  }
}

TEST_F(Buying, TheBidReadsTheListShown) {
  newGame();
  showBuyAPlayer();
  BuyAPlayer& s = screen();
  s.Combo1.userSelectItem(kSeller - 1);
  s.Command3.userClick();
  ASSERT_EQ(s.List1.listCount(), 2) << "the gap in slot 2 gives no row";
  EXPECT_EQ(s.SquadRowSlot[2], 3);
  s.HScroll1.userSetValue(10);
  s.Command1.userClick();  // no row chosen: nothing at all
  s.List1.userSelectItem(1);
  s.Combo1.userSelectItem(kUser - 1);  // another club: the list empties
  EXPECT_EQ(s.List1.listCount(), 0);
  s.Command1.userClick();
  EXPECT_EQ(dialogs.count(), 0u);
  EXPECT_EQ(mls().PlayerTeam(kPlayer), kSeller);
}

}  // namespace
}  // namespace kervale
