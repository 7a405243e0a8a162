// Whole seasons of the committed world, headless, with a fixed seed.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <map>
#include <numeric>
#include <set>
#include <utility>
#include <vector>

#include "base/random.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "matchday/driver_world.h"
#include "support/case_names.h"
#include "support/sanitized.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

// The sanitizer build plays a quarter of the season, so that its run stays short.
constexpr int kRounds = kSanitized ? 26 : 104;

using Pair = std::pair<int, int>;  // home, away

// League 12 (clubs 225..237) plays a second phase from round 24 and a final
// drawn at round 46; both restart its table.
constexpr int kSecondPhaseSplit = 24;
constexpr int kSecondPhaseFinal = 46;
bool inSecondPhaseLeague(int club) { return club >= 225 && club <= 237; }

// The clubs that meet in league matches fall apart into the leagues.
std::vector<std::set<int>> leaguesOf(const MLSModule& g) {
  std::vector<int> parent(kLastClub + 1);
  std::iota(parent.begin(), parent.end(), 0);
  auto root = [&](int c) {
    while (parent[c] != c) c = parent[c] = parent[parent[c]];
    return c;
  };
  std::set<int> inLeague;
  for (int c = 1; c <= kLastClub; ++c) {
    for (int r = 1; r <= kLastRound; ++r) {
      const int o = g.FixtureOpponent(c, r);
      if (o == 0 || g.FixtureCompetition(c, r) != 1) continue;
      inLeague.insert(c);
      inLeague.insert(o);
      parent[root(c)] = root(o);
    }
  }
  std::map<int, std::set<int>> byRoot;
  for (int c : inLeague) byRoot[root(c)].insert(c);
  std::vector<std::set<int>> leagues;
  for (auto& [r, clubs] : byRoot) leagues.push_back(std::move(clubs));
  return leagues;
}

std::multiset<Pair> leagueFixturesIn(const MLSModule& g, int round) {
  std::multiset<Pair> pairs;
  for (int c = 1; c <= kLastClub; ++c) {
    if (g.FixtureVenue(c, round) == 1 && g.FixtureOpponent(c, round) != 0 && g.FixtureCompetition(c, round) == 1) {
      pairs.insert({c, g.FixtureOpponent(c, round)});
    }
  }
  return pairs;
}

// What a season leaves that the same seed must give again.
struct SeasonResult {
  std::vector<int> scores;  // FixtureScore of every club and round
  std::vector<double> counters;
  double seconds = 0;
  friend bool operator==(const SeasonResult& a, const SeasonResult& b) {
    return a.scores == b.scores && a.counters == b.counters;
  }
};

class Season : public ::testing::Test {
 protected:
  ~Season() override {
    MatchEngine& match = ui::screen<MatchEngine>();
    if (match.loaded()) match.Unload();
    replaceGame(nullptr);
  }

