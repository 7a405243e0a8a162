// The world's clubs over many seeded matches: goals, results, shots, fouls, cards and penalties.
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

struct Tally {
  int matches = 0;
  int homeWins = 0, draws = 0, awayWins = 0;
  double goals = 0, homeBall = 0, shots = 0;
  double fouls = 0, yellows = 0, reds = 0, penalties = 0;

  double perMatch(double total) const { return total / matches; }
  double share(int count) const { return static_cast<double>(count) / matches; }
};

std::ostream& operator<<(std::ostream& out, const Tally& t) {
  return out << "goals " << t.perMatch(t.goals) << ", home/draw/away " << 100 * t.share(t.homeWins) << "/"
             << 100 * t.share(t.draws) << "/" << 100 * t.share(t.awayWins) << "%, home possession "
             << 100 * t.perMatch(t.homeBall) << "%, shots " << t.perMatch(t.shots) << ", fouls " << t.perMatch(t.fouls)
             << ", yellows " << t.perMatch(t.yellows) << ", reds " << t.perMatch(t.reds) << ", penalties "
             << t.perMatch(t.penalties);
}

// Two mid-strength clubs of the world's first English division; the away club
// is made the home club's equal (same ratings, positions and settings) and
// each side's ratings can then be scaled.
class WorldClubs : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    LoaderOptions options;
    options.seed = 5;
    try {
      replaceGame(loadNewGame(KERVALE_WORLD_DIR, {}, options));
    } catch (const std::exception& e) {
      loadError_ = e.what();
      return;
    }
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
    if (clubs.size() < 2) return;
    std::sort(clubs.begin(), clubs.end());
    home_ = clubs[clubs.size() / 2].second;
    away_ = clubs[clubs.size() / 2 + 1].second;
    for (int slot = 1; slot <= 20; ++slot) {
      const double p = g.TeamSquad(slot, home_);
      base_.push_back({g.PlayerGoalkeeping(p), g.PlayerDefense(p), g.PlayerMidfield(p), g.PlayerAttack(p),
                       g.PlayerHeading(p), g.PlayerAggression(p)});
    }
    for (int j = 0; j <= 10; ++j) g.TeamPosition(j, away_) = g.TeamPosition(j, home_);
    g.TeamFormation(away_) = g.TeamFormation(home_);
    g.TeamFlow(away_) = g.TeamFlow(home_);
    g.TeamTactic(away_) = g.TeamTactic(home_);
    g.TeamPushUp(away_) = g.TeamPushUp(home_);
    g.TeamKeyPlayerSlot(away_) = g.TeamKeyPlayerSlot(home_);
    g.MyTeam = 0;
    g.ShowAllMatches = false;
    g.CupTieFlag = 0;
  }
  static void TearDownTestSuite() { replaceGame(nullptr); }

  void SetUp() override {
    if (!loadError_.empty()) GTEST_SKIP() << "the world does not load: " << loadError_;
    ASSERT_NE(home_, 0);
  }

  // Both squads from the home club's ratings, each scaled.
  static void rate(double homeScale, double awayScale) {
    MLSModule& g = mls();
    for (int slot = 1; slot <= 20; ++slot) {
      const Ratings& r = base_[slot - 1];
      for (auto [club, scale] : {std::pair{home_, homeScale}, std::pair{away_, awayScale}}) {
        const double p = g.TeamSquad(slot, club);
        if (p == 0) continue;
        g.PlayerGoalkeeping(p) = static_cast<float>(r.keeping * scale);
        g.PlayerDefense(p) = r.defence * scale;
        g.PlayerMidfield(p) = r.midfield * scale;
        g.PlayerAttack(p) = r.attack * scale;
        g.PlayerHeading(p) = r.heading * scale;
        g.PlayerAggression(p) = r.aggression;
      }
    }
  }

  static Tally play(int n, double homeScale, double awayScale) {
    rate(homeScale, awayScale);
    rng().seed(8);
    MLSModule& g = mls();
    MatchEngine m;
    Tally t;
    for (int i = 0; i < n; ++i) {
      g.TeamMorale(home_) = 1;
      g.TeamMorale(away_) = 1;
      g.LastResultText.clear();
      g.TeamLatestNews(home_).clear();
      g.TeamLatestNews(away_).clear();
      const double yellows = g.TeamYellowCards(home_) + g.TeamYellowCards(away_);
      const double reds = g.TeamRedCards(home_) + g.TeamRedCards(away_);
      m.hometeam = home_;
      m.awayteam = away_;
      m.extratimeflag = 0;
      m.Fastsim.setValue(1);
      m.Playgame();
      ++t.matches;
      t.goals += m.homegoals + m.awaygoals;
      if (m.homegoals > m.awaygoals) ++t.homeWins;
      if (m.homegoals == m.awaygoals) ++t.draws;
      if (m.homegoals < m.awaygoals) ++t.awayWins;
      t.homeBall += static_cast<double>(m.homepossession) / m.possessiontotal;
      t.shots += m.homeshots + m.awayshots;
      t.fouls += m.homefouls + m.awayfouls;
      t.yellows += g.TeamYellowCards(home_) + g.TeamYellowCards(away_) - yellows;
      t.reds += g.TeamRedCards(home_) + g.TeamRedCards(away_) - reds;
      t.penalties += m.penaltycount;
    }
    return t;
  }

  struct Ratings {
    double keeping, defence, midfield, attack, heading, aggression;
  };
  static inline std::string loadError_;
  static inline int home_ = 0;
  static inline int away_ = 0;
  static inline std::vector<Ratings> base_;
};

TEST_F(WorldClubs, EqualClubsPlayLikeRealFootball) {
  const Tally t = play(10000, 1, 1);
  std::cout << "world, equal clubs " << home_ << " v " << away_ << ": " << t << "\n";
  EXPECT_GE(t.perMatch(t.goals), 1.5);
  EXPECT_LE(t.perMatch(t.goals), 4);
  EXPECT_GT(t.homeWins, t.awayWins);
  EXPECT_GE(t.share(t.draws), 0.15);
  EXPECT_LE(t.share(t.draws), 0.40);
  EXPECT_GT(t.perMatch(t.homeBall), 0.35);
  EXPECT_LT(t.perMatch(t.homeBall), 0.65);
  EXPECT_GE(t.perMatch(t.fouls), 20);
  EXPECT_LE(t.perMatch(t.fouls), 30);
  // Only 7 card rolls in 200 book a player, so 20 to 30 fouls give about one
  // yellow card a match, not the two to five of real football.
  EXPECT_GE(t.perMatch(t.yellows), 0.6);
  EXPECT_LE(t.perMatch(t.yellows), 1.2);
  EXPECT_LT(t.perMatch(t.reds), 0.3);
  EXPECT_GT(t.reds, 0);
  EXPECT_LT(t.perMatch(t.penalties), 0.5);
  EXPECT_GT(t.penalties, 0);
}

TEST_F(WorldClubs, TheStrongerClubWinsClearlyMore) {
  const Tally equal = play(4000, 1, 1);
  const Tally home = play(4000, 1.2, 1);
  const Tally away = play(4000, 1, 1.2);
  std::cout << "home 20% stronger: " << home << "\naway 20% stronger: " << away << "\n";
  EXPECT_GT(home.share(home.homeWins), equal.share(equal.homeWins) + 0.1);
  EXPECT_GT(away.share(away.awayWins), equal.share(equal.awayWins) + 0.1);
  EXPECT_GT(away.awayWins, away.homeWins);
}

}  // namespace
}  // namespace kervale::test
