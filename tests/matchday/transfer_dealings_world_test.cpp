// The user's dealings on the committed world, each followed by between-
// matchday passes with the market's "Transfer?" answered Yes, then No: no
// player ever stands in two squads and money moves only as the deal says.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/numbers.h"
#include "club/buy_a_player.h"
#include "club/player_directory.h"
#include "club/player_price.h"
#include "club/player_purchase.h"
#include "data/mls_module.h"
#include "data/squad_moves.h"
#include "match/match_engine.h"
#include "matchday/driver_world.h"
#include "support/scripted_dialogs.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

constexpr int kUser = 60;
constexpr int kRival = 30, kFullRival = 31;  // A-League clubs

// Answers the market's question as told; every other box gets its default.
class MarketAnswers : public ui::HeadlessBackend {
 public:
  ui::MsgResult transfer = ui::MsgResult::No;
  int asked = 0;
  ui::MsgResult messageBox(std::string_view text, ui::MsgButtons buttons, ui::MsgIcon icon,
                           std::string_view title) override {
    if (title != "Transfer?") return HeadlessBackend::messageBox(text, buttons, icon, title);
    ++asked;
    return transfer;
  }
  std::function<void()> duringMatchday;  // runs whenever a screen shows or the game yields
  void formShown(ui::Form& form, bool modal) override {
    if (duringMatchday) duringMatchday();
    HeadlessBackend::formShown(form, modal);
  }
  void doEvents() override {
    if (duringMatchday) duringMatchday();
    HeadlessBackend::doEvents();
  }
};

double totalMoney(const MLSModule& g) {
  double sum = 0;
  for (int c = 0; c <= kLastClub; ++c) sum += g.TeamMoney(c);
  return sum;
}

void checkSquads(const MLSModule& g, const std::string& when) {
  std::vector<int> members(kLastClub + 1, 0);
  for (int p = 1; p <= g.NumPlayers; ++p) {
    const int t = CInt(g.PlayerTeam(p));
    if (!g.PlayerName(p).empty() && t >= 1 && t <= kLastClub) ++members[t];
  }
  std::map<int, int> seen;
  for (int c = 1; c <= kLastClub; ++c) {
    for (int s = 1; s <= 20; ++s) {
      const int p = CInt(g.TeamSquad(s, c));
      if (p == 0) continue;
      if (++seen[p] > 1) ADD_FAILURE() << when << ": player " << p << " in two squad slots";
      if (c == g.MyTeam) {
        EXPECT_EQ(g.PlayerTeam(p), c) << when << ": player " << p << " of the user's squad";
      }
    }
    EXPECT_EQ(g.TeamSquadCount(c), members[c]) << when << ": club " << c;
  }
}

// The first player for whom `wanted` holds, 0 when none.
int findPlayer(const MLSModule& g, const std::function<bool(int)>& wanted) {
  for (int p = 1; p <= g.NumPlayers; ++p) {
    if (!g.PlayerName(p).empty() && wanted(p)) return p;
  }
  return 0;
}

