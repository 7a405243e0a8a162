// kervale-sim starts a new game headless and reports it.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "base/csv.h"
#include "data/small_world.h"
#include "sim_run.h"
#include "support/case_names.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using kervale::test::TempDir;

using kervale::test::runSim;
using kervale::test::SimRun;

class SimSmallWorld : public ::testing::Test {
 protected:
  SimSmallWorld() { kervale::test::writeSmallWorld(world); }
  SimRun sim(std::vector<std::string> more = {}) {
    std::vector<std::string> args = {"--world", world.str(), "--seed", "9"};
    args.insert(args.end(), more.begin(), more.end());
    return runSim(args);
  }
  TempDir world;
};

TEST_F(SimSmallWorld, StartsWithClubOneByDefault) {
  const SimRun run = sim();
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const auto values = run.values();
  EXPECT_EQ(values.at("date"), "Monday 1 June 2003");
  EXPECT_EQ(values.at("round"), "43");
  EXPECT_EQ(values.at("club"), "1");
  EXPECT_EQ(values.at("team"), "Club 1");
  EXPECT_FALSE(values.at("manager").empty());
  // League matches of every league run (2400 in the small world) and the US Open Cup's first round.
  const int fixtures = std::stoi(values.at("fixtures"));
  EXPECT_GT(fixtures, 2400);
  EXPECT_LE(fixtures, 2426);
}

TEST_F(SimSmallWorld, PicksTheClubAskedFor) {
  const SimRun english = sim({"--club", "90"});
  ASSERT_EQ(english.status, 0) << english.err;
  EXPECT_EQ(english.values().at("club"), "90");
  EXPECT_EQ(english.values().at("team"), "Club 90");
  EXPECT_EQ(english.values().at("date"), "Monday 13 August 2003");
  EXPECT_EQ(english.values().at("round"), "66");

  const SimRun australian = sim({"--club", "237"});
  ASSERT_EQ(australian.status, 0) << australian.err;
  EXPECT_EQ(australian.values().at("club"), "237");
  EXPECT_EQ(australian.values().at("round"), "74");

  const SimRun aLeague = sim({"--club", "34"});
  ASSERT_EQ(aLeague.status, 0) << aLeague.err;
  EXPECT_EQ(aLeague.values().at("club"), "34");
}

TEST_F(SimSmallWorld, SameSeedSameGame) {
  const SimRun first = sim();
  const SimRun second = sim();
  ASSERT_EQ(first.status, 0);
  EXPECT_EQ(first.out, second.out);
}

TEST_F(SimSmallWorld, BadWorldGivesOneErrorLine) {
  world.write("players2.dat", "3\r\n" + kervale::test::playerRecord(1, "Only", 1, 1, 1, 1));
  const SimRun run = sim();
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  ASSERT_EQ(run.errorLines().size(), 1u) << run.err;
  EXPECT_EQ(run.errorLines()[0].rfind("error: players2.dat: ", 0), 0u) << run.err;
}

TEST_F(SimSmallWorld, MissingScheduleOfTheOkButtonIsReportedToo) {
  fs::remove(world.path() / "mls 10.dat");
  const SimRun run = sim();
  EXPECT_EQ(run.status, 2);
  ASSERT_EQ(run.errorLines().size(), 1u) << run.err;
  EXPECT_EQ(run.errorLines()[0].rfind("error: mls 10.dat: ", 0), 0u) << run.err;
}

// A file the first season end needs is checked before the game starts.
TEST_F(SimSmallWorld, AFileOfTheSeasonEndIsCheckedAtTheStart) {
  for (const char* file : {"mls 14.dat", "mlsexp.dat", "usalast.dat"}) {
    kervale::test::writeSmallWorld(world);
    world.write(file, "1\r\n");
    const SimRun run = sim();
    EXPECT_EQ(run.status, 2) << file;
    EXPECT_EQ(run.out, "") << file;
    ASSERT_EQ(run.errorLines().size(), 1u) << run.err;
    EXPECT_EQ(run.errorLines()[0].rfind(std::string("error: ") + file + ": ", 0), 0u) << run.err;
  }
}

TEST_F(SimSmallWorld, ClubsTheScreenDoesNotOfferAreRefused) {
  for (const char* club : {"11", "40", "145", "240"}) {
    const SimRun run = sim({"--club", club});
    EXPECT_EQ(run.status, 2) << club;
    EXPECT_EQ(run.out, "") << club;
    EXPECT_NE(run.err.find("cannot be picked"), std::string::npos) << run.err;
  }
}

TEST(SimCommandLine, RejectsUnknownOptionsAndBadValues) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{{"--fast"},
                                                                                    {"--club"},
                                                                                    {"--club", "0"},
                                                                                    {"--club", "286"},
                                                                                    {"--club", "12x"},
                                                                                    {"--seed", "-1"},
                                                                                    {"world"}}) {
    const SimRun run = runSim(args);
    EXPECT_EQ(run.status, 2) << args[0];
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("error: ", 0), 0u) << run.err;
  }
}

TEST(SimCommandLine, HelpShowsEveryModeAndAnUnknownOptionTheSame) {
  const SimRun help = runSim({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.err, "");
  for (const char* part : {"[--world DIR]", "[--club N]", "[--days N]", "[--save FILE]", "[--load FILE]",
                           "kervale-sim --matches N --home A --away B", "kervale-sim --help"}) {
    EXPECT_NE(help.out.find(part), std::string::npos) << part << " in\n" << help.out;
  }
  const SimRun unknown = runSim({"--club", "3", "--fast"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.out, "");
  EXPECT_EQ(unknown.err, "error: unknown option --fast\n" + help.out);
  EXPECT_EQ(runSim({"--matches", "2", "--help"}).out, help.out) << "help before any mode";
}

TEST(SimCommandLine, MissingWorldFolder) {
  const TempDir scratch;
  const SimRun run = runSim({"--world", (scratch.path() / "nowhere").string()});
  EXPECT_EQ(run.status, 2);
  ASSERT_EQ(run.errorLines().size(), 1u) << run.err;
  EXPECT_NE(run.err.find("nowhere"), std::string::npos);
}

// The committed world starts a game for a club of every league the screen offers.
class SimRealWorld : public ::testing::TestWithParam<const char*> {};

TEST_P(SimRealWorld, StartsANewGame) {
  const SimRun run = runSim({"--world", KERVALE_WORLD_DIR, "--seed", "3", "--club", GetParam()});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto values = run.values();
  EXPECT_EQ(values.at("club"), GetParam());
  EXPECT_GT(std::stoi(values.at("fixtures")), 1000);
}

INSTANTIATE_TEST_SUITE_P(Leagues, SimRealWorld, ::testing::Values("1", "20", "60", "230"),
                         kervale::test::PrintedCaseName());

TEST(SimRealWorldCopy, BrokenFileIsNamed) {
  const TempDir copy;
  fs::copy(KERVALE_WORLD_DIR, copy.path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  const std::string tactics = kervale::readWholeFile(copy.path() / "tactics.dat");
  copy.write("tactics.dat", tactics.substr(0, tactics.size() / 2));
  const SimRun run = runSim({"--world", copy.str()});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  ASSERT_EQ(run.errorLines().size(), 1u) << run.err;
  EXPECT_EQ(run.errorLines()[0].rfind("error: tactics.dat: ", 0), 0u) << run.err;
}

}  // namespace
