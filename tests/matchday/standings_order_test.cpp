// The one standings order: points, then goal difference, by the exchange sort.
#include "matchday/standings_order.h"

#include <gtest/gtest.h>

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
  record(5, 2, 0, 1, 3);  // level with 6 but for the goals scored, which do not count
  record(6, 2, 0, 1, 9);
  EXPECT_FALSE(ranksAbove(*game, 5, 6));
  EXPECT_FALSE(ranksAbove(*game, 6, 5));
  for (int i = 1; i <= 4; ++i) game->WestOrder(i) = i;
  sortStandings(*game, game->WestOrder, 4);
  EXPECT_EQ(west(4), (std::vector<int>{2, 4, 3, 1}));
  EXPECT_EQ(standingsPoints(*game, 2), 4);
  EXPECT_EQ(goalDifference(*game, 1), -5);
}

TEST_F(StandingsOrder, TheExchangeSortOfStoredLists) {
  struct Record {
    int club, wins, draws, gd, goalsFor;
  };
  struct Case {
    const char* name;
    std::vector<Record> records;
    std::vector<int> stored;
    int count;
    std::vector<int> sorted;
  };
  const std::vector<Case> cases = {
      {"level clubs keep their order whatever their goals scored",
       {{1, 2, 0, 1, 3}, {2, 2, 0, 1, 9}, {3, 2, 0, 1, 0}},
       {1, 2, 3},
       3,
       {1, 2, 3}},
      // 5, 5, 3 and 6 points, goal differences equal.
      {"a club carried down passes its equals",
       {{11, 1, 2, 0, 10}, {12, 1, 2, 0, 10}, {13, 1, 0, 0, 10}, {14, 2, 0, 0, 10}},
       {11, 12, 13, 14},
       4,
       {14, 12, 11, 13}},
      {"a sorted list is left as it is",
       {{5, 3, 0, 2, 10}, {6, 2, 1, 4, 10}, {7, 2, 1, 4, 10}, {8, 0, 0, -9, 10}},
       {5, 6, 7, 8},
       4,
       {5, 6, 7, 8}},
      {"empty counters", {}, {3, 1, 2}, 3, {3, 1, 2}},
      {"one club", {{2, 5, 0, 0, 10}}, {1, 2}, 1, {1, 2}},
      {"no club", {{2, 5, 0, 0, 10}}, {1, 2}, 0, {1, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    game = makeEmptyGame();
    for (const Record& r : c.records) record(r.club, r.wins, r.draws, r.gd, r.goalsFor);
    for (std::size_t i = 0; i < c.stored.size(); ++i) game->WestOrder(static_cast<int>(i) + 1) = c.stored[i];
    const int n = static_cast<int>(c.stored.size());
    for (int pass = 0; pass < 2; ++pass) {  // sorting again changes nothing
      sortStandings(*game, game->WestOrder, c.count);
      EXPECT_EQ(west(n), c.sorted);
    }
  }
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