class TransferDealings : public ::testing::Test {
 protected:
  void SetUp() override {
    start = startedWorldGame(kUser);
    ASSERT_TRUE(start) << "no game to play";
    replaceGame(std::make_unique<MLSModule>(*start));
    answers.reset();
    ui::setBackend(&answers);
    answers.setPolicy(ui::HeadlessBackend::Policy::Defaults);
  }
  void TearDown() override {
    for (ui::Form* f : {static_cast<ui::Form*>(&card()), static_cast<ui::Form*>(&ui::screen<BuyAPlayer>()),
                        static_cast<ui::Form*>(&engine())}) {
      if (f->loaded()) f->Unload();
    }
    ui::setBackend(nullptr);
    replaceGame(nullptr);
  }
  static MatchEngine& engine() { return ui::screen<MatchEngine>(); }
  static PlayerDirectory& card() { return ui::screen<PlayerDirectory>(); }
  static MLSModule& g() { return mls(); }
  static int ownPlayer(int slot) { return CInt(g().TeamSquad(slot, kUser)); }
  static bool signable(int p) { return PlayerWageDemand(g(), p, kUser) < 50; }
  static bool othersPlayer(int p) {
    const double c = g().PlayerTeam(p);
    return c >= 1 && c <= 237 && c != kUser && signable(p) &&
           (PlayerAskingPrice(g(), p) + 1) * 1000.0 <= g().TeamMoney(kUser);
  }
  static PlayerDirectory& open(int p) {
    if (card().loaded()) card().Unload();
    showPlayerCard(p);
    return card();
  }
  static void release(int p) {
    answers.queueAnswer(ui::MsgResult::Yes);
    open(p).Command3.userClick();
  }
  // Another club's player, bid for above his price and signed for 50k a year.
  static void winAuction(int p) {
    for (int k = 1; k <= 5; ++k) g().PlayerInterest(p, k) = 0;
    PlayerDirectory& d = open(p);
    d.HScroll3.userSetValue(d.AskingPrice + 1);
    d.Command7.userClick();
    d.HScroll2.userSetValue(50);
    d.Command6.userClick();
  }
  // Club `rival` wants another club's player more than anyone.
  static void loseAuction(int p, int rival) {
    for (int k = 1; k <= 5; ++k) g().PlayerInterest(p, k) = 0;
    g().PlayerInterest(p, 1) = static_cast<std::int16_t>(rival);
    PlayerDirectory& d = open(p);
    d.Command7.userClick();
    d.Command4.userClick();
  }
  // The smallest whole offer that covers a player's four ratings.
  static int lowestOffer(int p) {
    const MLSModule& m = g();
    return static_cast<int>(
        std::ceil(m.PlayerGoalkeeping(p) + m.PlayerDefense(p) + m.PlayerMidfield(p) + m.PlayerAttack(p)));
  }
  // The first other club's player whom an offer of his rating total passes
  // every check for, bought through the screen; what it cost.
  static double buyOne() {
    const int user = kUser;
    const int p = findPlayer(g(), [user](int q) {
      const int b = CInt(g().PlayerTeam(q));
      const int wage = lowestOffer(q);
      return b >= 1 && b <= 237 && wage <= 50 && purchaseRefusal(g(), {q, b, wage}, user) == PurchaseRefusal::None;
    });
    EXPECT_NE(p, 0) << "no player to buy";
    if (p == 0) return 0;
    const int seller = CInt(g().PlayerTeam(p));
    const int wage = lowestOffer(p);
    showBuyAPlayer();
    BuyAPlayer& buy = ui::screen<BuyAPlayer>();
    buy.Combo1.userSelectItem(seller - 1);
    buy.Command3.userClick();
    for (int row = 1; row <= 20; ++row) {
      if (buy.SquadRowSlot[row] != 0 && g().TeamSquad(buy.SquadRowSlot[row], seller) == p) {
        buy.List1.userSelectItem(row - 1);
      }
    }
    buy.HScroll1.userSetValue(wage);
    answers.queueAnswer(ui::MsgResult::Yes);
    buy.Command1.userClick();
    EXPECT_EQ(g().PlayerTeam(p), kUser);
    return purchaseWageFigure(wage) * 1000.0;
  }
  // Makes room in a computer club's squad, or fills it with free agents.
  static void roomAt(int club) {
    if (firstFreeSquadSlot(g(), club) == 0) movePlayer(g(), CInt(g().TeamSquad(20, club)), 0, 0);
  }
  static void fill(int club) {
    while (firstFreeSquadSlot(g(), club) != 0) {
      const int q = findPlayer(g(), [](int x) { return g().PlayerTeam(x) == 0; });
      ASSERT_NE(q, 0);
      movePlayer(g(), q, club, firstFreeSquadSlot(g(), club));
    }
  }

  static inline MarketAnswers answers;
  std::unique_ptr<MLSModule> start;
};

