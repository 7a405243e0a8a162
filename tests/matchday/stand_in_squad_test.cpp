// The stand-in user short of eleven fit players: free signings through the
// league portal and the player card, a release to make room, and why a run
// must stop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "club/player_directory.h"
#include "club/player_price.h"
#include "club/website.h"
#include "data/mls_module.h"
#include "data/squad_moves.h"
#include "matchday/driver_world.h"
#include "shell/main_module.h"
#include "standin/squad_needs.h"
#include "standin/stand_in_user.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "team/line_up.h"
#include "team/position_tag.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

constexpr int kClub = 60;

class StandInSquad : public ::testing::Test {
 protected:
  void SetUp() override {
    auto game = startedWorldGame(kClub);
    ASSERT_TRUE(game) << "no game to play";
    replaceGame(std::move(game));
    mls().WeekDay = 3;  // the eve of a matchday: the hub checks the squad
  }
  void TearDown() override {
    for (ui::Form* form :
         {static_cast<ui::Form*>(&ui::screen<MainModule>()), static_cast<ui::Form*>(&ui::screen<PlayerDirectory>()),
          static_cast<ui::Form*>(&ui::screen<Website>())}) {
      if (form->loaded()) form->Unload();
    }
  }
  static MLSModule& g() { return mls(); }
  MainModule& hub() { return ui::screen<MainModule>(); }
  // Injures every squad player after the first `fit` ones, the keepers first.
  void injureAllBut(int fit) {
    std::vector<int> players;
    for (int slot = 1; slot <= 20; ++slot) {
      if (const int p = squadPlayer(g(), kClub, slot)) players.push_back(p);
    }
    std::stable_partition(players.begin(), players.end(), [](int p) { return PositionTag(g(), p) == "G "; });
    for (std::size_t k = 0; k < players.size(); ++k) {
      g().PlayerInjury(players[k]) = k + fit < players.size() ? static_cast<double>(10 + k) : 0;
    }
  }
  std::vector<int> squad() const {
    std::vector<int> players;
    for (int slot = 1; slot <= 20; ++slot) {
      if (const int p = squadPlayer(g(), kClub, slot)) players.push_back(p);
    }
    return players;
  }

  ScriptedDialogs dialogs{ui::HeadlessBackend::Policy::Defaults};
  ScopedCurrentDir inWorld{KERVALE_WORLD_DIR};
};

TEST_F(StandInSquad, ShortOfElevenItSignsFreePlayersKeeperFirstThroughThePortalAndTheCard) {
  EXPECT_EQ(standin::longestInjured(g(), kClub), 0) << "nobody injured";
  const int inGoal = squadPlayer(g(), kClub, 1);
  ASSERT_EQ(PositionTag(g(), inGoal), "G ");
  for (int p : squad()) g().PlayerInjury(p) = p != inGoal && PositionTag(g(), p) == "G " ? 3 : 0;
  EXPECT_NE(PositionTag(g(), standin::nextFreeSigning(g(), kClub, 50).player), "G ") << "the keeper in goal is fit";
  injureAllBut(9);
  hub().Show();
  ASSERT_FALSE(hub().PlayGamesBUtton.enabled());
  const std::vector<int> before = squad();
  dialogs.backend().clearShownForms();
  StandInUser standIn;
  EXPECT_EQ(standIn.readySquad(), "");
  EXPECT_TRUE(hub().PlayGamesBUtton.enabled());
  EXPECT_EQ(standIn.signings(), 2);
  std::vector<int> joined;
  for (int p : squad()) {
    if (std::find(before.begin(), before.end(), p) == before.end()) joined.push_back(p);
  }
  ASSERT_EQ(joined.size(), 2U);
  EXPECT_EQ(std::count_if(joined.begin(), joined.end(), [](int p) { return PositionTag(g(), p) == "G "; }), 1)
      << "no keeper was fit: one first";
  for (int p : joined) {
    EXPECT_EQ(g().PlayerTeam(p), kClub);
    EXPECT_EQ(g().PlayerContractYears(p), 2);
    EXPECT_GT(g().PlayerWage(p), PlayerWageDemand(g(), p, kClub));
    EXPECT_LE(g().PlayerWage(p), PlayerWageDemand(g(), p, kClub) + 1) << "no more than he asks";
  }
  const auto& shown = dialogs.backend().shownForms();
  EXPECT_NE(std::find(shown.begin(), shown.end(), &ui::screen<Website>()), shown.end());
  EXPECT_NE(std::find(shown.begin(), shown.end(), &ui::screen<PlayerDirectory>()), shown.end());
  EXPECT_FALSE(ui::screen<Website>().loaded());
  EXPECT_FALSE(ui::screen<PlayerDirectory>().loaded());
  const int keeper = squadPlayer(g(), kClub, 1);
  EXPECT_EQ(PositionTag(g(), keeper), "G ") << "a keeper stands in goal";
  EXPECT_EQ(g().PlayerInjury(keeper), 0);
}

