// The one standings order: points, then goal difference, by the exchange sort.
#include "matchday/standings_order.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "data/mls_module.h"

namespace kervale {
namespace {

class StandingsOrder : public ::testing::Test {
 protected:
  // Club c gets `wins` wins, `draws` draws and a goal difference of `gd`.
  void record(int club, int wins, int draws, int gd, int goalsFor = 10) {
    game->TeamWins(club) = wins;
    game->TeamDraws(club) = draws;
    game->TeamGoalsFor(club) = goalsFor;
    game->TeamGoalsAgainst(club) = goalsFor - gd;
  }
  void store(std::initializer_list<int> clubs) {
    int i = 0;
    for (int c : clubs) game->WestOrder(++i) = c;
  }
  std::vector<int> west(int n) const {
    std::vector<int> out;
    for (int i = 1; i <= n; ++i) out.push_back(static_cast<int>(game->WestOrder(i)));
    return out;
  }

  std::unique_ptr<MLSModule> game = makeEmptyGame();
};

TEST_F(StandingsOrder, PointsFirstThenGoalDifference) {
  record(1, 1, 0, -5);  // 3 points
  record(2, 0, 4, 9);   // 4 points, better goal difference but more points rank first anyway
  record(3, 1, 1, 2);   // 4 points
  record(4, 1, 1, 3);   // 4 points, the best goal difference of the three
  EXPECT_TRUE(ranksAbove(*game, 2, 1));
  EXPECT_FALSE(ranksAbove(*game, 1, 2));
  EXPECT_TRUE(ranksAbove(*game, 2, 3));
  EXPECT_TRUE(ranksAbove(*game, 4, 3));
  store({1, 2, 3, 4});
  sortStandings(*game, game->WestOrder, 4);
  EXPECT_EQ(west(4), (std::vector<int>{2, 4, 3, 1}));
  EXPECT_EQ(standingsPoints(*game, 2), 4);
  EXPECT_EQ(goalDifference(*game, 1), -5);
}

TEST_F(StandingsOrder, LevelClubsKeepTheirOrderWhateverTheirGoalsScored) {
  record(1, 2, 0, 1, 3);
  record(2, 2, 0, 1, 9);
  record(3, 2, 0, 1, 0);
  EXPECT_FALSE(ranksAbove(*game, 2, 1));
  EXPECT_FALSE(ranksAbove(*game, 1, 2));
  store({1, 2, 3});
  sortStandings(*game, game->WestOrder, 3);
  EXPECT_EQ(west(3), (std::vector<int>{1, 2, 3}));
}

TEST_F(StandingsOrder, AClubCarriedDownPassesItsEquals) {
  // Stored A, B, C, D with 5, 5, 3 and 6 points, goal differences equal.
  record(11, 1, 2, 0);
  record(12, 1, 2, 0);
  record(13, 1, 0, 0);
  record(14, 2, 0, 0);
  store({11, 12, 13, 14});
  sortStandings(*game, game->WestOrder, 4);
  EXPECT_EQ(west(4), (std::vector<int>{14, 12, 11, 13}));
}

TEST_F(StandingsOrder, ASortedListIsLeftAsItIs) {
  record(5, 3, 0, 2);
  record(6, 2, 1, 4);
  record(7, 2, 1, 4);
  record(8, 0, 0, -9);
  store({5, 6, 7, 8});
  sortStandings(*game, game->WestOrder, 4);
  EXPECT_EQ(west(4), (std::vector<int>{5, 6, 7, 8}));
  // Sorting again changes nothing either.
  sortStandings(*game, game->WestOrder, 4);
  EXPECT_EQ(west(4), (std::vector<int>{5, 6, 7, 8}));
}

TEST_F(StandingsOrder, EmptyCountersAndOneClubChangeNothing) {
  store({3, 1, 2});
  sortStandings(*game, game->WestOrder, 3);
  EXPECT_EQ(west(3), (std::vector<int>{3, 1, 2}));

  record(2, 5, 0, 0);
  store({1, 2});
  sortStandings(*game, game->WestOrder, 1);
  EXPECT_EQ(west(2), (std::vector<int>{1, 2}));
  sortStandings(*game, game->WestOrder, 0);
  EXPECT_EQ(west(2), (std::vector<int>{1, 2}));
}

TEST_F(StandingsOrder, ACountBeyondTheListStaysInsideIt) {
  for (int i = 1; i <= 8; ++i) {
    game->WestOrder(i) = i;
    record(i, i, 0, 0);
  }
  sortStandings(*game, game->WestOrder, 12);  // more places asked for than the list has
  EXPECT_EQ(west(8), (std::vector<int>{8, 7, 6, 5, 4, 3, 2, 1}));
  EXPECT_EQ(game->WestOrder(0), 0);
}

TEST_F(StandingsOrder, LeagueOrderColumnsSortOnlyTheirOwnPlaces) {
  for (int i = 1; i <= 14; ++i) {
    game->LeagueOrder(i, 12) = 224 + i;
    game->LeagueOrder(i, 11) = 224 + i;
  }
  record(237, 4, 0, 1);  // place 13
  record(238, 9, 0, 9);  // place 14, left out of the sort
  record(226, 4, 0, 2);  // place 2
  sortLeagueOrder(*game, 12, 13);
  EXPECT_EQ(game->LeagueOrder(1, 12), 226);
  EXPECT_EQ(game->LeagueOrder(2, 12), 237);
  EXPECT_EQ(game->LeagueOrder(14, 12), 238);
  EXPECT_EQ(game->LeagueOrder(1, 11), 225);  // another league untouched
}

}  // namespace
}  // namespace kervale
