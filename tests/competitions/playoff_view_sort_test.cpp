// How much of the table a playoff view sorts before it seeds: all eighteen
// places of the A-League and the D3 Pro League, and the clubs of one round
// (MLSMatchesPerRound) of each MLS conference, no more.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "competitions/playoff_views.h"
#include "data/mls_module.h"

namespace kervale {
namespace {

class PlayoffViewSort : public ::testing::Test {
 protected:
  PlayoffViewSort() {
    for (int c = 0; c <= kLastClub; ++c) g->TeamName(c) = "Club " + std::to_string(c);
  }
  // Clubs first.. in places 1..n of the order, the club in `best` with the most wins.
  template <class Order>
  void table(Order& order, int first, int n, int best) {
    for (int place = 1; place <= n; ++place) {
      const int club = first + place - 1;
      order(place) = club;
      g->TeamWins(club) = place == best ? 30 : 10;
    }
  }
  std::unique_ptr<MLSModule> g = makeEmptyGame();
};

TEST_F(PlayoffViewSort, TheALeagueSortsAllEighteenPlaces) {
  table(g->ALeagueOrder, 17, 18, 18);
  const BracketView view = bracketView(*g, 5);
  EXPECT_EQ(g->ALeagueOrder(1), 34) << "the leader from the last place";
  EXPECT_EQ(g->ALeaguePlayoffSFTeam(1), 34);
  ASSERT_TRUE(view.semis[1].has_value());
  EXPECT_EQ(view.semis[1]->club, "Club 34") << "the first seed's row";
}

TEST_F(PlayoffViewSort, TheD3LeagueSortsAllEighteenPlaces) {
  table(g->D3Order, 35, 18, 18);
  bracketView(*g, 7);
  EXPECT_EQ(g->D3Order(1), 52);
  EXPECT_EQ(g->D3PlayoffSFTeam(1), 52);
}

TEST_F(PlayoffViewSort, EachMlsConferenceSortsOneRoundsClubs) {
  g->PlayoffTeams = 8;
  g->MLSMatchesPerRound = 5;
  table(g->EastOrder, 1, 6, 5);   // the leader in the fifth place, the last of the conference
  table(g->WestOrder, 11, 6, 6);  // a sixth place lies beyond the conference: not sorted
  bracketView(*g, 0);
  EXPECT_EQ(g->EastOrder(1), 5);
  EXPECT_EQ(g->PlayoffQFTeam(1), 5) << "the East's first seed";
  EXPECT_EQ(g->WestOrder(1), 11);
  EXPECT_EQ(g->WestOrder(6), 16) << "left where it was";
  EXPECT_EQ(g->PlayoffQFTeam(5), 11) << "the West's first seed";
}

}  // namespace
}  // namespace kervale
