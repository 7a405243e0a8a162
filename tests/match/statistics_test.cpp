// Seeded runs of many computer matches: the figures the game is tuned to.
#include <gtest/gtest.h>

#include <algorithm>
#include <exception>
#include <iostream>
#include <utility>
#include <vector>

#include "match_fixture.h"
#include "newgame/new_game_loader.h"

namespace kervale::test {
namespace {

struct Figures {
  int matches = 0;
  double homeBall = 0;  // share of the contests the home side held the ball in
  double minutes = 0;
  int homeWins = 0, draws = 0, awayWins = 0;
  double goals = 0;
};

// Plays n matches between the two clubs, resetting their morale, money and
// counters each time so every match starts alike.
Figures playMany(int n, double homeSkill, double awaySkill) {
  buildMatchGame(homeSkill, awaySkill);
  rng().seed(2024);
  MatchEngine m;
  m.Fastsim.setValue(1);
  Figures f;
  for (int i = 0; i < n; ++i) {
    MLSModule& g = mls();
    g.TeamMorale(kHome) = 1;
    g.TeamMorale(kAway) = 1;
    g.LastResultText.clear();
    g.TeamLatestNews(kHome).clear();
    g.TeamLatestNews(kAway).clear();
    m.hometeam = kHome;
    m.awayteam = kAway;
    m.extratimeflag = 0;
    m.Playgame();
    ++f.matches;
    f.homeBall += static_cast<double>(m.homepossession) / m.possessiontotal;
    f.minutes += m.minute;
    f.goals += m.homegoals + m.awaygoals;
    if (m.homegoals > m.awaygoals) ++f.homeWins;
    if (m.homegoals == m.awaygoals) ++f.draws;
    if (m.homegoals < m.awaygoals) ++f.awayWins;
  }
  f.homeBall /= n;
  f.minutes /= n;
  f.goals /= n;
  replaceGame(nullptr);
  return f;
}

// The world's own clubs: a middle club of the first English division at home
// to the next club of that division made its equal (same ratings, positions,
// formation, flow and tactic), its ratings scaled by awayScale.
struct WorldPair {
  int home = 0;
  int away = 0;
};

WorldPair equalWorldClubs(double awayScale) {
  LoaderOptions options;
  options.seed = 11;
  replaceGame(loadNewGame(KERVALE_WORLD_DIR, {}, options));
  MLSModule& g = mls();
  std::vector<std::pair<double, int>> clubs;
  for (int club = 53; club <= 148; ++club) {
    if (g.EnglishDivision(club - 52) != 1 || g.TeamSquad(11, club) == 0) continue;
    double sum = 0;
    for (int slot = 2; slot <= 11; ++slot) {
      const double p = g.TeamSquad(slot, club);
      sum += g.PlayerDefense(p) + g.PlayerMidfield(p) + g.PlayerAttack(p);
    }
    clubs.emplace_back(sum, club);
  }
  if (clubs.size() < 2) return {};
  std::sort(clubs.begin(), clubs.end());
  const WorldPair pair{clubs[clubs.size() / 2].second, clubs[clubs.size() / 2 + 1].second};
  for (int slot = 1; slot <= 20; ++slot) {
    const double from = g.TeamSquad(slot, pair.home);
    const double to = g.TeamSquad(slot, pair.away);
    if (from == 0 || to == 0) continue;
    g.PlayerGoalkeeping(to) = static_cast<float>(g.PlayerGoalkeeping(from) * awayScale);
    g.PlayerDefense(to) = g.PlayerDefense(from) * awayScale;
    g.PlayerMidfield(to) = g.PlayerMidfield(from) * awayScale;
    g.PlayerAttack(to) = g.PlayerAttack(from) * awayScale;
    g.PlayerHeading(to) = g.PlayerHeading(from) * awayScale;
    g.PlayerAggression(to) = g.PlayerAggression(from);
  }
  for (int j = 0; j <= 10; ++j) g.TeamPosition(j, pair.away) = g.TeamPosition(j, pair.home);
  g.TeamFormation(pair.away) = g.TeamFormation(pair.home);
  g.TeamFlow(pair.away) = g.TeamFlow(pair.home);
  g.TeamTactic(pair.away) = g.TeamTactic(pair.home);
  g.TeamPushUp(pair.away) = g.TeamPushUp(pair.home);
  g.TeamKeyPlayerSlot(pair.away) = g.TeamKeyPlayerSlot(pair.home);
  g.MyTeam = 0;
  return pair;
}

Figures playWorld(int n, const WorldPair& pair) {
  rng().seed(2025);
  MatchEngine m;
  Figures f;
  for (int i = 0; i < n; ++i) {
    MLSModule& g = mls();
    g.TeamMorale(pair.home) = 1;
    g.TeamMorale(pair.away) = 1;
    g.LastResultText.clear();
    g.TeamLatestNews(pair.home).clear();
    g.TeamLatestNews(pair.away).clear();
    m.hometeam = pair.home;
    m.awayteam = pair.away;
    m.extratimeflag = 0;
    m.Fastsim.setValue(1);
    m.Playgame();
    ++f.matches;
    f.homeBall += static_cast<double>(m.homepossession) / m.possessiontotal;
    f.goals += m.homegoals + m.awaygoals;
    if (m.homegoals > m.awaygoals) ++f.homeWins;
    if (m.homegoals == m.awaygoals) ++f.draws;
    if (m.homegoals < m.awaygoals) ++f.awayWins;
  }
  f.homeBall /= n;
  f.goals /= n;
  return f;
}

TEST(WorldMatchStatisticsTest, EqualMidStrengthClubsOfTheWorld) {
  ScriptedDialogs dialogs;
  WorldPair pair;
  try {
    pair = equalWorldClubs(1);
  } catch (const std::exception& e) {
    FAIL() << "the world does not load: " << e.what();
  }
  ASSERT_NE(pair.home, 0);
  const Figures equal = playWorld(10000, pair);
  pair = equalWorldClubs(1.2);
  const Figures stronger = playWorld(2000, pair);
  std::cout << "world, equal clubs " << pair.home << " v " << pair.away << ": home possession " << 100 * equal.homeBall
            << "%, goals " << equal.goals << ", home/draw/away " << equal.homeWins << "/" << equal.draws << "/"
            << equal.awayWins << "; away 20% stronger: home possession " << 100 * stronger.homeBall << "%\n";
  EXPECT_GT(equal.homeBall, 0.35);
  EXPECT_LT(equal.homeBall, 0.65);
  EXPECT_LT(stronger.homeBall, equal.homeBall - 0.02);
  replaceGame(nullptr);
}

TEST(MatchStatisticsTest, EqualClubsShareTheBall) {
  ScriptedDialogs dialogs;
  const Figures f = playMany(10000, 10, 10);
  std::cout << "equal clubs: home possession " << 100 * f.homeBall << "%, goals " << f.goals << ", home/draw/away "
            << f.homeWins << "/" << f.draws << "/" << f.awayWins << "\n";
  EXPECT_EQ(f.minutes, 90);
  EXPECT_GT(f.homeBall, 0.35);
  EXPECT_LT(f.homeBall, 0.65);
}

TEST(MatchStatisticsTest, StrongerClubHoldsTheBallMore) {
  ScriptedDialogs dialogs;
  const Figures stronger = playMany(2000, 12, 10);
  const Figures weaker = playMany(2000, 10, 12);
  std::cout << "home 20% stronger: " << 100 * stronger.homeBall << "%; away 20% stronger: " << 100 * weaker.homeBall
            << "%\n";
  EXPECT_GT(stronger.homeBall, weaker.homeBall + 0.03);
}

}  // namespace
}  // namespace kervale::test
