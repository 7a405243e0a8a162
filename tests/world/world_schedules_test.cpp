// The league schedules: every team once a round, home and away balanced.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "support/case_names.h"
#include "world_files.h"

namespace kervale::worldtest {
namespace {

using Round = std::vector<std::pair<int, int>>;

// Reads exactly rounds x teams / 2 pairs; fails on a short or long file.
std::vector<Round> readSchedule(const std::string& name, int teams, int rounds) {
  CsvReader in = openWorldFile(name);
  std::vector<Round> schedule(rounds);
  for (Round& round : schedule) {
    for (int i = 0; i < teams / 2; ++i) {
      const int home = in.nextInt16();
      const int away = in.nextInt16();
      round.push_back({home, away});
    }
  }
  if (!in.atEnd()) in.fail("holds more than " + std::to_string(rounds) + " rounds");
  return schedule;
}

struct Check {
  const char* file;
  int teams;
  int rounds;
  bool doubleRoundRobin;  // every pair once at each ground
  friend void PrintTo(const Check& c, std::ostream* os) { *os << c.file; }
};

const Check kSchedules[] = {
    {"mls 10.dat", 10, 26, false}, {"mls 12.dat", 12, 26, false}, {"mls 14.dat", 14, 26, true},
    {"fixt12.dat", 12, 22, true},  {"fixt14.dat", 14, 26, true},  {"fixt18.dat", 18, 34, true},
    {"fixt20.dat", 20, 38, true},  {"fixt24.dat", 24, 46, true},  {"fixt6.dat", 6, 10, true},
};

class Schedule : public ::testing::TestWithParam<Check> {};

TEST_P(Schedule, EveryTeamPlaysOnceARoundAsOftenAtHomeAsAway) {
  const Check& check = GetParam();
  const auto schedule = readSchedule(check.file, check.teams, check.rounds);
  std::map<int, int> home, away;
  std::map<std::pair<int, int>, int> meetings;  // (home, away) -> times
  for (std::size_t r = 0; r < schedule.size(); ++r) {
    std::set<int> playing;
    for (const auto& [h, a] : schedule[r]) {
      ASSERT_GE(h, 1);
      ASSERT_LE(h, check.teams);
      ASSERT_GE(a, 1);
      ASSERT_LE(a, check.teams);
      EXPECT_TRUE(playing.insert(h).second) << "team " << h << " twice in round " << r + 1;
      EXPECT_TRUE(playing.insert(a).second) << "team " << a << " twice in round " << r + 1;
      ++home[h];
      ++away[a];
      ++meetings[{h, a}];
    }
    EXPECT_EQ(static_cast<int>(playing.size()), check.teams) << "round " << r + 1;
  }
  for (int t = 1; t <= check.teams; ++t) EXPECT_EQ(home[t], away[t]) << "team " << t;
  for (int a = 1; a <= check.teams; ++a) {
    for (int b = 1; b <= check.teams; ++b) {
      if (a == b) continue;
      if (check.doubleRoundRobin) {
        EXPECT_EQ((meetings[{a, b}]), 1) << a << " at home to " << b;
      } else {
        EXPECT_GE((meetings[{a, b}]), 1) << a << " at home to " << b;
      }
    }
  }
}

TEST_P(Schedule, NoPairMeetsInConsecutiveRounds) {
  const Check& check = GetParam();
  const auto schedule = readSchedule(check.file, check.teams, check.rounds);
  for (std::size_t r = 1; r < schedule.size(); ++r) {
    std::set<std::pair<int, int>> previous;
    for (const auto& [h, a] : schedule[r - 1]) previous.insert(std::minmax(h, a));
    for (const auto& [h, a] : schedule[r]) {
      EXPECT_FALSE(previous.count(std::minmax(h, a))) << h << " and " << a << " in rounds " << r << " and " << r + 1;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(WorldSchedules, Schedule, ::testing::ValuesIn(kSchedules), test::PrintedCaseName());

// The English divisions 2..4 are placed with file round w + 33 on grid round
// 2w + 1 up to w = 51 and Int(10w / 8) + 1 from w = 72 on, so rounds 39, 41,
// 44 and 46 land on the grid rounds of rounds 12, 13, 15 and 16. The later
// write must replace whole matches, or the grid pairs clubs one-sidedly.
TEST(WorldSchedules, TwentyFourTeamRoundsSharingAGridRoundHoldTheSamePairs) {
  const auto schedule = readSchedule("fixt24.dat", 24, 46);
  auto gridRound = [](int w) { return w <= 51 ? 2 * w + 1 : w <= 71 ? 2 * (w - 52) + 1 : 10 * w / 8 + 1; };
  std::map<int, std::vector<int>> roundsOnGrid;
  for (int w = 34; w <= 79; ++w) roundsOnGrid[gridRound(w)].push_back(w - 33);
  int shared = 0;
  for (const auto& [grid, rounds] : roundsOnGrid) {
    if (rounds.size() < 2) continue;
    ++shared;
    std::set<std::pair<int, int>> first, second;
    for (const auto& [h, a] : schedule[rounds[0] - 1]) first.insert(std::minmax(h, a));
    for (const auto& [h, a] : schedule[rounds[1] - 1]) second.insert(std::minmax(h, a));
    EXPECT_EQ(first, second) << "rounds " << rounds[0] << " and " << rounds[1] << " on grid round " << grid;
  }
  EXPECT_EQ(shared, 4);
}

}  // namespace
}  // namespace kervale::worldtest
