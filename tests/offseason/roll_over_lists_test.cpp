// The roll-over's promotion and relegation in the English fixture lists:
// each list swaps the clubs that leave its division for those that join it,
// club for club as the lists are paired, and no other entry changes.
#include <map>
#include <set>

#include "offseason/new_season.h"
#include "offseason/offseason_game.h"

namespace kervale::test {
namespace {

// Premiership clubs 53..72, Division One 73..96, Two 97..120, Three 121..144,
// each in table order.
int club(int place, int league) {
  static constexpr int kFirst[] = {0, 53, 73, 97, 121};
  return kFirst[league] + place - 1;
}

// The Premiership list runs the other way, so that its last entry holds a
// relegated club.
int premiershipClub(int x) { return club(20 - x % 20, 1); }

class RollOverLists : public OffSeasonTest {
 protected:
  void SetUp() override {
    OffSeasonTest::SetUp();
    englishDivisionsInOrder();
    // Each list cycles through its division's clubs.
    for (int x = 1; x <= 1104; ++x) {
      for (int column = 1; column <= 3; ++column) g().EnglishLeagueFixture(x, column) = club(1 + x % 24, column + 1);
      if (x <= 760) g().PremiershipFixture(x) = premiershipClub(x);
    }
  }

  // What each club of a list became, checked to be one club at every entry.
  static std::map<int, int> changes(int column) {
    std::map<int, int> became;
    for (int x = 1; x <= 1104; ++x) {
      note(became, club(1 + x % 24, column + 1), static_cast<int>(g().EnglishLeagueFixture(x, column)), x);
    }
    return onlyMoved(became);
  }
  static std::map<int, int> premiershipChanges() {
    std::map<int, int> became;
    for (int x = 1; x <= 760; ++x) note(became, premiershipClub(x), static_cast<int>(g().PremiershipFixture(x)), x);
    return onlyMoved(became);
  }
  static void note(std::map<int, int>& became, int before, int after, int x) {
    const auto [at, fresh] = became.emplace(before, after);
    EXPECT_TRUE(fresh || at->second == after)
        << "club " << before << " became " << after << " at entry " << x << " but " << at->second << " before";
  }
  static std::map<int, int> onlyMoved(std::map<int, int> became) {
    std::erase_if(became, [](const auto& change) { return change.first == change.second; });
    return became;
  }
};

TEST_F(RollOverLists, ThePremiershipListTakesTheThreePromotedForTheThreeRelegated) {
  rollOverSeason(g());
  const std::map<int, int> expected = {{club(20, 1), club(1, 2)}, {club(19, 1), club(2, 2)}, {club(18, 1), club(3, 2)}};
  EXPECT_EQ(premiershipChanges(), expected);
}

TEST_F(RollOverLists, TheDivisionOneListSwapsBothWays) {
  rollOverSeason(g());
  const std::map<int, int> expected = {
      {club(1, 2), club(20, 1)}, {club(2, 2), club(19, 1)}, {club(3, 2), club(18, 1)},   // up to the Premiership
      {club(24, 2), club(1, 3)}, {club(23, 2), club(2, 3)}, {club(22, 2), club(3, 3)}};  // down to Two
  EXPECT_EQ(changes(1), expected);
}

TEST_F(RollOverLists, TheDivisionTwoListTakesThreeDownAndFourUp) {
  rollOverSeason(g());
  const std::map<int, int> expected = {{club(1, 3), club(24, 2)}, {club(2, 3), club(23, 2)}, {club(3, 3), club(22, 2)},
                                       {club(24, 3), club(1, 4)}, {club(23, 3), club(2, 4)}, {club(22, 3), club(3, 4)},
                                       {club(21, 3), club(4, 4)}};
  EXPECT_EQ(changes(2), expected);
}

TEST_F(RollOverLists, TheDivisionThreeListTakesTheFourRelegatedInItsOwnOrder) {
  rollOverSeason(g());
  const std::map<int, int> expected = {
      {club(1, 4), club(24, 3)}, {club(2, 4), club(22, 3)}, {club(3, 4), club(23, 3)}, {club(4, 4), club(21, 3)}};
  EXPECT_EQ(changes(3), expected);
}

TEST_F(RollOverLists, EachListEndsWithItsNewDivisionsClubs) {
  rollOverSeason(g());
  for (int column = 1; column <= 3; ++column) {
    std::set<int> listed;
    for (int x = 1; x <= 1104; ++x) listed.insert(static_cast<int>(g().EnglishLeagueFixture(x, column)));
    std::set<int> division;
    for (int place = 1; place <= 24; ++place) division.insert(static_cast<int>(g().LeagueOrder(place, column + 1)));
    EXPECT_EQ(listed, division) << "list " << column;
    for (int c : listed) EXPECT_EQ(g().EnglishDivision(c - 52), column + 1) << "club " << c;
  }
}

}  // namespace
}  // namespace kervale::test