TEST_F(StandInSquad, AFullSquadLetsItsLongestInjuredPlayerGo) {
  for (int p = 1; firstFreeSquadSlot(g(), kClub) != 0 && p <= g().NumPlayers; ++p) {
    if (g().PlayerTeam(p) == 0 && !g().PlayerName(p).empty()) movePlayer(g(), p, kClub, firstFreeSquadSlot(g(), kClub));
  }
  ASSERT_EQ(squad().size(), 20U);
  injureAllBut(11);
  const int longest = squadPlayer(g(), kClub, 20);
  ASSERT_EQ(g().PlayerInjury(longest), 0) << "the fit ones come last";
  g().PlayerInjury(longest) = 99;  // ten fit players; the longest injury in the last slot
  hub().Show();
  StandInUser standIn;
  EXPECT_EQ(standIn.readySquad(), "");
  EXPECT_EQ(standIn.releases(), 1);
  EXPECT_EQ(standIn.signings(), 1);
  EXPECT_EQ(g().PlayerTeam(longest), 0);
  EXPECT_TRUE(dialogs.sawText("Free transfer " + g().PlayerName(longest) + "?"));
  EXPECT_TRUE(hub().PlayGamesBUtton.enabled());
}

TEST_F(StandInSquad, WithNobodyFreeToSignItBuysOtherClubsPlayersKeeperFirstThroughTheCard) {
  for (int p = 1; p <= g().NumPlayers; ++p) {
    if (g().PlayerTeam(p) == 0) g().PlayerInjury(p) = 5;  // no fit free player
  }
  injureAllBut(9);
  g().TeamMoney(kClub) = 50e6;  // enough for two
  hub().Show();
  const std::vector<int> before = squad();
  const double money = g().TeamMoney(kClub);
  StandInUser standIn;
  const standin::Bid first = standin::nextBid(g(), kClub, 50, std::floor(money / 1000));
  ASSERT_NE(first.player, 0);
  const int firstSeller = static_cast<int>(g().PlayerTeam(first.player));
  const double sellerMoney = g().TeamMoney(firstSeller);
  std::vector<double> formerClub(static_cast<std::size_t>(g().NumPlayers) + 1);
  for (int p = 1; p <= g().NumPlayers; ++p) formerClub[static_cast<std::size_t>(p)] = g().PlayerTeam(p);
  double bestReputation = 0;
  for (int c = 1; c <= kLastClub; ++c) bestReputation = std::max(bestReputation, g().TeamReputation(c));
  EXPECT_EQ(first.bidK, PlayerAskingPrice(g(), first.player) + bestReputation + 1) << "above any rival's bid";
  EXPECT_EQ(PositionTag(g(), first.player), "G ") << "no keeper is fit";

  EXPECT_EQ(standIn.readySquad(), "");
  EXPECT_TRUE(hub().PlayGamesBUtton.enabled());
  EXPECT_EQ(standIn.signings(), 0);
  EXPECT_EQ(standIn.purchases(), 2);
  std::vector<int> joined;
  for (int p : squad()) {
    if (std::find(before.begin(), before.end(), p) == before.end()) joined.push_back(p);
  }
  ASSERT_EQ(joined.size(), 2U);
  EXPECT_EQ(joined.front(), first.player);
  const double firstSale = sellerMoney + first.bidK * 1000.0;
  if (formerClub[static_cast<std::size_t>(joined.back())] == firstSeller) {
    EXPECT_GT(g().TeamMoney(firstSeller), firstSale) << "the seller has both winning bids";
  } else {
    EXPECT_EQ(g().TeamMoney(firstSeller), firstSale) << "the seller has the winning bid";
  }
  for (int p : joined) {
    EXPECT_EQ(g().PlayerTeam(p), kClub);
    EXPECT_EQ(g().PlayerContractYears(p), 2);
    EXPECT_GT(g().PlayerWage(p), PlayerWageDemand(g(), p, kClub));
    EXPECT_TRUE(dialogs.sawText(g().PlayerName(p) + " has agreed to talk with your team."));
  }
  EXPECT_LT(g().TeamMoney(kClub), money - first.bidK * 1000.0) << "both bids paid";
  EXPECT_FALSE(ui::screen<PlayerDirectory>().loaded());
  EXPECT_EQ(PositionTag(g(), squadPlayer(g(), kClub, 1)), "G ") << "a keeper stands in goal";
}

