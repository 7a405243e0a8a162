// How many defenders and midfielders a computer club lines up, from the
// shares of its fit outfield players' strengths.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <ostream>
#include <utility>

#include "matchday/lineup_picks.h"
#include "support/case_names.h"

namespace kervale::test {
namespace {

using namespace lineups;

struct Player {
  double keeping, defence, midfield, attack;
};

// Slots 1.. hold the players given, every one fit; the rest are unfit.
SquadView squadOf(std::initializer_list<Player> players) {
  SquadView squad;
  for (int s = 0; s <= kSlots; ++s) {
    squad.player[s] = 0;
    squad.keeping[s] = 0;
    for (auto& line : squad.rating) line[s] = 0;
    squad.fit[s] = false;
    squad.type[s] = kNoLine;
  }
  int s = 1;
  for (const Player& p : players) {
    squad.player[s] = s;
    squad.keeping[s] = p.keeping;
    squad.rating[kDefence][s] = p.defence;
    squad.rating[kMidfield][s] = p.midfield;
    squad.rating[kAttack][s] = p.attack;
    squad.fit[s] = true;
    ++s;
  }
  return squad;
}

std::pair<int, int> sizesOf(const SquadView& squad) {
  int d = -1, m = -1;
  lineSizes(squad, d, m);
  return {d, m};
}

struct SizesCase {
  const char* name;
  Player outfield;  // one player gives the shares: defence, midfield and attack out of ten
  int defenders, midfielders;
  friend void PrintTo(const SizesCase& c, std::ostream* os) { *os << c.name; }
};

class LineSizes : public ::testing::TestWithParam<SizesCase> {};

TEST_P(LineSizes, FollowTheSharesWithinTheirBounds) {
  const SizesCase& c = GetParam();
  EXPECT_EQ(sizesOf(squadOf({c.outfield})), std::make_pair(c.defenders, c.midfielders));
}

INSTANTIATE_TEST_SUITE_P(Shares, LineSizes,
                         ::testing::Values(SizesCase{"Balanced", {0, 4, 4, 2}, 4, 4},
                                           // Five midfielders at most: six becomes three at the back and five.
                                           SizesCase{"FiveMidfieldersStay", {0, 3, 5, 2}, 3, 5},
                                           SizesCase{"SixMidfieldersBecomeFive", {0, 3, 6, 1}, 3, 5},
                                           // Five defenders at most: each one more is a midfielder more than two.
                                           SizesCase{"FiveDefendersStay", {0, 5, 3, 2}, 5, 3},
                                           SizesCase{"SixDefendersBecomeFive", {0, 6, 3, 1}, 5, 3},
                                           // Nine defenders' share asks for 5 and 6: ten outfield places at most.
                                           SizesCase{"NineDefendersFitTen", {0, 9, 1, 0}, 5, 5},
                                           SizesCase{"AllDefence", {0, 10, 0, 0}, 5, 5},
                                           SizesCase{"ThreeDefendersAtLeast", {0, 1, 2, 7}, 3, 2},
                                           // Halves round to even: 4.5 to 4, 5.5 to 6.
                                           SizesCase{"HalvesRoundToEven", {0, 4.5, 4.5, 1}, 4, 4},
                                           SizesCase{"AHalfAboveFiveIsSix", {0, 5.5, 3.5, 1}, 5, 3},
                                           SizesCase{"NothingToShare", {0, 0, 0, 0}, 4, 4}),
                         PrintedCaseName());

TEST(LineSizesOfASquad, OnlyFitOutfieldPlayersCount) {
  // A keeper (keeping above one of his ratings) counts for no line.
  EXPECT_EQ(sizesOf(squadOf({{9, 1, 8, 1}, {0, 6, 3, 1}})), std::make_pair(5, 3));
  // Keeping above none of his ratings is an outfield player's.
  EXPECT_EQ(sizesOf(squadOf({{1, 1, 1, 8}, {0, 6, 3, 1}})), std::make_pair(4, 2));
  // No fit player: four and four.
  EXPECT_EQ(sizesOf(squadOf({})), std::make_pair(4, 4));
  SquadView unfit = squadOf({{0, 6, 3, 1}});
  unfit.fit[1] = false;
  EXPECT_EQ(sizesOf(unfit), std::make_pair(4, 4));
  // Shares are summed over the players.
  EXPECT_EQ(sizesOf(squadOf({{0, 8, 1, 1}, {0, 0, 5, 5}})), std::make_pair(4, 3));
}

}  // namespace
}  // namespace kervale::test
