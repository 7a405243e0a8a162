// kervale-sim's squad sizes at the start of each season.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "sim_run.h"

namespace {

struct SquadStart {
  int season = 0, smallest = 0, club = 0, shortClubs = 0;
};

// "SEASON smallest=N club=C short=K", the value of a squads= line.
SquadStart parse(const std::string& value) {
  SquadStart s;
  std::istringstream words(value);
  std::string word;
  words >> s.season;
  while (words >> word) {
    const auto eq = word.find('=');
    const int number = std::stoi(word.substr(eq + 1));
    const std::string key = word.substr(0, eq);
    if (key == "smallest") s.smallest = number;
    if (key == "club") s.club = number;
    if (key == "short") s.shortClubs = number;
  }
  return s;
}

std::vector<SquadStart> squadStarts(const kervale::test::SimRun& run) {
  std::vector<SquadStart> starts;
  for (const std::string& line : run.all("squads")) starts.push_back(parse(line));
  return starts;
}

kervale::test::SimRun sim(const std::vector<std::string>& more) {
  std::vector<std::string> args = {"--world", KERVALE_WORLD_DIR, "--seed", "6", "--club", "60"};
  args.insert(args.end(), more.begin(), more.end());
  return kervale::test::runSim(args);
}

TEST(SimSquadStarts, OneLinePerSeasonBegunWithItsSmallestSquad) {
  const auto run = sim({"--days", "1100", "--tables"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<SquadStart> starts = squadStarts(run);
  ASSERT_GE(starts.size(), 3u) << "the new game and at least two roll-overs";
  for (std::size_t i = 0; i < starts.size(); ++i) {
    const SquadStart& s = starts[i];
    SCOPED_TRACE("season " + std::to_string(s.season));
    EXPECT_EQ(s.season, static_cast<int>(i) + 1);
    EXPECT_GE(s.club, 1);
    EXPECT_LE(s.club, 237) << "only clubs with players at the start count";
    EXPECT_GE(s.smallest, 0);
    EXPECT_LE(s.smallest, 20);
    // Every club starts with 18 to 20, so each club's floor is 16.
    EXPECT_EQ(s.shortClubs == 0, s.smallest >= 16) << "smallest " << s.smallest << ", short " << s.shortClubs;
  }
  EXPECT_EQ(starts[0].smallest, 18);
  EXPECT_EQ(starts[0].shortClubs, 0);
}

TEST(SimSquadStarts, TheNewGameAloneAndOnlyWithTables) {
  const auto start = sim({"--days", "0", "--tables"});
  ASSERT_EQ(start.status, 0) << start.err;
  const std::vector<SquadStart> starts = squadStarts(start);
  ASSERT_EQ(starts.size(), 1u);
  const auto longer = squadStarts(sim({"--days", "30", "--tables"}));
  ASSERT_EQ(longer.size(), 1u) << "no roll-over in 30 days";
  EXPECT_EQ(longer[0].smallest, starts[0].smallest);
  EXPECT_EQ(longer[0].club, starts[0].club);

  const auto plain = sim({"--days", "30"});
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_TRUE(plain.all("squads").empty());
}

}  // namespace
