// The youth intake after the college draft: which clubs get young players,
// who they are, and which records they take.
#include "offseason/youth_intake.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "data/squad_floor.h"
#include "data/squad_moves.h"
#include "newgame/new_game_loader.h"
#include "offseason/offseason_game.h"
#include "offseason/youth_player.h"
#include "team/line_up.h"
#include "team/position_tag.h"

namespace kervale::test {
namespace {

constexpr int kEnglish = 60;  // a Division Two club
constexpr int kAmerican = 3;
constexpr double kHome = 5;    // the nation of most of every squad
constexpr double kLevel = 10;  // every player's best rating
constexpr int kSecondKeeper = 11;

class YouthIntake : public OffSeasonTest {
 protected:
  void SetUp() override {
    OffSeasonTest::SetUp();
    for (int c = 53; c <= 148; ++c) g().EnglishDivision(c - 52) = 2;
    // Every club holds sixteen: keepers in slots 1 and 11, a foreigner in slot 2.
    for (int c = 1; c <= kLastIntakeClub; ++c) {
      for (int s = 1; s <= kSquadFloor; ++s) {
        const bool keeper = s == 1 || s == kSecondKeeper;
        const int p = keeper ? addPlayer(c, s, kLevel, 2, 2, 2) : addPlayer(c, s, 1, kLevel, 6, 4);
        g().PlayerNation(p) = s == 2 ? 9 : kHome;
      }
    }
    g().YouthFirstNames = {"Oliver"};
    g().YouthLastNames = {"Ashworth"};
  }
  std::vector<int> intake() { return runYouthIntake(g(), first, last); }
  // Retires the players of the given slots, who stay in them as the season close leaves them.
  static void retire(int club, std::initializer_list<int> slots) {
    for (int s : slots) clearRetiredPlayer(g(), static_cast<int>(g().TeamSquad(s, club)));
  }
  static std::vector<int> squadOf(int club) {
    std::vector<int> players;
    for (int s = 1; s <= 20; ++s) {
      if (const int p = squadPlayer(g(), club, s)) players.push_back(p);
    }
    return players;
  }