  // Plays kRounds matchdays from the start of a new game of `club`, checking
  // every round as it goes.
  SeasonResult play(int club) {
    SeasonResult result;
    auto game = startedWorldGame(club);
    if (!game) return result;
    replaceGame(std::move(game));
    MLSModule& g = mls();
    rng().seed(7151);
    StandInUser user;

    std::multiset<Pair> expected;
    for (int r = 1; r <= kLastRound; ++r) expected.merge(leagueFixturesIn(g, r));
    EXPECT_FALSE(expected.empty());
    std::multiset<Pair> played;
    int lastRestart = 0;  // the last round that restarted league 12's table

    const auto start = std::chrono::steady_clock::now();
    for (int n = 1; n <= kRounds; ++n) {
      const int w = static_cast<int>(g.CurrentWeek);
      const std::multiset<Pair> due = leagueFixturesIn(g, w);
      std::vector<int> inLeague(kLastClub + 1, 0);
      std::vector<int> inMatch(kLastClub + 1, 0);
      for (int c = 1; c <= kLastClub; ++c) {
        const int o = g.FixtureOpponent(c, w);
        if (o == 0 || g.FixtureVenue(c, w) != 1) continue;
        ++inMatch[c];
        ++inMatch[o];
        if (g.FixtureCompetition(c, w) == 1) {
          ++inLeague[c];
          ++inLeague[o];
        }
      }
      std::vector<double> gamesBefore(kLastClub + 1), playedBefore(kLastClub + 1);
      for (int c = 1; c <= kLastClub; ++c) {
        gamesBefore[c] = g.TeamGames(c);
        playedBefore[c] = g.TeamGamesPlayed(c);
      }

      playMatchdayAndAdvance();

      const bool restart = w == kSecondPhaseSplit || w == kSecondPhaseFinal;
      if (restart) lastRestart = w;
      for (int c = 1; c <= kLastClub; ++c) {
        EXPECT_LE(inMatch[c], 1) << "club " << c << " has two fixtures in round " << w;
        EXPECT_EQ(g.TeamGamesPlayed(c) - playedBefore[c], inMatch[c]) << "club " << c << ", round " << w;
        if (restart && inSecondPhaseLeague(c)) continue;
        EXPECT_EQ(g.TeamGames(c) - gamesBefore[c], inLeague[c]) << "club " << c << ", round " << w;
      }
      played.insert(due.begin(), due.end());
      if (::testing::Test::HasFailure()) break;
    }
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    if (kRounds == kLastRound) {
      EXPECT_TRUE(std::includes(played.begin(), played.end(), expected.begin(), expected.end()))
          << "every league fixture of the new game is played";
    }
    // Round 24 restarts league 12 with a head start of two wins and one win
    // for its top two clubs; round 46 restarts it from nothing.
    const double headStart = lastRestart == kSecondPhaseSplit ? 3 : 0;
    for (const std::set<int>& league : leaguesOf(g)) {
      double wins = 0, losses = 0, goalsFor = 0, goalsAgainst = 0, counted = 0;
      for (int c : league) {
        wins += g.TeamWins(c);
        losses += g.TeamLosses(c);
        goalsFor += g.TeamGoalsFor(c);
        goalsAgainst += g.TeamGoalsAgainst(c);
        counted += g.TeamWins(c) + g.TeamDraws(c) + g.TeamLosses(c) - g.TeamGames(c);
      }
      const double extra = inSecondPhaseLeague(*league.begin()) ? headStart : 0;
      EXPECT_EQ(wins, losses + extra) << "league of club " << *league.begin();
      EXPECT_EQ(counted, extra) << "league of club " << *league.begin();
      EXPECT_EQ(goalsFor, goalsAgainst) << "league of club " << *league.begin();
      for (int c : league) {
        if (extra != 0) continue;
        EXPECT_EQ(g.TeamGames(c), g.TeamWins(c) + g.TeamDraws(c) + g.TeamLosses(c)) << "club " << c;
      }
    }
    for (int c = 1; c <= kLastClub; ++c) {
      for (int r = 1; r <= kLastRound; ++r) result.scores.push_back(g.FixtureScore(c, r));
      for (double v : {g.TeamGames(c), g.TeamWins(c), g.TeamDraws(c), g.TeamLosses(c), g.TeamGoalsFor(c),
                       g.TeamGoalsAgainst(c), g.ManagerApproval(c), g.TeamFanDemand(c)}) {
        result.counters.push_back(v);
      }
      result.counters.push_back(static_cast<double>(g.TeamForm(c).size()));
    }
    EXPECT_GT(user.talks(), 0) << "the user's club played";
    EXPECT_GT(user.minutePresses(), 0);
    return result;
  }

  ScopedCurrentDir inWorld{KERVALE_WORLD_DIR};
  ScriptedDialogs dialogs{ui::HeadlessBackend::Policy::Defaults};
};

class SeasonOf : public Season, public ::testing::WithParamInterface<int> {};

TEST_P(SeasonOf, EveryLeagueFixtureOnceAndTheSameSeedGivesTheSameSeason) {
  ASSERT_TRUE(startedWorldGame(GetParam())) << "no game to play";
  const SeasonResult first = play(GetParam());
  ASSERT_FALSE(HasFailure());
  const SeasonResult second = play(GetParam());
  EXPECT_TRUE(first == second) << "the same seed plays the same season";
  std::cout << "[ season ] club " << GetParam() << ": " << kRounds << " rounds in " << first.seconds << " s, again in "
            << second.seconds << " s\n";
}

// An MLS club and an English club: different starting rounds, cups and leagues run.
INSTANTIATE_TEST_SUITE_P(Clubs, SeasonOf, ::testing::Values(1, 60), PrintedCaseName());

}  // namespace
}  // namespace kervale::test
