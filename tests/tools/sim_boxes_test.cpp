// kervale-sim writes every box the game shows to standard error, and plays on
// as the game does after it.
#include <gtest/gtest.h>

#include <string>

#include "data/small_world.h"
#include "sim_run.h"
#include "support/temp_dir.h"

namespace {

TEST(SimBoxes, ABrokenSecondPhaseFileIsToldAndTheDaysGoOn) {
  kervale::test::TempDir world;
  kervale::test::writeSmallWorld(world);
  std::string players = "16\r\n";
  for (int k = 1; k <= 16; ++k)
    players += kervale::test::playerRecord(225, "P" + std::to_string(k), k == 1 ? 9 : 2, 5, 5, 5);
  world.write("players2.dat", players);
  world.write("fixt6.dat", "1,2\r\n");
  // From Monday 13 September, round 74, past round 24, whose matchday reads the file.
  const auto run = kervale::test::runSim({"--world", world.str(), "--seed", "9", "--club", "225", "--days", "200"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("box \"KERV\": \"The second phase of the league cannot be played: the data file fixt6.dat "
                         "is not usable.|"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(run.values().at("dateline"), "Friday April 1, 2003") << "every day was played";
}

}  // namespace
