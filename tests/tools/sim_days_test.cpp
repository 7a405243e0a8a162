// kervale-sim plays days, saves and loads.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "base/csv.h"
#include "data/mls_module.h"
#include "data/small_world.h"
#include "shell/saved_game.h"
#include "sim_run.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using kervale::test::TempDir;

using kervale::test::SimRun;

class SimDays : public ::testing::Test {
 protected:
  SimDays() {
    kervale::test::writeSmallWorld(world);
    // A squad big enough for a matchday, and a few clubs to play.
    std::string players;
    int count = 0;
    for (int club : {1, 2, 3, 4}) {
      for (int k = 1; k <= 16; ++k) {
        players += kervale::test::playerRecord(club, "P" + std::to_string(club) + "-" + std::to_string(k),
                                               k == 1 ? 9 : 2, 5 + k % 4, 4 + k % 5, 3 + k % 6);
        ++count;
      }
    }
    world.write("players2.dat", std::to_string(count) + "\r\n" + players);
  }
  SimRun sim(const std::vector<std::string>& more) {
    std::vector<std::string> args = {"--world", world.str(), "--seed", "9"};
    args.insert(args.end(), more.begin(), more.end());
    return kervale::test::runSim(args);
  }
  std::string file(const std::string& name) const { return (files.path() / name).string(); }
  std::unique_ptr<kervale::MLSModule> parse(const std::string& name) const {
    return kervale::readSavedGame(file(name), *kervale::makeEmptyGame());
  }

  TempDir world;
  TempDir files;
};

TEST_F(SimDays, PlaysDaysAndReportsTheHub) {
  const SimRun run = sim({"--days", "9", "--save", file("nine.usa")});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto values = run.values();
  // Monday June 1 and nine presses: two matchdays, two rounds.
  EXPECT_EQ(values.at("dateline"), "Wednesday June 10, 2003");
  EXPECT_EQ(values.at("round"), "45");
  EXPECT_EQ(values.at("weekline"), "Week 22");
  EXPECT_FALSE(values.at("money").empty());
  const auto news = run.all("news");
  ASSERT_FALSE(news.empty());
  EXPECT_LE(news.size(), 5u);
  // The game went to the file, calendar and all.
  const auto saved = parse("nine.usa");
  EXPECT_EQ(saved->CurrentWeek, 45);
  EXPECT_EQ(saved->WeekDay, 3);
  EXPECT_EQ(saved->MonthDay, 10);
  EXPECT_EQ(saved->CurrentMonth, 6);
}

TEST_F(SimDays, SaveLoadSaveGivesTheSameFile) {
  ASSERT_EQ(sim({"--days", "4", "--save", file("a.usa")}).status, 0);
  const SimRun again = sim({"--load", file("a.usa"), "--save", file("b.usa")});
  ASSERT_EQ(again.status, 0) << again.err;
  EXPECT_EQ(again.err, "box \"KERV\": \"Game loaded successfully\" -> OK\n");
  EXPECT_EQ(kervale::readWholeFile(file("a.usa")), kervale::readWholeFile(file("b.usa")));
  EXPECT_EQ(again.values().at("dateline"), "Friday June 5, 2003");
}

TEST_F(SimDays, AnUnusableSaveIsAnError) {
  TempDir other;
  other.write("short.usa", "44\r\n1,2\r\n");
  const SimRun bad = sim({"--load", (other.path() / "short.usa").string()});
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("\"short.usa\" could not be loaded"), std::string::npos) << bad.err;
  EXPECT_EQ(bad.errorLines().size(), 1u) << "the box is the error, told once: " << bad.err;
  const SimRun missing = sim({"--load", file("none.usa")});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("none.usa"), std::string::npos) << missing.err;
}

TEST_F(SimDays, RoundTripLoadsEveryDaysSaveBack) {
  const SimRun run = sim({"--days", "9", "--round-trip"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.values().at("round_trips"), "9");
  // The days played as they do without the round trip.
  const SimRun plain = sim({"--days", "9"});
  EXPECT_EQ(run.values().at("dateline"), plain.values().at("dateline"));
  EXPECT_EQ(run.values().at("money"), plain.values().at("money"));
  EXPECT_EQ(plain.values().count("round_trips"), 0u);
  EXPECT_NE(kervale::test::runSim({"--help"}).out.find("[--round-trip]"), std::string::npos);
}

// A run that fails after its days still writes what it made, then the error.
TEST_F(SimDays, AFailedRunKeepsItsOutput) {
  const SimRun run = sim({"--days", "5", "--round-trip", "--save", file("no such folder/x.usa")});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("no such folder"), std::string::npos) << run.err;
  const auto values = run.values();
  EXPECT_EQ(values.at("dateline"), "Saturday June 6, 2003");
  EXPECT_EQ(values.at("round_trips"), "5");
  EXPECT_EQ(values.count("money_after"), 1u);
}

TEST_F(SimDays, InjuredStartersMakeWayForFitSubstitutesOfTheirKind) {
  ASSERT_EQ(sim({"--days", "2", "--save", file("tuesday.usa")}).status, 0);
  auto game = parse("tuesday.usa");
  ASSERT_EQ(game->WeekDay, 3) << "the day before a matchday";
  const int club = static_cast<int>(game->MyTeam);
  const double keeper = game->TeamSquad(1, club);
  const double outfield = game->TeamSquad(5, club);
  const double reserveKeeper = game->TeamSquad(15, club);  // last on the bench, so no first-come pick finds him
  ASSERT_GT(reserveKeeper, 0);
  game->PlayerGoalkeeping(reserveKeeper) = 12;
  game->PlayerInjury(keeper) = 3;
  game->PlayerInjury(outfield) = 2;
  kervale::writeSavedGame(file("injured.usa"), *game);

  const SimRun run = sim({"--load", file("injured.usa"), "--days", "1", "--save", file("after.usa")});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto after = parse("after.usa");
  EXPECT_EQ(after->WeekDay, 4) << "the matchday press went through";
  EXPECT_EQ(after->TeamSquad(1, club), reserveKeeper);
  EXPECT_EQ(after->TeamSquad(15, club), keeper);
  const double in = after->TeamSquad(5, club);
  EXPECT_NE(in, outfield);
  EXPECT_LT(after->PlayerGoalkeeping(in), 9) << "no keeper plays outfield";
  std::multiset<double> squadBefore, squadAfter;
  for (int slot = 1; slot <= 20; ++slot) {
    squadBefore.insert(game->TeamSquad(slot, club));
    squadAfter.insert(after->TeamSquad(slot, club));
  }
  EXPECT_EQ(squadAfter, squadBefore);
}

}  // namespace
