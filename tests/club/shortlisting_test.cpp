// The computer clubs' shopping with scripted draws: budgets, the fit of a
// drawn player, his club's pull and the interest columns.
#include "club/shortlisting.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

#include "base/random.h"
#include "data/mls_module.h"

namespace kervale {
namespace {

constexpr int kClub = 20, kPlayer = 10, kPool = 50;

class Shortlisting : public ::testing::Test {
 protected:
  Shortlisting() {
    replaceGame(makeEmptyGame());
    rng().clearScript();
    MLSModule& g = mls();
    g.MyTeam = 200;
    g.MLSTeamCount = 10;
    g.NumPlayers = kPool;
    for (int p = 1; p <= kPool; ++p) g.PlayerName(p) = "P" + std::to_string(p);
    // Squad defence figure 3: two defenders of 15, summed over ten.
    for (int s = 1; s <= 2; ++s) {
      g.TeamSquad(s, kClub) = s;
      g.PlayerTeam(s) = kClub;
      g.PlayerDefense(s) = 15;
    }
    g.TeamMoney(kClub) = 75'000;
    g.TeamReputation(kClub) = 50;
  }
  ~Shortlisting() override {
    rng().clearScript();
    replaceGame(nullptr);
  }
  static double drawOf(int p) { return (p - 1 + 0.5) / kPool; }

  // One look by kClub at kPlayer; the club it left in his column 1.
  static int lookAt(double defence, double age) {
    MLSModule& g = mls();
    g.PlayerDefense(kPlayer) = defence;
    g.PlayerAge(kPlayer) = age;
    rng().script({drawOf(kPlayer)});
    shortlistPlayers(g);
    EXPECT_EQ(rng().scriptedLeft(), 0u);
    return g.PlayerInterest(kPlayer, 1);
  }
};

TEST_F(Shortlisting, AStrongerDefenderFitsUnlessOlderAndFarAbove) {
  struct Case {
    double defence, age;
    bool listed;
  };
  const Case cases[] = {{8, 22, false}, {8, 21, true}, {7, 35, true}, {3, 18, false}};
  for (const Case& c : cases) {
    mls().PlayerInterest(kPlayer, 1) = 0;
    EXPECT_EQ(lookAt(c.defence, c.age), c.listed ? kClub : 0) << c.defence << " aged " << c.age;
  }
}

TEST_F(Shortlisting, AnotherClubsPlayerNeedsTheReputation) {
  MLSModule& g = mls();
  for (int owner : {1, 30, kLastClub}) {
    g.PlayerTeam(kPlayer) = owner;
    for (const auto& [rep, listed] : {std::pair{75.0, false}, std::pair{74.0, true}}) {
      g.TeamReputation(owner) = rep;
      g.PlayerInterest(kPlayer, 1) = 0;
      EXPECT_EQ(lookAt(7, 20), listed ? kClub : 0) << "owner " << owner << ", reputation " << rep;
    }
  }
}

TEST_F(Shortlisting, InterestTakesTheFirstEmptyColumnOnce) {
  MLSModule& g = mls();
  g.PlayerInterest(kPlayer, 1) = 33;
  g.PlayerInterest(kPlayer, 2) = kClub;
  lookAt(7, 20);
  EXPECT_EQ(g.PlayerInterest(kPlayer, 3), 0);
  for (int j = 1; j <= 4; ++j) g.PlayerInterest(kPlayer, j) = static_cast<std::int16_t>(30 + j);
  lookAt(7, 20);
  for (int j = 1; j <= 4; ++j) EXPECT_EQ(g.PlayerInterest(kPlayer, j), 30 + j);
}

TEST_F(Shortlisting, BudgetsDecideHowManyLooks) {
  MLSModule& g = mls();
  struct Case {
    int club;
    double money;
    int budget;
    std::size_t draws;
  };
  // Club 12 is an MLS place not in use; club 1 draws its own number first and draws again.
  const Case cases[] = {{kClub, 74'999, 0, 0}, {kClub, 150'000, 2, 2}, {12, 300'000, 4, 0}, {1, 75'000, 1, 3}};
  for (const Case& c : cases) {
    g.TeamMoney(kClub) = 0;
    g.TeamMoney(c.club) = c.money;
    rng().script({drawOf(1), drawOf(1), drawOf(2), drawOf(2)});
    shortlistPlayers(g);
    EXPECT_EQ(g.ScoutingFunding(c.club), c.budget) << c.club;
    EXPECT_EQ(4 - rng().scriptedLeft(), c.draws) << c.club;
    EXPECT_EQ(g.PlayerInterest(1, 1), 0) << "his own club's player: " << c.club;
    rng().clearScript();
    g.TeamMoney(c.club) = 0;
  }
}

TEST_F(Shortlisting, APoolOfOneEndsTheLookOfClubOne) {
  MLSModule& g = mls();
  g.TeamMoney(kClub) = 0;
  g.TeamMoney(1) = 75'000;
  g.NumPlayers = 1;
  rng().script({0.5});
  shortlistPlayers(g);
  EXPECT_EQ(rng().scriptedLeft(), 0u);
  EXPECT_EQ(g.PlayerInterest(1, 1), 0);
}

}  // namespace
}  // namespace kervale
