#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/file_error.h"
#include "base/numbers.h"
#include "data/data_files.h"
#include "data/readers/reader_support.h"
#include "data/small_world.h"
#include "support/temp_dir.h"

namespace kervale {
namespace {

using test::clubRecord;
using test::playerRecord;
using test::quoted;
using test::TempDir;

// The message of the FileError the call throws, or "no error".
template <class Call>
std::string fileError(Call&& call) {
  try {
    call();
  } catch (const FileError& error) {
    return error.what();
  }
  return "no error";
}

// The valid club file with club's record replaced.
std::string withClub(int club, const std::string& record) {
  std::string clubs;
  for (int i = 1; i <= 285; ++i) {
    clubs += i == club ? record : clubRecord(i, "Club " + std::to_string(i), test::validDivision(i));
  }
  return clubs;
}

class ReadersTest : public ::testing::Test {
 protected:
  void SetUp() override { test::writeSmallWorld(dir); }
  TempDir dir;
  std::unique_ptr<MLSModule> game = makeEmptyGame();
};

TEST_F(ReadersTest, ClubRecordsFillTheClubTablesAndDivisionCopies) {
  std::string clubs = withClub(7, "\"Seven\",\"FC\",\"seven.gif\",1,\"Park\",12000,0.75,63,2,0,10,255,16,1,128\r\n");
  clubs.replace(0, clubs.find("\r\n") + 2, clubRecord(1, "Kansas City, Wizards", 1));
  dir.write("mlsdata2.dat", clubs);
  loadClubs(dir.path(), *game);
  EXPECT_EQ(game->TeamName(1), "Kansas City, Wizards");  // a quoted comma is part of the name
  EXPECT_EQ(game->TeamNickname(1), "Nick1");
  EXPECT_EQ(game->TeamName(2), "Club 2");
  EXPECT_EQ(game->TeamLogo(7), "seven.gif");
  EXPECT_EQ(game->TeamDivision(7), 1);
  EXPECT_EQ(game->StadiumCapacity(7), 12000);
  EXPECT_EQ(game->ManagerApproval(7), 0.75);
  EXPECT_EQ(game->TeamReputation(7), 63);
  EXPECT_EQ(game->TeamCupEntry(7), 2);
  EXPECT_EQ(game->TeamColour1(7), "&H00AFF");  // components 0, 10, 255
  EXPECT_EQ(game->TeamColour2(7), "&H10180");
  EXPECT_EQ(game->TeamColour2(8), "&H000000");
  EXPECT_EQ(game->EnglishDivision(1), game->TeamDivision(53));
  EXPECT_EQ(game->EnglishDivision(96), 4);
  EXPECT_EQ(game->GermanDivision(2), 2);   // club 166
  EXPECT_EQ(game->GermanDivision(40), 0);  // club 204 is not German
}

TEST_F(ReadersTest, ThirtyFiveTacticsKeepTheFirstThirty) {
  std::string tactics = test::tacticsFile(35);
  dir.write("tactics.dat", tactics);
  TacticsData data = readTactics(dir.path());
  applyTactics(data, *game);
  EXPECT_EQ(game->NumTactics, 30);
  EXPECT_EQ(game->TacticName(1), "Tactic 1");
  EXPECT_EQ(game->TacticName(30), "Tactic 30");
  EXPECT_EQ(game->TacticFactor(30, 2), 1.1);
  // The rest of the file is never read: cut it short and it still loads.
  const std::size_t record31 = tactics.find("\"Tactic 31\"");
  dir.write("tactics.dat", tactics.substr(0, record31) + "\"Broken");
  EXPECT_EQ(readTactics(dir.path()).names.size(), 30u);
}

TEST_F(ReadersTest, TacticalFilesFillTheirTables) {
  loadTacticalFiles(dir.path(), *game);
  EXPECT_EQ(game->NumFlows, 8);
  EXPECT_EQ(game->FlowName(8), "Flow 8");
  for (int zone = 1; zone <= 25; ++zone) {
    EXPECT_EQ(game->FlowTable1(zone, 3, 1), 26 - zone);
    EXPECT_EQ(game->FlowTable1(zone, 3, 2), zone);
  }
  EXPECT_EQ(game->FlowTable2(1, 1, 2), 2201);
  EXPECT_EQ(game->FlowTable3(7, 2, 1), 3107);
  EXPECT_EQ(game->FlowTable4(25, 8, 2), 4225);
  EXPECT_EQ(game->FlowTable4(0, 8, 2), 0);  // zone 0 is never written
  EXPECT_EQ(game->NumTactics, 5);
  EXPECT_EQ(game->NumFormations, 4);
  EXPECT_EQ(game->FormationName(4), "4-4-2 #4");
  EXPECT_EQ(game->FormationPos(2, 1), 1);
  EXPECT_EQ(game->FormationPos(2, 10), 3);
  EXPECT_EQ(game->FormationFlow(3), 2);
  EXPECT_EQ(game->NumPositions, 12);
  EXPECT_EQ(game->PositionName(12), "Pos 12");
  EXPECT_EQ(game->PositionPickWeight(5), 5);
  EXPECT_DOUBLE_EQ(game->PositionFactor(5, 1, 1), 0.511);
  EXPECT_DOUBLE_EQ(game->PositionFactor(12, 8, 3), 1.283);
}

TEST_F(ReadersTest, ReferenceFilesFillTheirTables) {
  loadNations(dir.path(), *game);
  loadCommentary(dir.path(), *game);
  loadSkills(dir.path(), *game);
  loadRefs(dir.path(), *game);
  loadSponsors(dir.path(), *game);
  EXPECT_EQ(game->NationName(3), "Nation 3");
  EXPECT_EQ(game->NationFlagFile(1), "flag1.gif");
  EXPECT_EQ(game->CommentaryLine(50), "Line 50");
  EXPECT_EQ(game->RatingWord(0), "Grade 0");
  EXPECT_EQ(game->AggressionWord(20), "Temper 20");
  EXPECT_EQ(game->SkillValueTable(4), 0);
  EXPECT_EQ(game->SkillValueTable(54), 540);
  EXPECT_EQ(game->NumRefs, 2);
  EXPECT_EQ(game->RefName(2), "Ref Two");
  EXPECT_EQ(game->RefStrictness(2), 9);
  EXPECT_EQ(game->NumSponsors, 3);
  EXPECT_EQ(game->SponsorName(3), "Sponsor 3");
  const auto names = readNameList(dir.path(), kGerLastNames);
  ASSERT_EQ(names.size(), 4u);
  EXPECT_EQ(names[3], "Last4");
}

TEST_F(ReadersTest, PlayerValuesLandInTheirTables) {
  loadPlayers(dir.path(), *game);
  EXPECT_EQ(game->NumPlayers, 80);
  EXPECT_EQ(game->PlayerName(2), "Bo Back");
  EXPECT_EQ(game->PlayerTeam(2), 20);
  EXPECT_EQ(game->PlayerGoalkeeping(1), 9.0f);
  // Each value in its own column: a swap of two columns shows here.
  const std::vector<double> read = {
      game->PlayerDefense(2),     game->PlayerMidfield(2),   game->PlayerAttack(2),         game->PlayerAge(2),
      game->PlayerNation(2),      game->PlayerAggression(2), game->PlayerTrainingFactor(2), game->PlayerBallControl(2),
      game->PlayerTackling(2),    game->PlayerPassing(2),    game->PlayerAttribute14(2),    game->PlayerShooting(2),
      game->PlayerHeading(2),     game->PlayerSpeed(2),      game->PlayerAttribute18(2),    game->PlayerAwareness(2),
      game->PlayerAttribute20(2), game->PlayerBirthMonth(2), game->PlayerBirthDay(2)};
  EXPECT_EQ(read, (std::vector<double>{9, 5, 3, 25, 3, 30, 4, 10, 11, 12, 14, 15, 16, 17, 18, 19, 20, 5, 17}));
  EXPECT_EQ(game->PlayerName(81), "");
}

// The world-edge tool learns from the readers where each checked number
// stands and which bounds hold it: a data file's own, not a save's.
TEST_F(ReadersTest, AWatcherIsToldOfEveryCheckedNumber) {
  std::vector<std::string> told;
  readers::watchCheckedNumbers([&](const readers::CheckedNumber& n) {
    if (n.fileName == "refs.dat" || n.name == "PlayerAge") {
      told.push_back(std::string(n.record) + "|" + std::to_string(n.valueNumber) + "|" + std::string(n.name) + "|" +
                     numText(n.value) + "|" + numText(n.low) + ".." + numText(n.high));
    }
  });
  readRefs(dir.path());
  readPlayers(dir.path());
  readers::watchCheckedNumbers({});
  readRefs(dir.path());
  ASSERT_EQ(told.size(), 3u + 80u);
  EXPECT_EQ(told[0], "|1|NumRefs|2|1..40");
  EXPECT_EQ(told[2], "referee 2|5|RefStrictness|9|0..100");
  EXPECT_EQ(told[4], "player 2|31|PlayerAge|25|0..60");
}

TEST_F(ReadersTest, SchedulesReadTeamsByRound) {
  const Schedule schedule = readSchedule(dir.path(), kFixt18Schedule);
  EXPECT_EQ(schedule.size(), 612);
  EXPECT_EQ(schedule.entry(1), 1);
  EXPECT_EQ(schedule.entry(612), 18);
  EXPECT_EQ(readSchedule(dir.path(), kFixt6Schedule).size(), 60);
}

// Each broken file gives its named error and leaves the game as it was.
class BrokenFileTest : public ReadersTest {
 protected:
  void SetUp() override {
    ReadersTest::SetUp();
    loadClubs(dir.path(), *game);
    loadPlayers(dir.path(), *game);
    loadTacticalFiles(dir.path(), *game);
    loadNations(dir.path(), *game);
    loadCommentary(dir.path(), *game);
    loadRefs(dir.path(), *game);
    loadSponsors(dir.path(), *game);
  }
  void expectUnchanged() {
    EXPECT_EQ(game->NumPlayers, 80);
    EXPECT_EQ(game->PlayerName(2), "Bo Back");
    EXPECT_EQ(game->PlayerTeam(2), 20);
    EXPECT_EQ(game->PlayerName(81), "");
    EXPECT_EQ(game->TeamName(1), "Club 1");
    EXPECT_EQ(game->TeamColour1(285), "&HFFFFFF");
    EXPECT_EQ(game->NumTactics, 5);
    EXPECT_EQ(game->TacticName(6), "");
    EXPECT_EQ(game->NumFormations, 4);
    EXPECT_EQ(game->FormationPos(1, 10), 3);
    EXPECT_EQ(game->NumFlows, 8);
    EXPECT_EQ(game->FlowTable1(1, 1, 1), 25);
    EXPECT_EQ(game->NumPositions, 12);
    EXPECT_EQ(game->NationName(1), "Nation 1");
    EXPECT_EQ(game->CommentaryLine(50), "Line 50");
    EXPECT_EQ(game->NumRefs, 2);
    EXPECT_EQ(game->NumSponsors, 3);
  }
};

using Load = void (*)(const std::filesystem::path&, MLSModule&);
const Load kClubs = [](const auto& d, auto& g) { loadClubs(d, g); };
const Load kPlayers = [](const auto& d, auto& g) { loadPlayers(d, g); };
const Load kTactical = [](const auto& d, auto& g) { loadTacticalFiles(d, g); };
const Load kSponsors = [](const auto& d, auto& g) { loadSponsors(d, g); };
template <const ScheduleLayout& layout>
void schedule(const std::filesystem::path& d, MLSModule&) {
  readSchedule(d, layout);
}

std::string flowWithNextZone26() {
  std::string flows = test::flowFile(1);
  flows.replace(flows.find(",3,"), 3, ",26,");  // table 1, side 2, zone 3
  return flows;
}

TEST_F(BrokenFileTest, EachFaultIsNamed) {
  std::string commentary;
  for (int k = 1; k <= 49; ++k) commentary += quoted("New " + std::to_string(k)) + "\r\n";
  const auto player = [](int club) { return playerRecord(club, "New", 1, 1, 1, 1); };
  const std::string nations =
      "\"ARV\",\"Arvenia\",\"flag 1.png\"\r\n\"ALB\",\"Albrenne\",\"flag 2.PNG\"\r\n\"HOL\",\"Hollenfeld\",\"\"\r\n";
  const struct {
    const char* file;
    std::string content;
    Load load;
    const char* error;
  } cases[] = {
      // Short files.
      {"commentary.dat", commentary, [](const auto& d, auto& g) { loadCommentary(d, g); },
       "commentary.dat: file ends after 49 values; more were expected"},
      {"players2.dat", "3\r\n" + player(1) + "2,\"New Two\",1,1,1", kPlayers,
       "players2.dat: player 2: file ends after 29 values; more were expected"},
      {"mlsdata2.dat", clubRecord(1, "Lonely", 1), kClubs,
       "mlsdata2.dat: club 2: file ends after 15 values; more were expected"},
      {"flow.dat", test::flowFile(2).substr(0, 500), kTactical,
       "flow.dat: flow 1: file ends after 119 values; more were expected"},
      {"fixt20.dat", test::scheduleFile(20, 37), schedule<kFixt20Schedule>,
       "fixt20.dat: round 38: file ends after 740 values; more were expected"},
      // Counts over their limits.
      {"formation.dat", test::formationFile(51), kTactical,
       "formation.dat: line 1, value 1: count is 51, outside 1 to 50"},
      {"flow.dat", test::flowFile(9), kTactical, "flow.dat: line 1, value 1: count is 9, outside 1 to 8"},
      {"Position.dat", test::positionFile(25, 8), kTactical,
       "Position.dat: line 1, value 1: count is 25, outside 1 to 24"},
      {"Position.dat", test::positionFile(3, 9), kTactical,
       "Position.dat: line 1, value 2: number of factor rows is 9, outside 1 to 8"},
      {"nat.dat", "286\r\n", [](const auto& d, auto& g) { loadNations(d, g); },
       "nat.dat: line 1, value 1: count is 286, outside 1 to 285"},
      {"nat.dat", "0\r\n", [](const auto& d, auto& g) { loadNations(d, g); },
       "nat.dat: line 1, value 1: count is 0, outside 1 to 285"},
      {"refs.dat", "41\r\n", [](const auto& d, auto& g) { loadRefs(d, g); },
       "refs.dat: line 1, value 1: count is 41, outside 1 to 40"},
      {"sponsors.dat", "101\r\n", kSponsors, "sponsors.dat: line 1, value 1: count is 101, outside 1 to 100"},
      {"sponsors.dat", "0\r\n", kSponsors, "sponsors.dat: line 1, value 1: count is 0, outside 1 to 100"},
      {"sponsors.dat", "2.5\r\n\"A\",\"B\",\"C\"\r\n", kSponsors,
       "sponsors.dat: line 1, value 1: count is 2.5, not a whole number"},
      {"players2.dat", "10001\r\n", kPlayers, "players2.dat: line 1, value 1: count is 10001, outside 1 to 10000"},
      {"players2.dat", "70000\r\n", kPlayers,
       "players2.dat: line 1, value 1 (\"70000\") is out of range for a 16-bit integer"},
      {"usafirst.dat", "0\r\n", [](const auto& d, auto&) { readNameList(d, kUsaFirstNames); },
       "usafirst.dat: line 1, value 1: count is 0, outside 1 to 1000000"},
      // A line written twice moves every field after it.
      {"nat.dat", "3\r\n3\r\n" + nations, [](const auto& d, auto& g) { loadNations(d, g); },
       "nat.dat: nation 1: line 3, value 4: flag file \"Arvenia\" is not a picture file"},
      {"nat.dat", "3\r\n" + nations.substr(0, nations.find("\"HOL\"")) + nations.substr(nations.find("\"ALB\"")),
       [](const auto& d, auto& g) { loadNations(d, g); },
       "nat.dat: nation 3: line 4, value 10: name \"Albrenne\" repeats nation 2"},
      // Bytes of a damaged file are shown masked.
      {"sponsors.dat", "1\r\nCaf\xC3\xA9\x07\r\n", kSponsors,
       "sponsors.dat: sponsor 1: line 2, value 2: name \"Caf???\" is not a quoted text"},
      // Values that index a table outside it.
      {"players2.dat", "3\r\n" + player(1) + player(300) + player(2), kPlayers,
       "players2.dat: player 2: line 3, value 25: club is 300, outside 0 to 285"},
      {"players2.dat", "1\r\n" + player(-1), kPlayers,
       "players2.dat: player 1: line 2, value 2: club is -1, outside 0 to 285"},
      {"players2.dat", "1\r\n" + playerRecord(17, "Too Good", 15, 15, 15, 10), kPlayers,
       "players2.dat: player 1: rating sum 55 of a player of club 17 is outside the wage table 0..54"},
      // Ages only grow, so a named player of age 0 is one no game can save.
      {"players2.dat",
       [] {
         std::string r = playerRecord(3, "Newborn", 1, 1, 1, 1);
         return "1\r\n" + r.replace(r.find(",25,"), 4, ",0,");
       }(),
       kPlayers, "players2.dat: player 1: a named player's age is 0"},
      // Values play grows from where the file leaves them keep below a save's
      // bounds: ages to 60, ratings to 100, seats to 200000, reputations to 200.
      {"players2.dat",
       [] {
         std::string r = playerRecord(3, "Ancient", 1, 1, 1, 1);
         return "1\r\n" + r.replace(r.find(",25,"), 4, ",61,");
       }(),
       kPlayers, "players2.dat: player 1: line 2, value 8: age is 61, outside 0 to 60"},
      {"players2.dat", "1\r\n" + playerRecord(3, "Strong", 1, 100.5, 1, 1), kPlayers,
       "players2.dat: player 1: line 2, value 5: defending is 100.5, outside 0 to 100"},
      {"mlsdata2.dat", withClub(5, "\"Big\",\"Ground\",\"\",0,\"Arena\",200001,0.5,50,0,0,0,0,0,0,0\r\n"), kClubs,
       "mlsdata2.dat: club 5: line 5, value 66: seats is 200001, outside 0 to 200000"},
      {"mlsdata2.dat", withClub(5, "\"Famed\",\"Club\",\"\",0,\"Arena\",0,0.5,201,0,0,0,0,0,0,0\r\n"), kClubs,
       "mlsdata2.dat: club 5: line 5, value 68: reputation is 201, outside 0 to 200"},
      // A count past the file's records is what is wrong.
      {"nat.dat", "40\r\n" + nations, [](const auto& d, auto& g) { loadNations(d, g); },
       "nat.dat: count 40 is more than the 3 nations the file holds"},
      {"tactics.dat", "32767\r\n" + test::tacticsFile(5).substr(3), kTactical,
       "tactics.dat: count 32767 is more than the 5 tactics the file holds"},
      {"fixt18.dat", test::scheduleFile(18, 2) + "1,2\r\n3,4\r\n5,1\r\n" + test::scheduleFile(18, 32),
       schedule<kFixt18Schedule>, "fixt18.dat: round 3: team 1 appears twice"},
      {"mls 10.dat", "1,11\r\n", schedule<kMls10Schedule>, "mls 10.dat: round 1: team 11 is outside 1..10"},
      {"mls 10.dat", "1,10.000000000000002\r\n", schedule<kMls10Schedule>,
       "mls 10.dat: round 1: team 10.000000000000002 is outside 1..10"},
      {"flow.dat", flowWithNextZone26(), kTactical,
       "flow.dat: flow 1: line 3, value 5: next zone of zone 3, side 2 is 26, outside 1 to 25"},
      {"formation.dat", test::formationFile(2, 13), kTactical,
       "formation.dat: formation 1: position of slot 10 13 is outside 1..12 (the positions of Position.dat)"},
      {"formation.dat", test::formationFile(2, 25), kTactical,
       "formation.dat: formation 1: line 2, value 12: position of slot 10 is 25, outside 1 to 24"},
      {"formation.dat", test::formationFile(2, 3, 0), kTactical,
       "formation.dat: formation 1: line 2, value 13: default flow is 0, outside 1 to 8"},
      {"Position.dat", test::positionFile(12, 3), kTactical,
       "Position.dat: number of factor rows 3 is below the 8 flows of flow.dat"},
      // A count cut short of its own file's records is refused in that file.
      {"Position.dat", "1" + test::positionFile(12, 8).substr(2), kTactical,
       "Position.dat: count 1 stops short of the values that follow it, and of position 2, the position of slot 2 "
       "of formation 1 of formation.dat"},
      {"flow.dat", "1" + test::flowFile(8).substr(1), kTactical,
       "flow.dat: count 1 stops short of the values that follow it, and of flow 2, the default flow of formation 1 "
       "of formation.dat"},
      // Club values the set-up indexes by.
      {"mlsdata2.dat", withClub(60, clubRecord(60, "Fifth Tier", 5)), kClubs,
       "mlsdata2.dat: club 60: line 60, value 889: division code is 5, outside 0 to 4"},
      {"mlsdata2.dat", withClub(146, clubRecord(146, "No Seats", 0)), kClubs,
       "mlsdata2.dat: club 146 has neither a division nor a seat count"},
      {"mlsdata2.dat", withClub(144, clubRecord(144, "Needs One", 0)), kClubs,
       "mlsdata2.dat: club 144 division 0 is outside 1..4"},
      {"mlsdata2.dat", withClub(77, clubRecord(77, "Crowded", 1)), kClubs,
       "mlsdata2.dat: club 77: more than 24 clubs in division 1"},
      {"mlsdata2.dat", withClub(210, clubRecord(210, "Lost Group", 0)), kClubs,
       "mlsdata2.dat: club 210 group 0 is outside 1..4"},
      {"mlsdata2.dat", withClub(5, "\"Bad\",\"Colour\",\"\",0,\"Ground\",0,0.5,50,0,255,256,0,0,0,0\r\n"), kClubs,
       "mlsdata2.dat: club 5: line 5, value 71: first colour component 2 is 256, outside 0 to 255"},
      {"mlsdata2.dat", withClub(5, "\"Bad\",\"Seats\",\"\",0,\"Ground\",lots,0.5,50,0,0,0,0,0,0,0\r\n"), kClubs,
       "mlsdata2.dat: club 5: line 5, value 66 (\"lots\") is not a number"},
  };
  for (const auto& c : cases) {
    dir.write(c.file, c.content);
    EXPECT_EQ(fileError([&] { c.load(dir.path(), *game); }), c.error);
    test::writeSmallWorld(dir);
  }
  expectUnchanged();
}

TEST_F(BrokenFileTest, NationsWithPictureFlagsLoad) {
  dir.write("nat.dat",
            "2\r\n\"A\",\"Arvenia\",\"flags/one.Jpeg\"\r\n\"B\",\"Brae\",\"two.bmp\"\r\n\"C\",\"Cul\",\"x\"\r\n");
  const NationsData nations = readNations(dir.path());
  ASSERT_EQ(nations.names.size(), 2u) << "what follows the count is not read";
  EXPECT_EQ(nations.flags[0], "flags/one.Jpeg");
  EXPECT_EQ(nations.names[1], "Brae");
}

TEST_F(BrokenFileTest, RatingSumWithinTheWageTable) {
  // 54.9 still indexes the table. MLS clubs and free agents are paid by
  // formula and may have any sum.
  dir.write("players2.dat", "3\r\n" + playerRecord(17, "Edge", 15, 15, 15, 9.9) +
                                playerRecord(16, "Mls Star", 20, 20, 20, 20) +
                                playerRecord(0, "Free Star", 20, 20, 20, 20));
  EXPECT_NO_THROW(readPlayers(dir.path()));
}

TEST_F(BrokenFileTest, ClubFileValuesTheSetUpIndexesBy) {
  // English clubs after 144 and German clubs may stand outside the divisions.
  std::string outside;
  for (int i = 1; i <= 285; ++i) {
    outside += i == 146 ? "\"Outside\",\"FC\",\"\",0,\"Ground\",4000,0.5,20,9,16,16,16,0,0,0\r\n"
                        : clubRecord(i, "New " + std::to_string(i), i == 170 ? 0 : test::validDivision(i));
  }
  dir.write("mlsdata2.dat", outside);
  EXPECT_NO_THROW(readClubs(dir.path()));

  std::string canada;
  for (int i = 1; i <= 285; ++i) canada += clubRecord(i, "C", i >= 20 && i <= 24 ? 2 : test::validDivision(i));
  dir.write("mlsdata2.dat", canada);
  EXPECT_EQ(fileError([&] { loadClubs(dir.path(), *game); }),
            "mlsdata2.dat: club 24 is a fifth Canada Cup club (division code 2); at most 4 are allowed");

  std::string cup;
  for (int i = 1; i <= 285; ++i) cup += clubRecord(i, "C", test::validDivision(i), i <= 7 ? 2 : 0);
  dir.write("mlsdata2.dat", cup);
  EXPECT_EQ(fileError([&] { loadClubs(dir.path(), *game); }),
            "mlsdata2.dat: only 45 of clubs 1..52 have a cup code other than 2; the cup draw needs 46");
  expectUnchanged();
}

TEST_F(BrokenFileTest, MissingFileIsNamed) {
  std::filesystem::remove(dir.path() / "refs.dat");
  EXPECT_EQ(fileError([&] { loadRefs(dir.path(), *game); }).rfind("refs.dat: ", 0), 0u);
  expectUnchanged();
}

}  // namespace
}  // namespace kervale
