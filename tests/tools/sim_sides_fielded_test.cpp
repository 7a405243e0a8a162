// kervale-sim's sides, match by match, over a career long enough for the
// market to have drained clubs that never bought back.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "sim_run.h"

namespace {

// "SEASON key=value ...", the value of a fielded= line, as numbers by key.
std::map<std::string, int> fields(const std::string& value) {
  std::map<std::string, int> f;
  std::istringstream words(value);
  words >> f["season"];
  std::string word;
  while (words >> word) {
    const auto eq = word.find('=');
    f[word.substr(0, eq)] = std::stoi(word.substr(eq + 1));
  }
  return f;
}

TEST(SimSidesFielded, NoClubThatBeganWithSixteenPlaysWithFewerThanElevenOfItsOwn) {
  // Before the market kept a floor, club 65 fielded ten of its own in season 3.
  const auto run = kervale::test::runSim(
      {"--world", KERVALE_WORLD_DIR, "--seed", "7", "--club", "60", "--days", "1100", "--tables"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = run.all("fielded");
  int lastSeason = 0;
  int leagueSides = 0;
  for (const std::string& line : lines) {
    const auto f = fields(line);
    lastSeason = std::max(lastSeason, f.at("season"));
    if (f.at("start") < 16) continue;
    SCOPED_TRACE(line);
    leagueSides += f.at("league_fewest") >= 0 ? 1 : 0;
    EXPECT_TRUE(f.at("league_fewest") == -1 || f.at("league_fewest") >= 11);
    EXPECT_TRUE(f.at("cup_fewest") == -1 || f.at("cup_fewest") >= 11);
    EXPECT_LE(f.at("league_fewest"), 20);
  }
  EXPECT_EQ(lastSeason, 4) << "three seasons and the start of a fourth";
  EXPECT_GE(leagueSides, 3 * 105) << "the English and Australian clubs, every season";
  EXPECT_GT(std::stoi(run.values().at("sales_kept")), 0);
  for (const std::string& side : run.all("nokeeper")) EXPECT_NE(fields(side).at("round"), 0) << side;
}

}  // namespace
