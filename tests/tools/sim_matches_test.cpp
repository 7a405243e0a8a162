// kervale-sim --matches: many computer matches of the world's clubs, with their averages.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

std::string quoted(const std::string& text) { return "'" + text + "'"; }

// The key=value lines of a run, and its exit status.
std::map<std::string, std::string> runMatches(const std::string& args, int& status) {
  const kervale::test::TempDir scratch;
  const fs::path out = scratch.path() / "out";
  const std::string command = quoted(KERVALE_SIM_PATH) + " " + args + " --world " + quoted(KERVALE_WORLD_DIR) + " >" +
                              quoted(out.string()) + " 2>/dev/null";
  const int raw = std::system(command.c_str());
  status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::ifstream in(out);
  std::map<std::string, std::string> values;
  for (std::string line; std::getline(in, line);) {
    const auto eq = line.find('=');
    if (eq != std::string::npos) values[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return values;
}

TEST(SimMatches, PrintsFoulsCardsAndPenaltiesPerMatch) {
  int status = -1;
  auto values = runMatches("--matches 400 --home 63 --away 71 --seed 4", status);
  ASSERT_EQ(status, 0);
  for (const char* key : {"fouls", "yellow_cards", "red_cards", "penalties", "home_goals", "away_goals"}) {
    ASSERT_TRUE(values.count(key)) << key;
  }
  const double fouls = std::stod(values["fouls"]);
  EXPECT_GT(fouls, 15);
  EXPECT_LT(fouls, 40);
  EXPECT_GT(std::stod(values["yellow_cards"]), 0.3);
  EXPECT_LT(std::stod(values["red_cards"]), 0.3);
  EXPECT_LT(std::stod(values["penalties"]), 0.5);
  EXPECT_GT(std::stod(values["home_goals"]) + std::stod(values["away_goals"]), 1);
}

}  // namespace
