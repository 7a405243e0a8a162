// Listing and releasing change only the club's own player: another club's,
// a free agent, a free record or no player at all is refused, and nothing
// of him changes.
#include <gtest/gtest.h>

#include <string>

#include "club/player_dealings.h"
#include "data/mls_module.h"
#include "data/squad_moves.h"

namespace kervale {
namespace {

constexpr int kUser = 4;
constexpr int kOther = 5;
constexpr int kMine = 1;
constexpr int kTheirs = 2;
constexpr int kFreeAgent = 3;
constexpr int kFreeRecord = 4;

class DealingsOwnership : public ::testing::Test {
 protected:
  DealingsOwnership() {
    replaceGame(makeEmptyGame());
    MLSModule& g = mls();
    g.MyTeam = kUser;
    g.NumPlayers = 4;
    for (int p = kMine; p <= kFreeAgent; ++p) g.PlayerName(p) = "P" + std::to_string(p);
    movePlayer(g, kMine, kUser, 1);
    movePlayer(g, kTheirs, kOther, 1);
  }
  ~DealingsOwnership() override { replaceGame(nullptr); }

  // Club, slot and listing of a player, to compare before and after.
  static std::string stateOf(int p) {
    const MLSModule& g = mls();
    return std::to_string(g.PlayerTeam(p)) + "/" + std::to_string(g.PlayerTransferListed(p)) + "/" +
           std::to_string(g.TeamSquad(1, kUser)) + "/" + std::to_string(g.TeamSquad(1, kOther));
  }
};

TEST_F(DealingsOwnership, OnlyTheClubsOwnPlayerIsListed) {
  for (int p : {kTheirs, kFreeAgent, kFreeRecord, 0}) {
    const std::string before = stateOf(p);
    EXPECT_FALSE(listPlayer(mls(), p, kUser)) << "player " << p;
    EXPECT_EQ(stateOf(p), before) << "player " << p;
  }
  EXPECT_FALSE(listPlayer(mls(), kMine, kOther)) << "the user's player listed for another club";
  EXPECT_FALSE(listPlayer(mls(), kFreeAgent, 0)) << "a free agent listed for no club";
  EXPECT_EQ(mls().PlayerTransferListed(kMine), 0);
  EXPECT_TRUE(listPlayer(mls(), kMine, kUser));
  EXPECT_EQ(mls().PlayerTransferListed(kMine), 1);
}

TEST_F(DealingsOwnership, OnlyTheClubsOwnPlayerIsReleased) {
  for (int p : {kTheirs, kFreeAgent, kFreeRecord, 0}) {
    const std::string before = stateOf(p);
    EXPECT_FALSE(releasePlayer(mls(), p, kUser)) << "player " << p;
    EXPECT_EQ(stateOf(p), before) << "player " << p;
  }
  EXPECT_FALSE(releasePlayer(mls(), kTheirs, kUser));
  EXPECT_EQ(mls().PlayerTeam(kTheirs), kOther);
  EXPECT_EQ(mls().TeamSquad(1, kOther), kTheirs);
  EXPECT_FALSE(releasePlayer(mls(), kFreeAgent, 0)) << "a free agent released by no club";
  EXPECT_TRUE(releasePlayer(mls(), kMine, kUser));
  EXPECT_EQ(mls().PlayerTeam(kMine), 0);
  EXPECT_EQ(mls().TeamSquad(1, kUser), 0);
}

TEST_F(DealingsOwnership, RecordZeroIsNoPlayerEvenWithAName) {
  MLSModule& g = mls();
  g.PlayerName(0) = "Nobody";
  g.PlayerTeam(0) = kUser;
  EXPECT_FALSE(listPlayer(g, 0, kUser));
  EXPECT_FALSE(releasePlayer(g, 0, kUser));
  EXPECT_EQ(g.PlayerTransferListed(0), 0);
  EXPECT_EQ(g.PlayerTeam(0), kUser);
}

TEST_F(DealingsOwnership, TheLastPlayerRecordOfTheLastClubIsItsOwn) {
  MLSModule& g = mls();
  g.NumPlayers = kLastPlayer;
  g.PlayerName(kLastPlayer) = "Last";
  movePlayer(g, kLastPlayer, kLastClub, 1);
  EXPECT_TRUE(listPlayer(g, kLastPlayer, kLastClub));
  EXPECT_TRUE(releasePlayer(g, kLastPlayer, kLastClub));
  EXPECT_EQ(g.PlayerTeam(kLastPlayer), 0);
  EXPECT_FALSE(listPlayer(g, kLastPlayer + 1, kLastClub)) << "no record beyond the last";
}

}  // namespace
}  // namespace kervale
