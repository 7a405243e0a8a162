// When the user's bid fails, the highest rival buys the player only when its
// reputation beats the owner's by more than the player's form above 50.
#include <gtest/gtest.h>

#include <memory>

#include "club/player_dealings.h"
#include "data/mls_module.h"

namespace kervale {
namespace {

constexpr int kUser = 1, kOwner = 2, kRival = 3;
constexpr int kPlayer = 5;
constexpr std::int32_t kAskingK = 100;

class RivalPurchase : public ::testing::Test {
 protected:
  RivalPurchase() {
    g->PlayerName(kPlayer) = "P5";
    g->PlayerTeam(kPlayer) = kOwner;
    g->PlayerInterest(kPlayer, 1) = kRival;
    g->TeamMoney(kRival) = 1e9;
    g->TeamReputation(kOwner) = 40;
  }
  // What follows a second-round bid below the asking price.
  BidDecision::Kind afterALowBid(double rivalReputation, double form) {
    g->TeamReputation(kRival) = rivalReputation;
    g->PlayerForm(kPlayer) = form;
    return decideBid(*g, kPlayer, kUser, 1, 2, kAskingK).kind;
  }
  std::unique_ptr<MLSModule> g = makeEmptyGame();
};

TEST_F(RivalPurchase, TheRivalBuysOnlyAboveTheOwnersReputationAndTheForm) {
  using Kind = BidDecision::Kind;
  // Owner 40, form 60: the rival needs more than 40 + 60 - 50 = 50.
  EXPECT_EQ(afterALowBid(50, 60), Kind::Refused) << "level is not enough";
  EXPECT_EQ(afterALowBid(50.5, 60), Kind::RivalBuys);
  EXPECT_EQ(afterALowBid(39, 49), Kind::Refused) << "form 49: more than 39 needed";
  EXPECT_EQ(afterALowBid(39.5, 49), Kind::RivalBuys);
}

TEST_F(RivalPurchase, AFirstRoundOnlyShowsTheBids) {
  g->TeamReputation(kRival) = 90;
  const BidDecision d = decideBid(*g, kPlayer, kUser, 1, 1, kAskingK);
  EXPECT_EQ(d.kind, BidDecision::Kind::Preview);
  ASSERT_EQ(d.bids.size(), 1u);
  EXPECT_EQ(d.bids[0].bid, 190) << "the asking price plus the rival's reputation";
}

}  // namespace
}  // namespace kervale
