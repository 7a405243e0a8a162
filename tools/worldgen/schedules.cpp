// League schedules: every team plays once a round, as often at home as away.
#include <algorithm>
#include <set>
#include <stdexcept>
#include <utility>

#include "base/csv.h"
#include "world.h"

namespace kervale::worldgen {

namespace {

using Pair = std::pair<int, int>;  // home, away
using Round = std::vector<Pair>;
using Schedule = std::vector<Round>;

// Circle method: team n stays put, the others turn one place each round.
Schedule singleRoundRobin(int n) {
  Schedule schedule;
  const int m = n - 1;
  for (int r = 0; r < m; ++r) {
    Round round;
    round.push_back(r % 2 == 0 ? Pair{r + 1, n} : Pair{n, r + 1});
    for (int k = 1; k < n / 2; ++k) {
      const int a = (r + k) % m + 1;
      const int b = (r - k + m) % m + 1;
      round.push_back(k % 2 == 1 ? Pair{a, b} : Pair{b, a});
    }
    schedule.push_back(round);
  }
  return schedule;
}

Round mirrored(const Round& round) {
  Round result;
  for (const auto& [home, away] : round) result.push_back({away, home});
  return result;
}

// The second half repeats the first with home and away exchanged, so every
// pair meets once at each ground.
Schedule doubleRoundRobin(int n) {
  Schedule schedule = singleRoundRobin(n);
  const std::size_t half = schedule.size();
  for (std::size_t r = 0; r < half; ++r) schedule.push_back(mirrored(schedule[r]));
  return schedule;
}

// Turns the pairs of some rounds so that every team is at home in exactly
// half of them: each round is a perfect matching, so their union has even
// degrees, and following an Euler circuit gives every team as many arrivals
// as departures.
void balanceHomeAndAway(Schedule& rounds, int n) {
  struct Edge {
    std::size_t round;
    std::size_t index;
    int a, b;
    bool used = false;
  };
  std::vector<Edge> edges;
  std::vector<std::vector<std::size_t>> incident(n + 1);
  for (std::size_t r = 0; r < rounds.size(); ++r) {
    for (std::size_t i = 0; i < rounds[r].size(); ++i) {
      incident[rounds[r][i].first].push_back(edges.size());
      incident[rounds[r][i].second].push_back(edges.size());
      edges.push_back({r, i, rounds[r][i].first, rounds[r][i].second});
    }
  }
  std::vector<std::size_t> cursor(n + 1, 0);
  for (int start = 1; start <= n; ++start) {
    int at = start;
    for (;;) {
      while (cursor[at] < incident[at].size() && edges[incident[at][cursor[at]]].used) ++cursor[at];
      if (cursor[at] == incident[at].size()) break;
      Edge& edge = edges[incident[at][cursor[at]]];
      edge.used = true;
      const int to = edge.a == at ? edge.b : edge.a;
      rounds[edge.round][edge.index] = {at, to};  // leaving a team's ground: it is at home
      at = to;
    }
  }
}

bool sharesAPair(const Round& a, const Round& b) {
  std::set<std::pair<int, int>> pairs;
  for (const auto& [home, away] : a) pairs.insert(std::minmax(home, away));
  for (const auto& [home, away] : b) {
    if (pairs.count(std::minmax(home, away))) return true;
  }
  return false;
}

// A double round robin and then the first `extra` rounds of a second round
// robin (teams relabelled), placed between the two halves, balanced home and
// away; no two clubs meet in consecutive rounds.
Schedule extendedSchedule(int n, int extraRounds) {
  const Schedule base = doubleRoundRobin(n);
  const std::size_t half = base.size() / 2;
  Schedule extra;
  for (const Round& round : singleRoundRobin(n)) {
    Round relabelled;
    for (const auto& [home, away] : round) relabelled.push_back({(home * 7) % n + 1, (away * 7) % n + 1});
    extra.push_back(relabelled);
  }
  if (n % 7 == 0) throw std::logic_error("worldgen: relabelling needs a team count not divisible by 7");
  for (std::size_t shift = 0; shift < extra.size(); ++shift) {
    Schedule middle;
    for (int k = 0; k < extraRounds; ++k) middle.push_back(extra[(shift + k) % extra.size()]);
    balanceHomeAndAway(middle, n);
    Schedule schedule(base.begin(), base.begin() + half);
    schedule.insert(schedule.end(), middle.begin(), middle.end());
    schedule.insert(schedule.end(), base.begin() + half, base.end());
    bool clean = true;
    for (std::size_t r = 1; r < schedule.size(); ++r) clean = clean && !sharesAPair(schedule[r - 1], schedule[r]);
    if (clean) return schedule;
  }
  throw std::logic_error("worldgen: no arrangement of the extra rounds avoids repeats");
}

// The 24-team schedule's last eight rounds share grid rounds with rounds 12,
// 13, 15 and 16 of the first half (rounds 39, 41, 44 and 46 land on the same
// grid rounds as they do). Putting there the return matches of exactly those
// rounds makes the later write replace each match by its own return match,
// so the grid stays consistent.
Schedule twentyFourTeamSchedule() {
  const Schedule base = doubleRoundRobin(24);
  const std::size_t half = 23;
  std::vector<int> order(half, 0);  // second-half position -> first-half round (1-based)
  order[39 - 24] = 12;
  order[41 - 24] = 13;
  order[44 - 24] = 15;
  order[46 - 24] = 16;
  int next = 1;
  for (int& round : order) {
    if (round != 0) continue;
    while (next == 12 || next == 13 || next == 15 || next == 16) ++next;
    round = next++;
  }
  Schedule schedule(base.begin(), base.begin() + half);
  for (int round : order) schedule.push_back(mirrored(base[round - 1]));
  return schedule;
}

std::string scheduleText(const Schedule& schedule) {
  CsvWriter out;
  for (const Round& round : schedule) {
    for (const auto& [home, away] : round) out.number(home).number(away).endRecord();
  }
  return out.content();
}

}  // namespace

void addScheduleFiles(DataFiles& files) {
  files["mls 10.dat"] = scheduleText(extendedSchedule(10, 8));
  files["mls 12.dat"] = scheduleText(extendedSchedule(12, 4));
  files["mls 14.dat"] = scheduleText(doubleRoundRobin(14));
  files["fixt12.dat"] = scheduleText(doubleRoundRobin(12));
  files["fixt14.dat"] = scheduleText(doubleRoundRobin(14));  // team 14 is the free team
  files["fixt18.dat"] = scheduleText(doubleRoundRobin(18));
  files["fixt20.dat"] = scheduleText(doubleRoundRobin(20));
  files["fixt24.dat"] = scheduleText(twentyFourTeamSchedule());
  files["fixt6.dat"] = scheduleText(doubleRoundRobin(6));
}

}  // namespace kervale::worldgen
