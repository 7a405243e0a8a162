#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/file_error.h"
#include "newgame/loader_steps.h"
#include "newgame/new_game_loader.h"
#include "newgame/newgame_worlds.h"
#include "shell/saved_game.h"
#include "support/case_names.h"

namespace kervale {
namespace {

using test::ClubRecord;
using test::playerRecord;

class LoaderTest : public ::testing::Test {
 protected:
  std::unique_ptr<MLSModule> load(std::uint64_t seed = 1) {
    return loadNewGame(world.path(), {}, LoaderOptions{seed, &tables});
  }
  test::SmallWorld world;
  NewGameScreenTables tables;
};

TEST_F(LoaderTest, StartsTheCalendarAndLeavesTheRunningGameAlone) {
  auto running = makeEmptyGame();
  running->TeamName(1) = "Running";
  replaceGame(std::move(running));
  const auto g = load();
  EXPECT_EQ(mls().TeamName(1), "Running");
  replaceGame(nullptr);
  EXPECT_EQ(g->MyTeam, 1);
  EXPECT_EQ(g->CurrentWeek, 0);
  EXPECT_EQ(g->CurrentSeason, 1);
  EXPECT_EQ(g->CurrentMonth, 1);
  EXPECT_EQ(g->MonthDay, 1);
  EXPECT_EQ(g->DayName(7), "Sunday");
  EXPECT_EQ(g->D3Order(18), 52);
  EXPECT_EQ(g->BackgroundPicture, "");  // no pic.dat
  EXPECT_EQ(g->TeamKeyPlayerSlot(285), 10);
  EXPECT_TRUE(g->TeamSaveItem27(3).isNumber());
  world.write("pic.dat", "\"/home/me/pictures/stadium.jpg\"\r\n");
  EXPECT_EQ(load()->BackgroundPicture, "/home/me/pictures/stadium.jpg");
}

TEST_F(LoaderTest, StaffFromTheNameListsSameForTheSameSeed) {
  const auto a = load(42);
  const auto b = load(42);
  const auto c = load(43);
  int sameAsOther = 0;
  std::set<std::string> names;
  for (int i = 1; i <= 300; ++i) {
    EXPECT_EQ(a->CoachName(i), b->CoachName(i));
    EXPECT_EQ(a->CoachAge(i), b->CoachAge(i));
    sameAsOther += a->CoachAge(i) == c->CoachAge(i) ? 1 : 0;
    EXPECT_GE(a->CoachAge(i), 25);
    EXPECT_LE(a->CoachAge(i), 69);
    EXPECT_EQ(a->CoachName(i).rfind("First", 0), 0u) << a->CoachName(i);
    EXPECT_NE(a->CoachName(i).find(" Last"), std::string::npos) << a->CoachName(i);
    EXPECT_NE(a->ScoutName(i), "");
    names.insert(a->CoachName(i));
  }
  for (int k = 1; k <= 52; ++k) EXPECT_EQ(a->USCupRound1Team(k), b->USCupRound1Team(k));
  EXPECT_LT(sameAsOther, 100);
  EXPECT_GT(names.size(), 5u);
}

TEST_F(LoaderTest, KeepsTheYouthNamesAndTheClubsLevelsButSavesNeither) {
  world.write("engfirst.dat", test::countedNames(230, "Young"));  // more than the 200 kept
  const auto g = load();
  ASSERT_EQ(g->YouthFirstNames.size(), 200U);
  EXPECT_EQ(g->YouthFirstNames.front(), "Young1");
  EXPECT_EQ(g->YouthFirstNames.back(), "Young200");
  EXPECT_EQ(g->YouthLastNames, (std::vector<std::string>{"Last1", "Last2", "Last3", "Last4"}));
  ASSERT_EQ(g->StartingLevel.size(), static_cast<std::size_t>(kLastClub + 1));
  for (int c = 1; c <= kLastClub; ++c) EXPECT_GE(g->StartingLevel[static_cast<std::size_t>(c)], 1) << c;
  // Whole games live on the heap: they are too large for the stack.
  auto without = std::make_unique<MLSModule>(*g);
  without->CurrentWeek = 1;  // a saved game is of a started season
  without->PlayoffTeams = 4;
  without->YouthFirstNames.clear();
  without->YouthLastNames.clear();
  without->StartingLevel.clear();
  auto with = std::make_unique<MLSModule>(*without);
  with->YouthFirstNames = g->YouthFirstNames;
  with->YouthLastNames = g->YouthLastNames;
  with->StartingLevel = g->StartingLevel;
  EXPECT_EQ(savedGameText(*without), savedGameText(*with)) << "no item of a saved game";
  const auto loaded = parseSavedGame("a.usa", savedGameText(*without), *with);
  EXPECT_EQ(loaded->YouthFirstNames, g->YouthFirstNames) << "a loaded game keeps the running one's";
  EXPECT_EQ(loaded->StartingLevel, g->StartingLevel);
}

TEST_F(LoaderTest, DerivesWagesFromRatingsByLeague) {
  world.write("players2.dat",
              "5\r\n" + playerRecord(20, "A-League", 1.7f, 9, 10, 10) + playerRecord(0, "Free Agent", 1.7f, 9, 10, 10) +
                  playerRecord(101, "Division Three", 0, 10, 10, 10) + playerRecord(53, "Premiership", 0, 10, 10, 10) +
                  playerRecord(20, "Low Sum", 1, 1, 1, 1));
  const auto g = load();
  EXPECT_EQ(g->PlayerWage(1), g->SkillValueTable(30));
  EXPECT_EQ(g->PlayerWage(1), 300);
  EXPECT_NEAR(g->PlayerWage(2), 614, 1e-3);
  EXPECT_EQ(g->PlayerWage(3), 15);  // CInt(2 x 7.5)
  EXPECT_EQ(g->PlayerWage(4), 30);
  EXPECT_EQ(g->PlayerWage(5), 0);  // sum 4: no wage value
  for (int p = 1; p <= 5; ++p) {
    EXPECT_GE(g->PlayerForm(p), 40);
    EXPECT_LE(g->PlayerForm(p), 59);
    EXPECT_GE(g->PlayerContractYears(p), 1);
    EXPECT_LE(g->PlayerContractYears(p), 5);
    EXPECT_EQ(g->PlayerTeamOfWeekCount(p), 0);
  }
}

std::string playerBornOn(int club, int month, int day) {
  std::string record = playerRecord(club, "Born", 1, 1, 1, 1);
  // The last two values are the birth month and day.
  const std::size_t cut = record.rfind(",5,17");
  return record.substr(0, cut) + "," + std::to_string(month) + "," + std::to_string(day) + "\r\n";
}

TEST_F(LoaderTest, CorrectsImpossibleBirthDates) {
  std::string file = "43\r\n" + playerBornOn(1, 2, 30) + playerBornOn(1, 7, 40) + playerBornOn(1, 4, 31);
  for (int i = 0; i < 40; ++i) file += playerBornOn(2, 13, 31);
  world.write("players2.dat", file);
  const auto g = load();
  EXPECT_EQ(g->PlayerBirthMonth(1), 2);
  EXPECT_EQ(g->PlayerBirthDay(1), 28);
  EXPECT_EQ(g->PlayerBirthMonth(2), 7);
  EXPECT_GE(g->PlayerBirthDay(2), 1);
  EXPECT_LE(g->PlayerBirthDay(2), 30);
  EXPECT_EQ(g->PlayerBirthDay(3), 31);  // only days above 31 are corrected
  std::set<double> months;
  for (int p = 4; p <= 43; ++p) {
    months.insert(g->PlayerBirthMonth(p));
    EXPECT_GE(g->PlayerBirthMonth(p), 1);
    EXPECT_LE(g->PlayerBirthMonth(p), 12);
    EXPECT_EQ(g->PlayerBirthDay(p), g->PlayerBirthMonth(p) == 2 ? 28 : 31);
  }
  EXPECT_GT(months.size(), 4u);
}

TEST_F(LoaderTest, MendsABirthDayOrMonthOfZeroAsOnePastTheEnd) {
  std::string file = "40\r\n";
  for (int i = 0; i < 20; ++i) file += playerBornOn(1, 5, 0) + playerBornOn(2, 0, 9);
  world.write("players2.dat", file);
  const auto g = load();
  std::set<double> days;
  std::set<double> months;
  for (int p = 1; p <= 40; p += 2) {
    EXPECT_EQ(g->PlayerBirthMonth(p), 5);
    EXPECT_GE(g->PlayerBirthDay(p), 1);
    EXPECT_LE(g->PlayerBirthDay(p), 30);
    days.insert(g->PlayerBirthDay(p));
    EXPECT_GE(g->PlayerBirthMonth(p + 1), 1);
    EXPECT_LE(g->PlayerBirthMonth(p + 1), 12);
    EXPECT_EQ(g->PlayerBirthDay(p + 1), 9);
    months.insert(g->PlayerBirthMonth(p + 1));
  }
  EXPECT_GT(days.size(), 4u) << "drawn, as a day above 31 is";
  EXPECT_GT(months.size(), 4u);
}

TEST_F(LoaderTest, FillsSquadsAndStrengths) {
  std::string file = "27\r\n";
  for (int i = 1; i <= 23; ++i) file += playerRecord(5, "Squad " + std::to_string(i), 1, 6, i == 23 ? 27 : 4, 3);
  file += playerRecord(6, "Half A", 1, 0.5, 1, 1) + playerRecord(6, "Half B", 1, 2.5, 1, 1);
  file += playerRecord(0, "Free", 1, 1, 1, 1) + playerRecord(7, "Alone", 1, 50, 40, 30);
  world.write("players2.dat", file);
  const auto g = load();
  EXPECT_EQ(g->TeamSquadCount(5), 23);
  for (int s = 1; s <= 20; ++s) EXPECT_EQ(g->TeamSquad(s, 5), s);
  EXPECT_EQ(g->TeamSquad(0, 5), 0);
  EXPECT_EQ(tables.DefenseStrength(5), 6);
  EXPECT_EQ(tables.MidfieldStrength(5), 5);  // (22 x 4 + 27) / 23 over all 23
  EXPECT_EQ(tables.AttackStrength(5), 3);
  EXPECT_EQ(tables.OverallStrength(5), 5);  // CInt(14 / 3)
  // The running sum is rounded at each addition: CInt(0.5) = 0, then 2.
  EXPECT_EQ(tables.DefenseStrength(6), 1);
  EXPECT_EQ(tables.DefenseStrength(7), 50);
  EXPECT_EQ(tables.OverallStrength(7), 40);  // CInt(120 / 3)
  EXPECT_EQ(g->TeamSquadCount(0), 1);
  for (int t : {1, 8, 285}) {
    EXPECT_EQ(tables.DefenseStrength(t), 1);
    EXPECT_EQ(tables.OverallStrength(t), 1);
  }
}

// The last tactic of the list is never drawn, unless it is the only one (a
// club without a tactic makes saves no game loads); a default flow of 6
// becomes 3 or 4.
TEST_F(LoaderTest, DrawsTacticsAndFlows) {
  std::set<double> drawn;
  const auto first = load();
  for (const double t : first->TeamTactic) drawn.insert(t);
  EXPECT_EQ(drawn, (std::set<double>{0, 1, 2, 3, 4}));  // index 0 is no club
  world.write("tactics.dat", test::tacticsFile(2));
  const auto two = load();
  for (int t = 1; t <= 285; ++t) EXPECT_EQ(two->TeamTactic(t), 1) << "club " << t << " drew the last of two";
  world.write("tactics.dat", test::tacticsFile(1));
  world.write("formation.dat", test::formationFile(3, 3, 6));
  const auto g = load();
  std::set<int> flows;
  for (int t = 1; t <= 285; ++t) {
    flows.insert(g->TeamFlow(t));
    EXPECT_EQ(g->TeamTactic(t), 1);
    EXPECT_GE(g->TeamFormation(t), 1);
    EXPECT_LE(g->TeamFormation(t), 3);
    EXPECT_EQ(g->TeamPosition(10, t), 3);
  }
  EXPECT_EQ(flows, (std::set<int>{3, 4}));
}

TEST_F(LoaderTest, SeedsTheCups) {
  world.write("mlsdata2.dat", test::clubFileWith([](int i, ClubRecord& c) {
                if (i >= 41 && i <= 46) c.cupEntry = 2;
                if (i == 30 || i == 33) c.division = 2;
              }));
  const auto g = load();
  std::set<double> entrants;
  for (int k = 1; k <= 52; ++k) {
    const double club = g->USCupRound1Team(k);
    if (k >= 41 && k <= 46) {
      EXPECT_EQ(club, 0) << "slot " << k;
    }
    if (club != 0) entrants.insert(club);
  }
  // Every club of 1..52 but the MLS numbers not in use, each once, in the 46 open slots.
  EXPECT_EQ(entrants.size(), 46u);
  for (int i = 11; i <= 16; ++i) EXPECT_EQ(entrants.count(i), 0u);
  EXPECT_EQ(g->CanadaCupSFTeam(1), 30);
  EXPECT_EQ(g->CanadaCupSFTeam(2), 33);
  EXPECT_EQ(g->CanadaCupSFTeam(3), 0);
  // Drawn without repeats from their range.
  const auto expectDistinctIn = [](auto team, int count, double low, double high) {
    std::set<double> clubs;
    for (int i = 1; i <= count; ++i) clubs.insert(team(i));
    EXPECT_EQ(clubs.size(), static_cast<std::size_t>(count));
    EXPECT_GE(*clubs.begin(), low);
    EXPECT_LE(*clubs.rbegin(), high);
  };
  expectDistinctIn([&](int i) { return g->CopaSFTeam(i); }, 4, 268, 279);
  expectDistinctIn([&](int i) { return g->ChampionsQFTeam(i); }, 8, 240, 258);
  EXPECT_EQ(g->PremiershipChampionHistory(0), 53);
}

// Too few cup slots would leave the first-round draw redrawing for ever: the
// load stops with an error naming the club file instead.
TEST_F(LoaderTest, CupDrawWithoutEnoughSlotsStops) {
  world.write("mlsdata2.dat", test::clubFileWith([](int i, ClubRecord& c) {
                if (i >= 40 && i <= 46) c.cupEntry = 2;
              }));
  try {
    load();
    FAIL() << "a club file with 45 cup slots for 46 clubs loaded";
  } catch (const FileError& error) {
    EXPECT_EQ(error.fileName(), "mlsdata2.dat");
  }
}

TEST_F(LoaderTest, BuildsSchedulesStandingsOrdersAndThePickList) {
  const auto g = load();
  // Clubs 1..10 alternate between the conferences.
  EXPECT_EQ(g->EastOrder(1), 2);
  EXPECT_EQ(g->EastOrder(5), 10);
  // English divisions of 24 clubs (53..76, 77..100, ...) and clubs 125..144 of division 4.
  EXPECT_EQ(g->LeagueOrder(24, 2), 100);
  EXPECT_EQ(g->LeagueOrder(20, 4), 144);
  EXPECT_EQ(g->LeagueOrder(21, 4), 0);
  // Local numbers of the 24-club schedule become the division's clubs.
  EXPECT_EQ(g->EnglishLeagueFixture(2, 2), 102);
  EXPECT_EQ(g->PremiershipFixture(1), 0);  // never filled at a new game
  EXPECT_EQ(g->Fixture20Clubs(1), 205);
  EXPECT_EQ(g->Fixture12Template(2), 146);
  // The fourteenth Australian team is the free one.
  EXPECT_EQ(g->Fixture14Template(13), 237);
  EXPECT_EQ(g->Fixture14Template(14), 0);
  EXPECT_EQ(g->LeagueOrder(13, 12), 237);
  // German clubs alternate between the two divisions (165, 167, ... in division 1).
  EXPECT_EQ(g->LeagueOrder(1, 6), 166);
  EXPECT_EQ(g->GermanLeagueFixture(2, 2), 168);
  // Mexican groups: clubs 205, 209, ... in group 1.
  EXPECT_EQ(g->LeagueOrder(2, 8), 209);
  EXPECT_EQ(g->LeagueOrder(5, 11), 224);
  // The club picker's pages skip the numbers not in use.
  const int expected[][2] = {{10, 10}, {11, 17}, {46, 52}, {47, 53}, {219, 225}, {250, 256}, {251, 0}};
  for (const auto& [slot, club] : expected) EXPECT_EQ(tables.TeamPickList(slot), club) << "slot " << slot;
}

TEST_F(LoaderTest, SetsClubEconomyByLeague) {
  world.write("mlsdata2.dat", test::clubFileWith([](int i, ClubRecord& c) {
                if (i == 60) c.seats = 12345;
                if (i == 200) c.seats = 5000;
                if (i == 101 || i == 146) c.reputation = 40;
                if (i == 146) {  // a club of no division, as 145..148 of the real world
                  c.division = 0;
                  c.seats = 15000;
                }
              }));
  const auto g = load();
  struct Economy {
    int club;
    double demand, capacity, price, money;  // -1: not checked
  };
  // 12 is an MLS number not in use: it counts with the A-League.
  const Economy cases[] = {
      {1, 0.6, 20000, 15, 0},         {12, -1, -1, -1, 350000},       {20, -1, -1, 10, -1},
      {40, 0.03, -1, -1, 200000},     {53, 0.75, 30000, 25, 2000000}, {60, -1, 12345, -1, -1},
      {101, 0.54, 10000, 17, 800000}, {130, 0.45, 7500, 13, 500000},  {146, 0.84, 15000, 29, 2000000},
      {200, -1, 35000, -1, 2500000},  {285, -1, -1, 20, -1}};
  for (const Economy& e : cases) {
    SCOPED_TRACE("club " + std::to_string(e.club));
    if (e.demand >= 0) {
      EXPECT_NEAR(g->TeamFanDemand(e.club), e.demand, 1e-12);
    }
    if (e.capacity >= 0) {
      EXPECT_EQ(g->StadiumCapacity(e.club), e.capacity);
    }
    if (e.price >= 0) {
      EXPECT_EQ(g->TicketPrice(e.club), e.price);
    }
    if (e.money >= 0) {
      EXPECT_EQ(g->TeamMoney(e.club), e.money);
    }
  }
}

TEST(ClubEconomyTest, AClubOfNoDivisionWithoutSeatsGetsAFiniteGround) {
  auto game = makeEmptyGame();
  game->MLSTeamCount = 10;
  game->EnglishDivision(146 - 52) = 0;
  loader::setClubEconomy(*game);
  EXPECT_EQ(game->StadiumCapacity(146), 30000);
  EXPECT_EQ(game->TicketPrice(146), 29);
}

class BadFileTest : public LoaderTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(BadFileTest, NamesTheFileAndLeavesNothingBehind) {
  world.write(GetParam(), "\"broken");
  try {
    load();
    FAIL() << "a broken " << GetParam() << " loaded";
  } catch (const FileError& error) {
    EXPECT_EQ(error.fileName(), GetParam());
    EXPECT_FALSE(error.problem().empty());
  }
  world.remove(GetParam());
  EXPECT_THROW(load(), FileError);
}

INSTANTIATE_TEST_SUITE_P(EveryFile, BadFileTest,
                         ::testing::Values("nat.dat", "commentary.dat", "skills.dat", "usafirst.dat", "englast.dat",
                                           "gerlast.dat", "mlsdata2.dat", "players2.dat", "tactics.dat", "flow.dat",
                                           "formation.dat", "Position.dat", "refs.dat", "sponsors.dat", "fixt18.dat",
                                           "fixt20.dat", "fixt24.dat", "fixt14.dat", "fixt12.dat"),
                         test::PrintedCaseName());

}  // namespace
}  // namespace kervale