  std::vector<std::string> first{"Amos"};
  std::vector<std::string> last{"Reed"};
};

TEST_F(YouthIntake, ClubsOfSixteenGetNobodyAndTheFirstSeasonsWorldStaysAsItWas) {
  const int players = g().NumPlayers;
  EXPECT_TRUE(intake().empty());
  EXPECT_EQ(g().NumPlayers, players);
  EXPECT_EQ(g().ClubNewsCount, 0);
}

TEST_F(YouthIntake, AShortClubIsFilledToSixteenWithAKeeperFirstWhenOneIsMissing) {
  retire(kEnglish, {1, 12, 13, 14});
  g().PlayerInjury(g().TeamSquad(5, kEnglish)) = 3;  // injured players still count
  const std::vector<int> made = intake();
  ASSERT_EQ(made.size(), 4U);
  EXPECT_EQ(namedSquadPlayers(g(), kEnglish, true), kSquadFloor);
  EXPECT_EQ(squadOf(kEnglish).size(), 16U);
  EXPECT_EQ(PositionTag(g(), made[0]), "G ") << "one keeper was left";
  EXPECT_EQ(g().TeamSquad(1, kEnglish), made[0]) << "the first free slot";
  for (int p : made) {
    EXPECT_EQ(g().PlayerTeam(p), kEnglish);
    EXPECT_EQ(g().PlayerName(p), "Oliver Ashworth") << "the youth names of a club outside North America";
    EXPECT_GE(g().PlayerAge(p), 17);
    EXPECT_LE(g().PlayerAge(p), 19);
    EXPECT_EQ(g().PlayerNation(p), kHome);
    EXPECT_EQ(g().PlayerContractYears(p), 2);
    EXPECT_EQ(g().PlayerForm(p), 50);
    EXPECT_EQ(g().PlayerBirthMonth(p), g().CurrentMonth);
    EXPECT_EQ(g().PlayerWage(p), newGameWage(g(), p)) << "an English club's own scale, below a draftee's";
    EXPECT_LT(g().PlayerWage(p), 120);
  }
  for (std::size_t k = 1; k < made.size(); ++k) EXPECT_NE(PositionTag(g(), made[k]), "G ") << "two keepers are enough";
}

TEST_F(YouthIntake, AnMlsNumberTheLeagueHasNotReachedGetsNobody) {
  g().MLSTeamCount = 12;
  retire(12, {16});
  retire(13, {15, 16});
  const std::vector<int> made = intake();
  ASSERT_EQ(made.size(), 1U);
  EXPECT_EQ(g().PlayerTeam(made[0]), 12) << "the league's last club";
  EXPECT_EQ(namedSquadPlayers(g(), 13, true), 14) << "its youths would never play";
}

TEST_F(YouthIntake, AnAmericanClubTakesTheDraftsNamesAndADrafteesWage) {
  retire(kAmerican, {15, 16});
  const std::vector<int> made = intake();
  ASSERT_EQ(made.size(), 2U);
  for (int p : made) {
    EXPECT_EQ(g().PlayerName(p), "Amos Reed");
    EXPECT_EQ(g().PlayerWage(p), 120);
  }
}

TEST_F(YouthIntake, RecordsAreFreeOnesNoSquadHoldsThenNewOnesUpToTheTablesEnd) {
  const int spare = addPlayer(0, 0, 1, 1, 1, 1);
  clearRetiredPlayer(g(), spare);                 // free, in no squad
  const int named = addPlayer(0, 0, 1, 5, 5, 5);  // a free agent keeps his record
  retire(kEnglish, {14, 15, 16});
  const int held = static_cast<int>(g().TeamSquad(16, kEnglish));
  const int before = g().NumPlayers;
  const std::vector<int> made = intake();
  ASSERT_EQ(made.size(), 3U);
  EXPECT_EQ(made[0], spare);
  EXPECT_EQ(made[1], before + 1);
  EXPECT_EQ(made[2], before + 2);
  EXPECT_EQ(g().NumPlayers, before + 2);
  EXPECT_EQ(std::count(made.begin(), made.end(), named), 0);
  EXPECT_EQ(std::count(made.begin(), made.end(), held), 0) << "not while it stood in a squad";
  EXPECT_EQ(g().PlayerName(named), "Player " + std::to_string(named));
}

TEST_F(YouthIntake, AFullTableStopsTheIntakeWithoutWritingPastIt) {
  retire(kAmerican, {16});
  retire(kEnglish, {15, 16});
  // Every record to the end named: one left past NumPlayers.
  while (g().NumPlayers < kLastPlayer - 1) addPlayer(0, 0, 1, 1, 1, 1);
  const std::vector<int> made = intake();
  ASSERT_EQ(made.size(), 1U);
  EXPECT_EQ(made[0], kLastPlayer);
  EXPECT_EQ(g().PlayerTeam(kLastPlayer), kAmerican);
  EXPECT_EQ(g().NumPlayers, kLastPlayer);
  EXPECT_EQ(namedSquadPlayers(g(), kEnglish, true), 14) << "nothing left for him";
}

TEST_F(YouthIntake, AClubWithNoFreeSlotStaysShort) {
  // Four slots hold players released by the club: named, but no longer his.
  for (int s = 13; s <= 16; ++s) g().PlayerTeam(g().TeamSquad(s, kEnglish)) = 0;
  for (int s = 17; s <= 20; ++s) addPlayer(kEnglish, s, 1, 1, 1, 1);
  for (int s = 17; s <= 20; ++s) g().PlayerTeam(g().TeamSquad(s, kEnglish)) = 0;
  EXPECT_TRUE(intake().empty());
  EXPECT_EQ(namedSquadPlayers(g(), kEnglish, true), 12);
}

TEST_F(YouthIntake, TheUsersClubNewsNamesEachNewPlayer) {
  g().MyTeam = kEnglish;
  retire(kEnglish, {15, 16});
  retire(kEnglish + 1, {16});
  intake();
  ASSERT_EQ(g().ClubNewsCount, 2);
  EXPECT_EQ(g().ClubNewsLine(0), "Oliver Ashworth joins the squad from the youth team.");
  EXPECT_EQ(g().ClubNewsLine(1), g().ClubNewsLine(0));
}

TEST_F(YouthIntake, WithoutTheGamesYouthNamesEveryClubTakesTheNorthAmericanOnes) {
  g().YouthFirstNames.clear();
  retire(kEnglish, {16});
  const std::vector<int> made = intake();
  ASSERT_EQ(made.size(), 1U);
  EXPECT_EQ(g().PlayerName(made[0]), "Amos Reed");
}

TEST_F(YouthIntake, AFullStrengthClubShortOfKeepersTakesThemWhileSlotsAreFree) {
  for (int s = 17; s <= 19; ++s) addPlayer(kEnglish, s, 1, kLevel, 6, 4);
  retire(kEnglish, {1});
  g().PlayerInjury(g().TeamSquad(kSecondKeeper, kEnglish)) = 4;  // a hurt keeper is no cover
  const std::vector<int> made = intake();
  ASSERT_EQ(made.size(), 2U) << "slots 1 and 20, the only free ones";
  EXPECT_EQ(g().TeamSquad(1, kEnglish), made[0]);
  EXPECT_EQ(g().TeamSquad(20, kEnglish), made[1]);
  for (int p : made) EXPECT_EQ(PositionTag(g(), p), "G ");
  EXPECT_FALSE(keeperWanted(g(), kEnglish));

  retire(kEnglish + 1, {1});
  for (int s = 17; s <= 20; ++s) addPlayer(kEnglish + 1, s, 1, kLevel, 6, 4);
  retire(kEnglish + 1, {12});
  ASSERT_EQ(intake().size(), 1U) << "a second keeper, and nobody more for a club of eighteen";
  EXPECT_EQ(PositionTag(g(), static_cast<int>(g().TeamSquad(1, kEnglish + 1))), "G ");
  EXPECT_TRUE(g().PlayerName(g().TeamSquad(12, kEnglish + 1)).empty()) << "slot 12 stays free";
}

// During a season a computer club below its floor calls up youths to its floor
// and no further; the user's club, an MLS number not yet in the league and a
// club short only of keepers call up nobody.
TEST_F(YouthIntake, DuringTheSeasonAComputerClubCallsUpYouthsToItsFloorOnly) {
  keepStartingSquads(g());  // every club began with sixteen
  g().UsaFirstNames = {"Cole"};
  g().UsaLastNames = {"Baker"};
  g().MLSTeamCount = 12;
  retire(kEnglish, {1, 14, 15});  // a keeper among them
  retire(kAmerican, {16});
  retire(g().MyTeam, {16});
  retire(13, {16});
  g().PlayerInjury(g().TeamSquad(kSecondKeeper, kEnglish + 1)) = 4;
  retire(kEnglish + 2, {16});
  g().PlayerInjury(g().TeamSquad(1, kEnglish + 2)) = 4;
  g().PlayerInjury(g().TeamSquad(kSecondKeeper, kEnglish + 2)) = 4;
  const std::vector<int> made = callUpYouths(g());
  ASSERT_EQ(made.size(), 5U);
  EXPECT_EQ(g().PlayerName(made[0]), "Cole Baker") << "a North-American club's names";
  EXPECT_EQ(g().PlayerTeam(made[0]), kAmerican);
  EXPECT_EQ(PositionTag(g(), made[1]), "G ") << "one keeper was left";
  EXPECT_EQ(g().PlayerTeam(made[4]), kEnglish + 2) << "both keepers hurt: one youth, a keeper, and no second";
  EXPECT_EQ(PositionTag(g(), made[4]), "G ");
  for (std::size_t k = 1; k < 4; ++k) {
    EXPECT_EQ(g().PlayerTeam(made[k]), kEnglish);
    EXPECT_EQ(g().PlayerName(made[k]), "Oliver Ashworth");
    EXPECT_LE(g().PlayerAge(made[k]), 19);
  }
  EXPECT_EQ(namedSquadPlayers(g(), kEnglish, true), kSquadFloor);
  EXPECT_EQ(namedSquadPlayers(g(), g().MyTeam, true), 15) << "the user mends his own squad";
  EXPECT_EQ(namedSquadPlayers(g(), 13, true), 15);
  EXPECT_EQ(namedSquadPlayers(g(), kEnglish + 1, true), kSquadFloor) << "a hurt keeper is no reason";
  EXPECT_EQ(g().ClubNewsCount, 0);
}

TEST_F(YouthIntake, AClubThatBeganWithFewerCallsUpToThatNumber) {
  keepStartingSquads(g());
  g().StartingSquad[kEnglish] = 12;
  retire(kEnglish, {13, 14, 15, 16});
  EXPECT_TRUE(callUpYouths(g()).empty()) << "twelve, as it began";
  retire(kEnglish, {12});
  EXPECT_EQ(callUpYouths(g()).size(), 1U);
  EXPECT_EQ(namedSquadPlayers(g(), kEnglish, true), 12);

  g().StartingSquad.clear();
  retire(kEnglish, {11});
  EXPECT_TRUE(callUpYouths(g()).empty()) << "a game not begun from the data files keeps no floor";
  keepStartingSquads(g());
  g().YouthFirstNames.clear();
  retire(kEnglish, {10});
  EXPECT_TRUE(callUpYouths(g()).empty()) << "no names, no youths";
}

}  // namespace
}  // namespace kervale::test
