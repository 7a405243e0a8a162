// The user's place that a season end records: in his English division's
// final order, else one more than the clubs of his own league ranked above
// him; nothing for a club that plays in no league.
#include "offseason/off_season.h"
#include "offseason/offseason_game.h"
#include "standin/stand_in_user.h"

namespace kervale::test {
namespace {

class UserPlace : public OffSeasonTest {
 protected:
  void SetUp() override {
    OffSeasonTest::SetUp();
    inWorldFiles();
    g().CurrentWeek = 42;
  }

  // Clubs first..last with one win each, `above` of them (from first) with two.
  static void league(int first, int last, int above) {
    for (int c = first; c <= last; ++c) g().TeamWins(c) = c < first + above ? 2 : 1;
  }

  static int placeAtSeasonEnd(int myTeam) {
    g().MyTeam = myTeam;
    const StandInUser player;
    const int ends = seasonEndsRun();
    runOffSeason();
    EXPECT_EQ(seasonEndsRun(), ends + 1) << "the season end ran";
    return lastSeasonEnd().place;
  }
};

TEST_F(UserPlace, TheLastClubOfTheLastEnglishDivisionIsFoundAtItsPlace) {
  englishDivisionsInOrder();
  EXPECT_EQ(placeAtSeasonEnd(144), 24);
}

TEST_F(UserPlace, ThePremiershipsLastPlaceIsTwenty) {
  englishDivisionsInOrder();
  EXPECT_EQ(placeAtSeasonEnd(72), 20);
}

TEST_F(UserPlace, AnEnglishClubOutsideTheLeaguesHasNoPlace) {
  englishDivisionsInOrder();
  EXPECT_EQ(placeAtSeasonEnd(145), 0);
}

TEST_F(UserPlace, TheLastMlsClubCountsOnlyTheClubsOfTheLeague) {
  league(1, 14, 0);
  g().TeamWins(3) = 3;
  g().TeamWins(12) = 5;  // beyond the ten MLS clubs: not in the league
  g().TeamWins(10) = 2;
  EXPECT_EQ(placeAtSeasonEnd(10), 2);
}

TEST_F(UserPlace, TheALeagueAndTheD3LeagueEachCountTheirOwnClubs) {
  league(17, 52, 0);
  for (int c : {17, 33, 35, 36, 37}) g().TeamWins(c) = 3;
  EXPECT_EQ(placeAtSeasonEnd(34), 3) << "the A-League's last club: 17 and 33 above";
}

TEST_F(UserPlace, TheD3LeaguesFirstClubCountsItsOwnLeague) {
  league(17, 52, 0);
  for (int c : {17, 33, 34, 52}) g().TeamWins(c) = 3;
  EXPECT_EQ(placeAtSeasonEnd(35), 2) << "only 52 of its league above";
}

TEST_F(UserPlace, TheAustralianLeagueRunsFrom225To237) {
  league(224, 238, 0);
  for (int c : {224, 225, 238}) g().TeamWins(c) = 3;
  EXPECT_EQ(placeAtSeasonEnd(237), 2) << "only 225 of its league above";
}

TEST_F(UserPlace, TheFirstAustralianClubCountsItsOwnLeague) {
  league(224, 238, 0);
  for (int c : {224, 237}) g().TeamWins(c) = 3;
  EXPECT_EQ(placeAtSeasonEnd(225), 2) << "only 237 of its league above";
}

TEST_F(UserPlace, TheFirstALeagueClubSeesTheLastAboveIt) {
  league(17, 52, 0);
  for (int c : {16, 34, 35}) g().TeamWins(c) = 3;
  EXPECT_EQ(placeAtSeasonEnd(17), 2) << "only 34 of its league above";
}

TEST_F(UserPlace, TheLastD3ClubCountsItsOwnLeague) {
  league(17, 53, 0);
  for (int c : {34, 35, 53}) g().TeamWins(c) = 3;
  EXPECT_EQ(placeAtSeasonEnd(52), 2) << "only 35 of its league above";
}

TEST_F(UserPlace, AnMlsOfSixteenEndsAtClubSixteen) {
  g().MLSTeamCount = 16;
  league(1, 20, 0);
  for (int c : {1, 17, 18}) g().TeamWins(c) = 3;
  EXPECT_EQ(placeAtSeasonEnd(16), 2) << "only 1 of its league above";
}

TEST_F(UserPlace, ClubsOfNoRankedLeagueHaveNoPlace) {
  EXPECT_EQ(placeAtSeasonEnd(224), 0);
  EXPECT_EQ(placeAtSeasonEnd(238), 0);
}

}  // namespace
}  // namespace kervale::test
