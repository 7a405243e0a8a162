// Computer matches of the real world: one, and 140 in a row (about a
// matchday's worth) between the same two clubs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "bench_new_game.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "ui/screen.h"

namespace kervale {
namespace {

// Average of the starting eleven's outfield ratings.
double strength(const MLSModule& g, int club) {
  double sum = 0;
  for (int slot = 2; slot <= 11; ++slot) {
    const double p = g.TeamSquad(slot, club);
    sum += g.PlayerDefense(p) + g.PlayerMidfield(p) + g.PlayerAttack(p);
  }
  return sum / 30;
}

// A new game of the world, started as a user would and then left by the
// user, with the two middle clubs of the first English division by strength.
struct BenchGame {
  int home = 0;
  int away = 0;
};

BenchGame prepare() {
  startGameThroughScreens(60, 7, true);
  MLSModule& g = mls();
  std::vector<std::pair<double, int>> clubs;
  for (int club = 53; club <= 148; ++club) {
    if (g.EnglishDivision(club - 52) == 1 && g.TeamSquad(11, club) != 0) clubs.emplace_back(strength(g, club), club);
  }
  if (clubs.size() < 2) throw std::runtime_error("the world has no two clubs to play");
  std::sort(clubs.begin(), clubs.end());
  BenchGame b;
  b.home = clubs[clubs.size() / 2 - 1].second;
  b.away = clubs[clubs.size() / 2].second;
  g.MyTeam = 0;
  g.ShowAllMatches = false;
  return b;
}

void playOne(MatchEngine& match, const BenchGame& b, double homeMorale, double awayMorale) {
  MLSModule& g = mls();
  g.TeamMorale(b.home) = homeMorale;
  g.TeamMorale(b.away) = awayMorale;
  g.LastResultText.clear();
  g.TeamLatestNews(b.home).clear();
  g.TeamLatestNews(b.away).clear();
  match.hometeam = b.home;
  match.awayteam = b.away;
  match.extratimeflag = 0;
  match.Fastsim.setValue(1);
  match.Playgame();
}

void runMatches(benchmark::State& state, int perIteration) {
  guarded(state, [&] {
    const BenchGame b = prepare();
    MatchEngine& match = ui::screen<MatchEngine>();
    const double homeMorale = mls().TeamMorale(b.home);
    const double awayMorale = mls().TeamMorale(b.away);
    for (auto _ : state) {
      for (int i = 0; i < perIteration; ++i) playOne(match, b, homeMorale, awayMorale);
      benchmark::DoNotOptimize(match.homegoals);
    }
    state.SetItemsProcessed(state.iterations() * perIteration);
  });
}

void BM_ComputerMatch(benchmark::State& state) { runMatches(state, 1); }
void BM_ComputerMatches140(benchmark::State& state) { runMatches(state, 140); }

BENCHMARK(BM_ComputerMatch)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComputerMatches140)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kervale