TEST_F(StandInSquad, ABidBeatsARivalWhoseReputationHasPassedAHundred) {
  g().TeamMoney(kClub) = 50e6;
  g().TeamReputation(3) = 150.5;  // a rival bids the asking price + 150.5, rounded to + 150 or + 151
  const standin::Bid bid = standin::nextBid(g(), kClub, 50, std::floor(g().TeamMoney(kClub) / 1000));
  ASSERT_NE(bid.player, 0);
  EXPECT_EQ(bid.bidK, PlayerAskingPrice(g(), bid.player) + 152);
}

TEST_F(StandInSquad, WithNobodyToSignAndNoMoneyToBidItSaysWhy) {
  for (int p = 1; p <= g().NumPlayers; ++p) {
    if (g().PlayerTeam(p) == 0) g().PlayerInjury(p) = 5;  // no fit free player
  }
  g().TeamMoney(kClub) = 100000;  // below any asking price and the margin over rivals
  EXPECT_EQ(standin::nextBid(g(), kClub, 50, 100).player, 0);
  injureAllBut(9);
  hub().Show();
  StandInUser standIn;
  EXPECT_EQ(standIn.readySquad(),
            "the squad has 9 fit players and no free player would sign nor any other club's player join");
  EXPECT_FALSE(hub().PlayGamesBUtton.enabled());
  EXPECT_EQ(standIn.signings(), 0);
  EXPECT_EQ(standIn.purchases(), 0);
  EXPECT_EQ(g().TeamMoney(kClub), 100000);
}

TEST_F(StandInSquad, AKeeperFarBelowTheOutfieldIsReplacedByOneWorthHisPlace) {
  hub().Show();
  StandInUser standIn;
  const double wanted = standin::keepingWanted(g(), kClub);
  ASSERT_GT(wanted, 3);
  EXPECT_GE(standin::bestKeeping(g(), kClub), wanted) << "the world's keepers are fine";
  EXPECT_FALSE(standIn.replaceWeakKeeper());

  // The least keeping is the least a signing may have: a keeper rated just that qualifies.
  int bestFree = 0;
  for (int p = 1; p <= g().NumPlayers; ++p) {
    if (g().PlayerTeam(p) != 0 || g().PlayerName(p).empty() || g().PlayerInjury(p) > 0 || PositionTag(g(), p) != "G ")
      continue;
    if (bestFree == 0 || g().PlayerGoalkeeping(p) > g().PlayerGoalkeeping(bestFree)) bestFree = p;
  }
  ASSERT_NE(bestFree, 0) << "the world has a free keeper";
  EXPECT_EQ(standin::nextFreeSigning(g(), kClub, 100000, g().PlayerGoalkeeping(bestFree)).player, bestFree);

  // What a long career can leave: the keepers are never-played youngsters.
  for (int p : squad()) {
    if (PositionTag(g(), p) != "G ") continue;
    g().PlayerGoalkeeping(p) = 3;
    g().PlayerDefense(p) = g().PlayerMidfield(p) = g().PlayerAttack(p) = 1;
  }
  EXPECT_EQ(standin::bestKeeping(g(), kClub), 3);
  EXPECT_EQ(standin::keepingWanted(g(), kClub), wanted) << "measured by the outfield players only";
  g().TeamMoney(kClub) = 50e6;
  EXPECT_FALSE(standIn.replaceWeakKeeper()) << "no slot is free";
  const int leaving = squadPlayer(g(), kClub, 20);
  ASSERT_NE(PositionTag(g(), leaving), "G ");
  movePlayer(g(), leaving, 0, 0);
  const int slots = static_cast<int>(squad().size());
  EXPECT_TRUE(standIn.replaceWeakKeeper());
  EXPECT_EQ(static_cast<int>(squad().size()), slots + 1) << "one keeper, nobody more";
  const int keeper = squadPlayer(g(), kClub, 1);
  EXPECT_EQ(PositionTag(g(), keeper), "G ");
  EXPECT_GE(g().PlayerGoalkeeping(keeper), wanted) << "the new keeper stands in goal";
  EXPECT_EQ(standIn.signings() + standIn.purchases(), 1);
  EXPECT_FALSE(standIn.replaceWeakKeeper()) << "one keeper worth his place is enough";
  EXPECT_TRUE(hub().loaded());
}

