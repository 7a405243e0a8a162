// Seeded runs of many computer matches: the figures the game is tuned to, on
// the fixture's clubs and on the world's own.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "match_fixture.h"
#include "newgame/new_game_loader.h"

namespace kervale::test {
namespace {

struct Tally {
  int matches = 0;
  int homeWins = 0, draws = 0, awayWins = 0;
  double goals = 0, homeBall = 0, shots = 0, minutes = 0;
  double fouls = 0, yellows = 0, reds = 0, penalties = 0;

  double perMatch(double total) const { return total / matches; }
  double share(int count) const { return static_cast<double>(count) / matches; }
};

// Plays n computer matches, resetting morale and news each time so every match starts alike.
Tally playSeries(int n, int home, int away, unsigned seed) {
  rng().seed(seed);
  MLSModule& g = mls();
  MatchEngine m;
  Tally t;
  for (int i = 0; i < n; ++i) {
    g.TeamMorale(home) = 1;
    g.TeamMorale(away) = 1;
    g.LastResultText.clear();
    g.TeamLatestNews(home).clear();
    g.TeamLatestNews(away).clear();
    const double yellows = g.TeamYellowCards(home) + g.TeamYellowCards(away);
    const double reds = g.TeamRedCards(home) + g.TeamRedCards(away);
    m.hometeam = home;
    m.awayteam = away;
    m.extratimeflag = 0;
    m.Fastsim.setValue(1);
    m.Playgame();
    ++t.matches;
    t.goals += m.homegoals + m.awaygoals;
    if (m.homegoals > m.awaygoals) ++t.homeWins;
    if (m.homegoals == m.awaygoals) ++t.draws;
    if (m.homegoals < m.awaygoals) ++t.awayWins;
    t.homeBall += static_cast<double>(m.homepossession) / m.possessiontotal;
    t.minutes += m.minute;
    t.shots += m.homeshots + m.awayshots;
    t.fouls += m.homefouls + m.awayfouls;
    t.yellows += g.TeamYellowCards(home) + g.TeamYellowCards(away) - yellows;
    t.reds += g.TeamRedCards(home) + g.TeamRedCards(away) - reds;
    t.penalties += m.penaltycount;
  }
  return t;
}

// A middle club of the world's first English division at home to the next
// club of that division made its equal (same ratings, positions and
// settings), each side's ratings then scaled; {0, 0} without two such clubs.
std::pair<int, int> worldClubs(double homeScale, double awayScale) {
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
  if (clubs.size() < 2) return {0, 0};
  std::sort(clubs.begin(), clubs.end());
  const int home = clubs[clubs.size() / 2].second;
  const int away = clubs[clubs.size() / 2 + 1].second;
  for (int slot = 1; slot <= 20; ++slot) {
    const double from = g.TeamSquad(slot, home);
    const double to = g.TeamSquad(slot, away);
    if (from == 0 || to == 0) continue;
    g.PlayerAggression(to) = g.PlayerAggression(from);
    // The away player first, from the home player's ratings before they are scaled.
    for (auto [p, scale] : {std::pair{to, awayScale}, std::pair{from, homeScale}}) {
      g.PlayerGoalkeeping(p) = static_cast<float>(g.PlayerGoalkeeping(from) * scale);
      g.PlayerDefense(p) = g.PlayerDefense(from) * scale;
      g.PlayerMidfield(p) = g.PlayerMidfield(from) * scale;
      g.PlayerAttack(p) = g.PlayerAttack(from) * scale;
      g.PlayerHeading(p) = g.PlayerHeading(from) * scale;
    }
  }
  for (int j = 0; j <= 10; ++j) g.TeamPosition(j, away) = g.TeamPosition(j, home);
  g.TeamFormation(away) = g.TeamFormation(home);
  g.TeamFlow(away) = g.TeamFlow(home);
  g.TeamTactic(away) = g.TeamTactic(home);
  g.TeamPushUp(away) = g.TeamPushUp(home);
  g.TeamKeyPlayerSlot(away) = g.TeamKeyPlayerSlot(home);
  g.MyTeam = 0;
  g.ShowAllMatches = false;
  g.CupTieFlag = 0;
  return {home, away};
}

Tally playWorld(int n, double homeScale, double awayScale) {
  const auto [home, away] = worldClubs(homeScale, awayScale);
  EXPECT_NE(home, 0);
  const Tally t = home == 0 ? Tally{} : playSeries(n, home, away, 8);
  replaceGame(nullptr);
  return t;
}

// One band run: each bound catches a doubled or halved rate.
TEST(WorldMatchStatisticsTest, EqualClubsPlayLikeRealFootballAndTheStrongerWinsMore) {
  ScriptedDialogs dialogs;
  const Tally t = playWorld(1500, 1, 1);
  EXPECT_EQ(t.perMatch(t.minutes), 90);
  EXPECT_GE(t.perMatch(t.goals), 1.5);
  EXPECT_LE(t.perMatch(t.goals), 4);
  EXPECT_GT(t.homeWins, t.awayWins);
  EXPECT_GE(t.share(t.draws), 0.15);
  EXPECT_LE(t.share(t.draws), 0.40);
  EXPECT_GT(t.perMatch(t.homeBall), 0.35);
  EXPECT_LT(t.perMatch(t.homeBall), 0.65);
  EXPECT_GE(t.perMatch(t.fouls), 20);
  EXPECT_LE(t.perMatch(t.fouls), 30);
  EXPECT_GE(t.perMatch(t.yellows), 0.6);
  EXPECT_LE(t.perMatch(t.yellows), 1.2);
  EXPECT_LT(t.perMatch(t.reds), 0.3);
  EXPECT_GT(t.reds, 0);
  EXPECT_LT(t.perMatch(t.penalties), 0.5);
  EXPECT_GT(t.penalties, 0);
  const Tally away = playWorld(800, 1, 1.2);
  EXPECT_GT(away.share(away.awayWins), t.share(t.awayWins) + 0.1);
  EXPECT_GT(away.awayWins, away.homeWins);
  // Four times the run's noise; the world's middle clubs give about 0.02.
  EXPECT_LT(away.perMatch(away.homeBall), t.perMatch(t.homeBall) - 0.01);
}

}  // namespace
}  // namespace kervale::test
