// The roll-over at its thresholds: the places that move an English club's
// reputation, and the German lists, whose three clubs at the foot of the
// Bundesliga change places with the top three of the second division.
#include <map>

#include "offseason/new_season.h"
#include "offseason/offseason_game.h"

namespace kervale::test {
namespace {

class RollOverEdges : public OffSeasonTest {
 protected:
  void SetUp() override {
    OffSeasonTest::SetUp();
    englishDivisionsInOrder();
  }
  static int at(int place, int league) { return static_cast<int>(g().LeagueOrder(place, league)); }
};

TEST_F(RollOverEdges, ReputationsMoveOnlyFromTheirThresholdPlaces) {
  struct Case {
    int league, place;
    double before, after;
  };
  // Each starts at its division's base, so only the places move it.
  const Case cases[] = {
      {1, 5, 80, 90}, {1, 6, 80, 80}, {1, 17, 80, 80}, {1, 18, 80, 70},  // top five up, bottom three down
      {2, 6, 60, 65}, {2, 7, 60, 60}, {2, 21, 60, 60}, {2, 22, 60, 50},  // up 10, then 5 back to the base
      {3, 2, 50, 55}, {3, 3, 50, 50}, {3, 20, 50, 50}, {3, 21, 50, 40},
      {4, 3, 40, 45}, {4, 4, 40, 40}, {4, 24, 40, 40},  // no step down from the last division
  };
  for (const Case& c : cases) g().TeamReputation(at(c.place, c.league)) = c.before;
  std::map<int, double> expected;
  for (const Case& c : cases) expected[at(c.place, c.league)] = c.after;
  rollOverSeason(g());
  for (const auto& [club, reputation] : expected) EXPECT_EQ(g().TeamReputation(club), reputation) << "club " << club;
}

TEST_F(RollOverEdges, EveryWorkingCopyOfTheListsIsCleared) {
  for (int x = 1; x <= 1104; ++x) {
    for (int column = 1; column <= 3; ++column) g().EnglishLeagueFixtureWork(x, column) = 60;
    if (x <= 760) g().Fixture20Template(x) = 61;
    if (x <= 612) {
      g().GermanLeagueFixtureWork(x, 1) = 170;
      g().GermanLeagueFixtureWork(x, 2) = 190;
      g().FixtureSpare612B(x) = 1;
      g().FixtureSpare612C(x) = 2;
    }
    if (x <= 480) g().FixtureMLSWork(x) = 3;
  }
  rollOverSeason(g());
  for (int x : {1, 480, 612, 760, 1104}) {
    for (int column = 1; column <= 3; ++column) EXPECT_EQ(g().EnglishLeagueFixtureWork(x, column), 0) << x;
    if (x <= 760) {
      EXPECT_EQ(g().Fixture20Template(x), 0) << x;
    }
    if (x <= 612) {
      EXPECT_EQ(g().GermanLeagueFixtureWork(x, 1), 0) << x;
      EXPECT_EQ(g().GermanLeagueFixtureWork(x, 2), 0) << x;
      EXPECT_EQ(g().FixtureSpare612B(x), 0) << x;
      EXPECT_EQ(g().FixtureSpare612C(x), 0) << x;
    }
    if (x <= 480) {
      EXPECT_EQ(g().FixtureMLSWork(x), 0) << x;
    }
  }
}

TEST_F(RollOverEdges, TheChampionsLeagueIsDrawnFromTheNewOrderLists) {
  for (int s = 1; s <= 8; ++s) g().ChampionsQFScore(s) = 4.0;
  rollOverSeason(g());
  // Slot by slot: the new Premiership's places 1 and 2, Division One's 1 to 6
  // (the clubs relegated into it head its list).
  const int expected[] = {0, at(1, 1), at(6, 2), at(2, 2), at(4, 2), at(1, 2), at(5, 2), at(2, 1), at(3, 2)};
  for (int s = 1; s <= 8; ++s) {
    EXPECT_EQ(g().ChampionsQFTeam(s), expected[s]) << "slot " << s;
    EXPECT_EQ(g().ChampionsQFScore(s), 0.0) << "slot " << s;
  }
  EXPECT_EQ(g().ChampionsQFTeam(5), 70) << "the Premiership's eighteenth, relegated";
}

class GermanRollOver : public OffSeasonTest {
 protected:
  // Bundesliga 1 (league 5) clubs 165..182 and Bundesliga 2 (league 6)
  // 183..200 in table order; each fixture list cycles through its clubs.
  void SetUp() override {
    OffSeasonTest::SetUp();
    for (int place = 1; place <= 18; ++place) {
      g().LeagueOrder(place, 5) = 164 + place;
      g().LeagueOrder(place, 6) = 182 + place;
      g().TeamWins(164 + place) = 40 - place;
    }
    for (int x = 1; x <= 612; ++x) {
      g().GermanLeagueFixture(x, 1) = first(x);
      g().GermanLeagueFixture(x, 2) = second(x);
    }
  }
  static int first(int x) { return 182 - x % 18; }  // entry 612 holds the last club
  static int second(int x) { return 183 + x % 18; }
  // What each club of column `column` became; clubs that stay are left out.
  static std::map<int, int> changes(int column) {
    std::map<int, int> became;
    for (int x = 1; x <= 612; ++x) {
      const int before = column == 1 ? first(x) : second(x);
      const int after = static_cast<int>(g().GermanLeagueFixture(x, column));
      if (before != after) became[before] = after;
    }
    return became;
  }
};

TEST_F(GermanRollOver, TheFootOfTheBundesligaAndTheTopOfTheSecondChangePlaces) {
  rollOverSeason(g());
  EXPECT_EQ(changes(1), (std::map<int, int>{{180, 183}, {181, 184}, {182, 185}}));
  EXPECT_EQ(changes(2), (std::map<int, int>{{183, 180}, {184, 181}, {185, 182}}));
  EXPECT_EQ(g().GermanLeagueFixture(612, 1), 185) << "the last entry is moved too";
  for (int club : {183, 184, 185}) EXPECT_EQ(g().GermanDivision(club - 164), 1) << club;
  for (int club : {180, 181, 182}) EXPECT_EQ(g().GermanDivision(club - 164), 2) << club;
  EXPECT_EQ(g().LeagueOrder(16, 5), 183);
  EXPECT_EQ(g().LeagueOrder(1, 6), 180);
}

TEST_F(GermanRollOver, ListsOfLeaguesNotRunStayAsTheyAre) {
  g().LeagueSkipped(3) = 1;
  rollOverSeason(g());
  EXPECT_TRUE(changes(1).empty());
  EXPECT_TRUE(changes(2).empty());
}

}  // namespace
}  // namespace kervale::test
