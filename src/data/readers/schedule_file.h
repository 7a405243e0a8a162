#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kervale {

// A schedule file: rounds of (home, away) pairs of league-local team numbers
// 1..teams, every team once a round; no count and no markers.
struct ScheduleLayout {
  const char* fileName;
  int teams;
  int rounds;
};

inline constexpr ScheduleLayout kMls10Schedule{"mls 10.dat", 10, 26};
inline constexpr ScheduleLayout kMls12Schedule{"mls 12.dat", 12, 26};
inline constexpr ScheduleLayout kMls14Schedule{"mls 14.dat", 14, 26};
inline constexpr ScheduleLayout kFixt12Schedule{"fixt12.dat", 12, 22};
inline constexpr ScheduleLayout kFixt14Schedule{"fixt14.dat", 14, 26};
inline constexpr ScheduleLayout kFixt18Schedule{"fixt18.dat", 18, 34};
inline constexpr ScheduleLayout kFixt20Schedule{"fixt20.dat", 20, 38};
inline constexpr ScheduleLayout kFixt24Schedule{"fixt24.dat", 24, 46};
// The six-club second phase: ten rounds of table positions 1..6.
inline constexpr ScheduleLayout kFixt6Schedule{"fixt6.dat", 6, 10};

struct Schedule {
  std::string fileName;
  int teams = 0;
  int rounds = 0;
  std::vector<int> values;  // entry k (1-based, as the templates count) at k - 1

  int size() const { return static_cast<int>(values.size()); }
  // Entry k = 1..size(): odd entries are home teams, even ones away teams.
  int entry(int k) const { return values.at(static_cast<std::size_t>(k - 1)); }
};

// Reads teams x rounds values and checks that each is a whole number 1..teams
// and that each round names every team once.
Schedule readSchedule(const std::filesystem::path& folder, const ScheduleLayout& layout);

}  // namespace kervale
