// A youth player's make-up: the club's level and nation he is measured by,
// the area he plays, and his ratings as a share of that level.
#include "offseason/youth_player.h"

#include "data/squad_moves.h"
#include "offseason/offseason_game.h"

namespace kervale::test {
namespace {

class YouthPlayer : public OffSeasonTest {
 protected:
  void SetUp() override {
    OffSeasonTest::SetUp();
    for (int c = 53; c <= 148; ++c) g().EnglishDivision(c - 52) = c <= 72 ? 1 : 2;
  }
  std::vector<std::string> first{"Amos", "Ben"};
  std::vector<std::string> last{"Reed", "Shaw"};
  YouthNames names{&first, &last};
};

TEST_F(YouthPlayer, TheLevelIsTheMeanBestRatingOfTheClubElseOfItsLeague) {
  addPlayer(60, 1, 14, 2, 2, 2);
  addPlayer(60, 2, 1, 6, 9, 3);
  const int retired = addPlayer(60, 3, 1, 40, 1, 1);
  clearRetiredPlayer(g(), retired);  // an empty record in a slot counts for nothing
  EXPECT_DOUBLE_EQ(clubLevel(g(), 60), (14 + 9) / 2.0);

  addPlayer(61, 1, 1, 1, 1, 20);   // the Premiership, like 60
  addPlayer(100, 1, 1, 1, 1, 30);  // Division Two: another league
  EXPECT_DOUBLE_EQ(clubLevel(g(), 62), (14 + 9 + 20) / 3.0) << "an empty club takes its division's";
  EXPECT_DOUBLE_EQ(clubLevel(g(), 148), 30) << "the last English number plays in its division too";
  EXPECT_DOUBLE_EQ(clubLevel(g(), 17), 2) << "an empty league: the least level";
  addPlayer(17, 1, 1, 1, 1, 8);  // the A-League's first club
  EXPECT_DOUBLE_EQ(clubLevel(g(), 18), 8) << "an empty A-League club takes its league's";
}

TEST_F(YouthPlayer, TheNationIsTheCommonestAndTheLowestAmongEquals) {
  for (double nation : {7.0, 4.0, 7.0, 4.0})
    g().PlayerNation(addPlayer(230, g().NumPlayers % 20 + 1, 1, 5, 5, 5)) = nation;
  EXPECT_EQ(fittingNation(g(), 230), 4);
  g().PlayerNation(addPlayer(230, 5, 1, 5, 5, 5)) = 7;
  EXPECT_EQ(fittingNation(g(), 230), 7);
  EXPECT_EQ(fittingNation(g(), 231), 7) << "an empty club takes its league's";
  EXPECT_EQ(fittingNation(g(), 40), 0) << "nobody named in the league";
}

TEST_F(YouthPlayer, AKeeperFirstWhileFewerThanTwoAreFitThenTheDraftsNeed) {
  const int keeper = addPlayer(60, 1, 12, 2, 2, 2);
  addPlayer(60, 2, 1, 3, 9, 9);
  EXPECT_TRUE(keeperWanted(g(), 60));
  EXPECT_EQ(youthArea(g(), 60), 0) << "one keeper is no cover";
  const int second = addPlayer(60, 3, 9, 9, 2, 2);
  EXPECT_TRUE(keeperWanted(g(), 60)) << "keeping only equal to defence makes no keeper";
  g().PlayerGoalkeeping(second) = 9.5F;
  EXPECT_FALSE(keeperWanted(g(), 60));
  EXPECT_EQ(youthArea(g(), 60), 2) << "midfield is shortest";
  g().PlayerInjury(keeper) = 2;
  EXPECT_EQ(youthArea(g(), 60), 0) << "a hurt keeper does not count";
}

TEST_F(YouthPlayer, RatingsAreAShareOfTheClubsLevel) {
  for (int s = 1; s <= 4; ++s) addPlayer(60, s, 1, 10, 4, 4);
  rng().script({0.5, 0.0, 0.0, 0.5, 0.5, 0.5});  // Ben, Reed, the least share, the middle of the others
  const Newcomer defender = makeYouth(g(), 60, 1, names);
  EXPECT_EQ(defender.name, "Ben Reed");
  EXPECT_EQ(defender.defence, 7) << "65% of 10, rounded";
  EXPECT_EQ(defender.midfield, 3) << "40% of 7, rounded";
  EXPECT_EQ(defender.attack, 3);
  EXPECT_EQ(defender.keeping, 1);
  EXPECT_EQ(defender.ageFrom, 17);
  EXPECT_EQ(defender.ageSpan, 3);

  rng().script({0.0, 0.5, 0.9999, 0.0, 0.9999, 0.5});
  const Newcomer keeper = makeYouth(g(), 60, 0, names);
  EXPECT_EQ(keeper.name, "Amos Shaw");
  EXPECT_EQ(keeper.keeping, 9) << "95% of 10 is the most, rounded";
  EXPECT_EQ(keeper.defence, 1) << "a keeper's outfield ratings are at least 1";
  EXPECT_EQ(keeper.midfield, 3) << "30% of 9, rounded";
  EXPECT_EQ(keeper.attack, 2) << "20% of 9, rounded";
}

TEST_F(YouthPlayer, ALeagueGrownSinceTheNewGameBringsOnYouthOnItsOldScaleAboveItsFloor) {
  for (int s = 1; s <= 4; ++s) addPlayer(230, s, 1, 10, 4, 4);
  addPlayer(231, 1, 1, 1, 1, 30);
  addPlayer(100, 1, 1, 1, 1, 30);  // Division Two: another league
  EXPECT_EQ(leagueScale(g(), 230), 1) << "no starting levels: no scale";
  EXPECT_EQ(leagueFloor(g(), 230), 0) << "no starting levels: no floor";
  keepStartingLevels(g());
  ASSERT_EQ(g().StartingLevel.size(), static_cast<std::size_t>(kLastClub + 1));
  EXPECT_EQ(g().StartingLevel[230], 10);
  EXPECT_EQ(g().StartingLevel[232], 14) << "an empty club: the mean of its league's players";
  EXPECT_DOUBLE_EQ(leagueScale(g(), 230), 1);
  EXPECT_EQ(leagueFloor(g(), 231), 10) << "the weakest start in the league";
  EXPECT_EQ(leagueFloor(g(), 100), 30);

  // The league doubles its level: 230, 231 and the empty 232, 233, ... all follow.
  for (int p = 1; p <= g().NumPlayers; ++p) g().PlayerDefense(p) *= 2;
  for (int p = 1; p <= g().NumPlayers; ++p) g().PlayerAttack(p) *= 2;
  EXPECT_DOUBLE_EQ(leagueScale(g(), 230), 0.5);
  rng().script({0.0, 0.0, 0.5, 0.5, 0.5, 0.5});  // the middle share, 80%
  EXPECT_EQ(makeYouth(g(), 231, 3, names).attack, 24) << "80% of 60, on the old scale of 30";
  EXPECT_DOUBLE_EQ(leagueScale(g(), 100), 0.5);

  // 230, the weakest at the start, draws on the old scale below its floor,
  // which grew with the league: even its least youth is as good as the floor.
  rng().script({0.0, 0.0, 0.9999, 0.5, 0.5, 0.5});
  EXPECT_EQ(makeYouth(g(), 230, 1, names).defence, 20) << "95% of 10 is below the floor of 10, doubled";
  rng().script({0.0, 0.0, 0.0, 0.5, 0.5, 0.5});
  const Newcomer least = makeYouth(g(), 230, 1, names);
  EXPECT_EQ(least.defence, 20) << "65% is not taken of the floor";
  EXPECT_EQ(least.attack, 8) << "the other ratings a share of the floor: 40% of 20";
}

TEST_F(YouthPlayer, ADivisionsBigClubsStayBigAndItsFloorDoesNotGrow) {
  for (int s = 1; s <= 4; ++s) addPlayer(53, s, 1, 20, 4, 4);  // the Premiership's biggest
  for (int s = 1; s <= 4; ++s) addPlayer(54, s, 1, 10, 4, 4);  // and its smallest
  EXPECT_EQ(clubStanding(g(), 53), 1) << "no starting levels: every club stands alike";
  keepStartingLevels(g());
  // The 18 empty clubs start at the division's mean of 15, so the mean start is 15.
  EXPECT_DOUBLE_EQ(clubStanding(g(), 53), 20.0 / 15);
  EXPECT_DOUBLE_EQ(clubStanding(g(), 54), 10.0 / 15);
  EXPECT_DOUBLE_EQ(clubStanding(g(), 100), 1) << "Division Two's clubs all start at its mean";

  rng().script({0.0, 0.0, 0.5, 0.5, 0.5, 0.5});  // the middle share, 80%
  EXPECT_EQ(makeYouth(g(), 53, 1, names).defence, 28) << "80% of 20, times its standing squared";
  rng().script({0.0, 0.0, 0.0, 0.5, 0.5, 0.5});
  EXPECT_EQ(makeYouth(g(), 53, 1, names).defence, 23) << "the least share, 65%";
  rng().script({0.0, 0.0, 0.9999, 0.5, 0.5, 0.5});
  EXPECT_EQ(makeYouth(g(), 54, 1, names).defence, 10) << "5 is below the division's weakest start";

  // The division doubles its level: the big club's youths keep their old
  // scale, and the floor stays the weakest start.
  for (int p = 1; p <= g().NumPlayers; ++p) g().PlayerDefense(p) *= 2;
  rng().script({0.0, 0.0, 0.5, 0.5, 0.5, 0.5});
  EXPECT_EQ(makeYouth(g(), 53, 1, names).defence, 28);
  rng().script({0.0, 0.0, 0.9999, 0.5, 0.5, 0.5});
  EXPECT_EQ(makeYouth(g(), 54, 1, names).defence, 10) << "a league without relegation would give 20";
}

TEST_F(YouthPlayer, AnMlsNumberOutsideTheLeagueIsMeasuredByTheLeaguesClubs) {
  g().MLSTeamCount = 10;
  addPlayer(2, 1, 1, 12, 4, 4);
  addPlayer(9, 1, 1, 4, 4, 8);
  g().PlayerNation(addPlayer(12, 1, 1, 3, 3, 3)) = 6;  // a weak youth of an empty expansion slot
  EXPECT_DOUBLE_EQ(clubLevel(g(), 12), 10) << "the league's clubs, not its own youth";
  EXPECT_DOUBLE_EQ(clubLevel(g(), 14), 10);
  EXPECT_DOUBLE_EQ(clubLevel(g(), 2), 12) << "a club of the league keeps its own";
  EXPECT_EQ(fittingNation(g(), 12), 0);
  keepStartingLevels(g());
  for (int p = 1; p <= g().NumPlayers; ++p) g().PlayerDefense(p) *= 2;
  EXPECT_DOUBLE_EQ(leagueScale(g(), 12), 20.0 / 32.0) << "the league's clubs only";
  g().MLSTeamCount = 12;
  EXPECT_DOUBLE_EQ(clubLevel(g(), 12), 6) << "once in the league, its own";
}

TEST_F(YouthPlayer, AWeakClubsYouthStillHasABestRatingOfTwo) {
  addPlayer(40, 1, 1, 1, 1, 1);
  rng().script({0.0, 0.0, 0.0, 0.0, 0.0, 0.0});
  const Newcomer forward = makeYouth(g(), 40, 3, names);
  EXPECT_EQ(forward.attack, 2);
  EXPECT_EQ(forward.defence, 1);
}

}  // namespace
}  // namespace kervale::test
