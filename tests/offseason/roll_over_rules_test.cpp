// Rules of the season's turn that hold at its ends: the grid's last round,
// the champions' reputations and the all-star squad's last places.
#include <memory>

#include "newgame/season_fixtures.h"
#include "offseason/new_season.h"
#include "offseason/offseason_game.h"
#include "offseason/season_summary.h"

namespace kervale::test {
namespace {

class RollOverRules : public OffSeasonTest {
 protected:
  void SetUp() override {
    OffSeasonTest::SetUp();
    englishDivisionsInOrder();
    g().MyTeam = 60;
  }
  static int at(int place, int league) { return static_cast<int>(g().LeagueOrder(place, league)); }
  // The roll-over and next season's grid, from the same draws each time.
  static void turnTheSeason() {
    rng().seed(5);
    rollOverSeason(g());
    placeNextSeasonGrid(g(), readLeagueSchedules(KERVALE_WORLD_DIR));
  }
};

TEST_F(RollOverRules, TheGridsLastRoundIsEmptiedLikeEveryOtherRound) {
  auto clean = std::make_unique<MLSModule>(g());
  for (int club = 1; club <= kLastClub; ++club) {
    for (int round : {1, kLastRound - 1, kLastRound}) {
      g().FixtureOpponent(club, round) = club == kLastClub ? 1 : club + 1;
      g().FixtureCompetition(club, round) = 1;
      g().FixtureVenue(club, round) = 1;
      g().FixtureScore(club, round) = 4;
    }
  }
  turnTheSeason();
  auto dirty = std::make_unique<MLSModule>(g());
  replaceGame(std::move(clean));
  turnTheSeason();
  for (int club = 1; club <= kLastClub; ++club) {
    for (int round : {1, kLastRound - 1, kLastRound}) {
      EXPECT_EQ(dirty->FixtureOpponent(club, round), g().FixtureOpponent(club, round)) << club << " " << round;
      EXPECT_EQ(dirty->FixtureCompetition(club, round), g().FixtureCompetition(club, round)) << club << " " << round;
      EXPECT_EQ(dirty->FixtureVenue(club, round), g().FixtureVenue(club, round)) << club << " " << round;
      EXPECT_EQ(dirty->FixtureScore(club, round), 0) << club << " " << round;
    }
  }
}

TEST_F(RollOverRules, TheChampionsOfEveryEnglishDivisionMoveTheirReputation) {
  struct Case {
    int league;
    double before, after;
  };
  const Case cases[] = {
      {1, 70, 85},                // up 5 towards 80, then 10 for the top five
      {1, 95, 100},               // down 5, then 10
      {2, 60, 65},                // 10 for promotion, then 5 back
      {3, 50, 55},  {4, 32, 42},  // 10, then 5 down past 40 and 5 back up
  };
  for (const Case& c : cases) {
    SetUp();
    g().TeamReputation(at(1, c.league)) = c.before;
    const int champion = at(1, c.league);
    rollOverSeason(g());
    EXPECT_EQ(g().TeamReputation(champion), c.after) << "league " << c.league << " from " << c.before;
  }
}

class AllStarLines : public OffSeasonTest {
 protected:
  // A player of more than 13 games whose average is `average`.
  int star(int club, int slot, double keeping, double defence, double midfield, double attack, double average) {
    const int p = addPlayer(club, slot, keeping, defence, midfield, attack);
    g().PlayerGamesSeason(p) = 20;
    g().PlayerRatingSumSeason(p) = 20 * average;
    return p;
  }
};

TEST_F(AllStarLines, EveryLineStaysWithinItsPlacesBestFirst) {
  // More players of every line than it has places; keepers' averages below
  // every outfielder's, as they also go through the outfield lines.
  const int keeper = star(1, 1, 15, 2, 2, 2, 6.5);
  star(2, 1, 14, 2, 2, 2, 6.4);
  int defenders[6], midfielders[6], forwards[6];
  for (int k = 0; k < 6; ++k) {
    defenders[k] = star(3 + k, 2, 1, 12, 5, 5, 7.0 + 0.1 * k);
    midfielders[k] = star(3 + k, 3, 1, 5, 12, 5, 7.5 + 0.1 * k);
    forwards[k] = star(3 + k, 4, 1, 5, 5, 12, 8.0 + 0.1 * k);
  }
  const AllStarSquad squad = pickAllStars(g(), 1);
  EXPECT_EQ(squad.player(g(), 1), keeper);
  const std::pair<int, int> lines[] = {{2, 4}, {5, 8}, {9, 11}};
  const int* best[] = {defenders, midfielders, forwards};
  for (int line = 0; line < 3; ++line) {
    for (int place = lines[line].first; place <= lines[line].second; ++place) {
      EXPECT_EQ(squad.player(g(), place), best[line][5 - (place - lines[line].first)]) << "place " << place;
    }
  }
  EXPECT_EQ(squad.club[0], 0) << "nothing below place 1";
  EXPECT_EQ(squad.best[0], 0);
  EXPECT_DOUBLE_EQ(squad.best[11], 8.3) << "the third forward, not a fourth";
}

TEST_F(AllStarLines, TiesDecideTheLineAsTheTestsRead) {
  const int level = star(1, 1, 1, 5, 12, 12, 9.0);    // midfield and attack level: a midfielder
  const int doubled = star(2, 1, 12, 2, 12, 2, 9.5);  // keeping only equals his midfield: no keeper
  const AllStarSquad squad = pickAllStars(g(), 1);
  EXPECT_EQ(squad.club[1], 0) << "no keeper";
  EXPECT_EQ(squad.player(g(), 5), doubled);
  EXPECT_EQ(squad.player(g(), 6), level);
  EXPECT_EQ(squad.club[9], 0) << "no forward";
}

}  // namespace
}  // namespace kervale::test
