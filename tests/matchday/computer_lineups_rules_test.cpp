// Computer line-ups at their edges: the last player record plays like any
// other, and a squad strong in defence asks for five defenders with the
// excess share moved to midfield (six-tenths gives 5-3, seven 5-4).
#include <gtest/gtest.h>

#include <string>

#include "base/random.h"
#include "data/mls_module.h"
#include "match/match_engine.h"

namespace kervale::test {
namespace {

constexpr int kUser = 1;
constexpr int kClub = 2;

class ComputerLineupRules : public ::testing::Test {
 protected:
  ComputerLineupRules() {
    replaceGame(makeEmptyGame());
    rng().clearScript();
    rng().seed(5);
    MLSModule& g = mls();
    g.MyTeam = kUser;
    g.NumPlayers = 100;
    const char* names[] = {"", "4-4-2", "3-6-1", "5-4-1", "5-3-2", "5-5-0"};
    g.NumFormations = 5;
    for (int f = 1; f <= 5; ++f) {
      g.FormationName(f) = names[f];
      g.FormationFlow(f) = f;
      for (int k = 1; k <= 10; ++k) g.FormationPos(f, k) = 100 * f + k;
    }
    // Clubs without players ask for 4-4-2: they keep it and draw nothing.
    for (int c = 1; c <= kLastClub; ++c) g.TeamFormation(c) = 1;
    g.TeamFormation(kClub) = 2;  // 3-6-1 fits none of the line sizes below
    for (int slot = 1; slot <= 20; ++slot) sign(slot, slot, {1, 7, 2, 1});
  }
  ~ComputerLineupRules() override {
    rng().clearScript();
    replaceGame(nullptr);
  }

  struct Rating {
    float gk;
    double d, m, a;
  };
  static void sign(int p, int slot, Rating r) {
    MLSModule& g = mls();
    g.TeamSquad(slot, kClub) = p;
    g.PlayerTeam(p) = kClub;
    g.PlayerName(p) = "P" + std::to_string(p);
    g.PlayerForm(p) = 60;
    g.PlayerGoalkeeping(p) = r.gk;
    g.PlayerDefense(p) = r.d;
    g.PlayerMidfield(p) = r.m;
    g.PlayerAttack(p) = r.a;
  }
  static void rateAll(Rating r) {
    for (int slot = 1; slot <= 20; ++slot) sign(slot, slot, r);
  }
  // The formation teamupdate picks when each formation in turn is drawn.
  int formationPicked() {
    for (int i = 0; i < 100; ++i) rng().script({((i % 5) + 0.5) / 5});
    match.teamupdate();
    rng().clearScript();
    return static_cast<int>(mls().TeamFormation(kClub));
  }

  MatchEngine match;
};

TEST_F(ComputerLineupRules, SevenTenthsInDefenceGiveFiveDefendersAndFourMidfielders) {
  rateAll({1, 7, 2, 1});  // shares 7, 2, 1: d 7 becomes 5, m 2 + (7 - 5) = 4
  EXPECT_EQ(formationPicked(), 3) << "5-4-1";
  EXPECT_EQ(mls().TeamPosition(1, kClub), 301);
  EXPECT_EQ(mls().TeamFlow(kClub), 3);
}

TEST_F(ComputerLineupRules, SixTenthsInDefenceGiveFiveDefendersAndThreeMidfielders) {
  rateAll({1, 6, 1, 3});  // shares 6, 1, 3: m 2 + (6 - 5) = 3, whatever the midfield share
  EXPECT_EQ(formationPicked(), 4) << "5-3-2";
}

TEST_F(ComputerLineupRules, EightTenthsInDefenceGiveFiveAndFive) {
  rateAll({1, 8, 1, 1});  // shares 8, 1, 1: m 2 + (8 - 5) = 5
  EXPECT_EQ(formationPicked(), 5) << "5-5-0";
}

TEST_F(ComputerLineupRules, TheLastPlayerRecordPlaysInGoal) {
  MLSModule& g = mls();
  g.NumPlayers = kLastPlayer;
  rateAll({1, 4, 4, 2});
  sign(kLastPlayer, 15, {30, 1, 1, 1});  // the best keeper, on the bench
  match.teamupdate();
  EXPECT_EQ(g.TeamSquad(1, kClub), kLastPlayer);
}

TEST_F(ComputerLineupRules, AFractionalSquadCellNamesThePlayerItRoundsTo) {
  MLSModule& g = mls();
  rateAll({1, 4, 4, 2});
  sign(21, 16, {30, 1, 1, 1});    // the best keeper
  g.TeamSquad(15, kClub) = 20.6;  // stands for him
  g.TeamSquad(16, kClub) = 0;
  match.teamupdate();
  EXPECT_EQ(g.TeamSquad(1, kClub), 20.6);
}

TEST_F(ComputerLineupRules, TheLastPlayerRecordIsListedWhenSquadsAreRebuilt) {
  MLSModule& g = mls();
  g.NumPlayers = kLastPlayer;
  g.PlayerTeam(20) = 0;  // the club's twentieth player leaves
  g.PlayerName(kLastPlayer) = "Last";
  g.PlayerTeam(kLastPlayer) = kClub;  // and the last record joins
  match.playercheck();
  EXPECT_EQ(g.TeamSquadCount(kClub), 20);
  EXPECT_EQ(g.TeamSquad(20, kClub), kLastPlayer);
}

TEST_F(ComputerLineupRules, TheLastPlayerRecordIsTransferListedByForm) {
  MLSModule& g = mls();
  g.NumPlayers = kLastPlayer;
  sign(kLastPlayer, 20, {1, 7, 2, 1});
  g.PlayerForm(kLastPlayer) = 20;
  match.teamupdate();
  EXPECT_EQ(g.PlayerTransferListed(kLastPlayer), 1);
}

}  // namespace
}  // namespace kervale::test