TEST_F(StandInSquad, AWeakKeeperStaysWhenNoBetterKeeperCanBeHad) {
  for (int p : squad()) {
    if (PositionTag(g(), p) != "G ") continue;
    g().PlayerGoalkeeping(p) = 3;
    g().PlayerDefense(p) = g().PlayerMidfield(p) = g().PlayerAttack(p) = 1;
  }
  for (int p = 1; p <= g().NumPlayers; ++p) {
    if (g().PlayerTeam(p) == 0) g().PlayerInjury(p) = 5;  // no fit free player
  }
  g().TeamMoney(kClub) = 100000;                       // no bid either
  movePlayer(g(), squadPlayer(g(), kClub, 20), 0, 0);  // a free slot
  hub().Show();
  StandInUser standIn;
  EXPECT_FALSE(standIn.replaceWeakKeeper());
  EXPECT_EQ(standin::bestKeeping(g(), kClub), 3);
  EXPECT_EQ(standIn.purchases(), 0);
  EXPECT_EQ(standIn.signings(), 0);
}

}  // namespace
TEST_F(StandInSquad, FromTheSecondSeasonItBringsBetterSubstitutesIntoTheEleven) {
  hub().Show();
  int star = 0;
  int weak = 0;
  for (int slot = 12; slot <= 20; ++slot) {
    const int p = squadPlayer(g(), kClub, slot);
    if (p == 0 || PositionTag(g(), p) == "G ") continue;
    (star == 0 ? star : weak) = p;
    if (weak != 0) break;
  }
  ASSERT_NE(weak, 0) << "two outfield substitutes";
  for (int p : squad()) g().PlayerInjury(p) = 0;
  g().PlayerDefense(star) = g().PlayerMidfield(star) = g().PlayerAttack(star) = 500;
  g().PlayerDefense(weak) = g().PlayerMidfield(weak) = g().PlayerAttack(weak) = 0.5;
  const int keeper = squadPlayer(g(), kClub, 1);
  const auto slotOf = [&](int player) {
    for (int slot = 1; slot <= 20; ++slot) {
      if (squadPlayer(g(), kClub, slot) == player) return slot;
    }
    return 0;
  };

  StandInUser standIn;
  EXPECT_EQ(standIn.pickSeasonEleven(), 0) << "the first season is left as it stands";
  EXPECT_GE(slotOf(star), 12);
  g().CurrentSeason = g().CurrentSeason + 1;
  EXPECT_GE(standIn.pickSeasonEleven(), 1);
  EXPECT_LE(slotOf(star), 11) << "the best player starts";
  EXPECT_GT(slotOf(weak), 11) << "a weaker substitute stays on the bench";
  EXPECT_EQ(squadPlayer(g(), kClub, 1), keeper) << "no outfielder takes the keeper's place";
  EXPECT_TRUE(hub().loaded());
  EXPECT_EQ(standIn.pickSeasonEleven(), 0) << "once a season";
}

}  // namespace kervale::test