TEST_F(TransferDealings, SquadsStayWholeAndMoneyMovesAsDealt) {
  struct Step {
    const char* what;
    std::function<double()> act;  // what the user paid for it
    bool paidToAnotherClub;       // else the money leaves the game's clubs
  };
  for (int rival : {kRival, kFullRival}) {
    g().TeamReputation(rival) = 500;
    g().TeamMoney(rival) = 1e9;
  }
  const Step steps[] = {
      {"list",
       [] {
         open(ownPlayer(1)).Command2.userClick();
         return 0.0;
       },
       true},
      {"release",
       [] {
         release(ownPlayer(2));
         return 0.0;
       },
       true},
      {"renew",
       [] {
         g().PlayerContractYears(ownPlayer(3)) = 1;
         PlayerDirectory& d = open(ownPlayer(3));
         d.HScroll1.userSetValue(5);
         d.HScroll2.userSetValue(50);
         d.Command6.userClick();
         return 0.0;
       },
       true},
      {"sign a free agent",
       [] {
         const int p = findPlayer(g(), [](int q) { return g().PlayerTeam(q) == 0 && signable(q); });
         PlayerDirectory& d = open(p);
         d.HScroll2.userSetValue(50);
         d.Command6.userClick();
         EXPECT_EQ(g().PlayerTeam(p), kUser);
         return 0.0;
       },
       true},
      {"release again",
       [] {
         release(ownPlayer(4));
         return 0.0;
       },
       true},
      {"auction won",
       [] {
         const int p = findPlayer(g(), othersPlayer);
         winAuction(p);
         EXPECT_EQ(g().PlayerTeam(p), kUser);
         return card().BidAmount * 1000;
       },
       true},
      {"auction lost to a rival",
       [] {
         roomAt(kRival);
         const int p = findPlayer(g(), [](int q) { return othersPlayer(q) && g().PlayerTeam(q) != kRival; });
         loseAuction(p, kRival);
         EXPECT_EQ(g().PlayerTeam(p), kRival);
         return 0.0;
       },
       true},
      {"rival without a slot",
       [] {
         fill(kFullRival);
         const int p = findPlayer(g(), [](int q) { return othersPlayer(q) && g().PlayerTeam(q) != kFullRival; });
         const double owner = g().PlayerTeam(p);
         loseAuction(p, kFullRival);
         EXPECT_EQ(g().PlayerTeam(p), owner);
         return 0.0;
       },
       true},
      {"release for the buy",
       [] {
         release(ownPlayer(5));
         return 0.0;
       },
       true},
      {"buy", [] { return buyOne(); }, false},
  };
  for (const Step& step : steps) {
    const double userMoney = g().TeamMoney(kUser);
    const double total = totalMoney(g());
    const double paid = step.act();
    if (card().loaded()) card().Unload();
    checkSquads(g(), step.what);
    EXPECT_DOUBLE_EQ(userMoney - g().TeamMoney(kUser), paid) << step.what;
    EXPECT_DOUBLE_EQ(total - totalMoney(g()), step.paidToAnotherClub ? 0 : paid) << step.what;
    for (ui::MsgResult answer : {ui::MsgResult::Yes, ui::MsgResult::No}) {
      answers.transfer = answer;
      engine().matchdaydone = true;
      engine().Minbox_Click();
      checkSquads(g(), std::string(step.what) + ", then a pass");
    }
  }
}

TEST_F(TransferDealings, ACardRefusesWhileAMatchdayRuns) {
  const int p = ownPlayer(1);
  g().PlayerTransferListed(p) = 0;
  PlayerDirectory& d = open(p);
  bool tried = false;
  answers.duringMatchday = [&] {
    if (!engine().drivingMatchday() || tried) return;
    tried = true;
    d.Command2.userClick();
  };
  for (int day = 0; day < 4 && !tried; ++day) playMatchdayAndAdvance();
  answers.duringMatchday = nullptr;
  ASSERT_TRUE(tried);
  bool refused = false;
  for (const auto& box : answers.log()) refused = refused || box.text == "Transfers wait until the matchday is over.";
  EXPECT_TRUE(refused);
  EXPECT_EQ(g().PlayerTransferListed(p), 0);
}

}  // namespace
}  // namespace kervale::test
