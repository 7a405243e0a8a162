// Whole seasons of world games through the hub's day loop, season end
// included, with the stand-in player.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "base/random.h"
#include "data/mls_module.h"
#include "matchday/driver_world.h"
#include "offseason/off_season.h"
#include "shell/main_module.h"
#include "standin/stand_in_user.h"
#include "support/sanitized.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

constexpr double kMostLeagueGames = 46;  // a club of a 24-club English division

// The sanitizer build plays three of the ten seasons, so that its run stays short.
constexpr int kLongRun = kSanitized ? 3 : 10;

// At the summary: the season's leagues are final. Every league fixture of the
// grid was played once, and each league's wins and goals balance.
void expectLeaguesFinal(const MLSModule& g, bool american, const std::string& at) {
  auto english = [&g](int d) {
    return [&g, d](int c) { return c >= 53 && c <= 144 && g.EnglishDivision(c - 52) == d; };
  };
  std::vector<std::function<bool(int)>> leagues = {english(1), english(2), english(3), english(4)};
  if (american) {
    const int mlsClubs = static_cast<int>(g.MLSTeamCount);
    leagues.push_back([mlsClubs](int c) { return c >= 1 && c <= mlsClubs; });
    leagues.push_back([](int c) { return c >= 17 && c <= 34; });
  }
  for (std::size_t l = 0; l < leagues.size(); ++l) {
    double wins = 0, losses = 0, goalsFor = 0, goalsAgainst = 0, games = 0, cells = 0;
    for (int c = 1; c <= kLastClub; ++c) {
      if (!leagues[l](c)) continue;
      wins += g.TeamWins(c);
      losses += g.TeamLosses(c);
      goalsFor += g.TeamGoalsFor(c);
      goalsAgainst += g.TeamGoalsAgainst(c);
      games += g.TeamGames(c);
      for (int r = 1; r <= kLastRound; ++r) cells += g.FixtureCompetition(c, r) == 1 && g.FixtureOpponent(c, r) != 0;
    }
    EXPECT_EQ(wins, losses) << at << " league " << l;
    EXPECT_EQ(goalsFor, goalsAgainst) << at << " league " << l;
    EXPECT_GT(games, 0) << at << " league " << l;
    EXPECT_EQ(games, cells) << at << " league " << l << ": every fixture played once";
  }
  // The Australian table holds its second phase, which goes on after the
  // summary: its goals balance, and its wins do but for the head start of
  // the top two (two wins and one).
  double wins = 0, losses = 0, goalsFor = 0, goalsAgainst = 0;
  for (int c = 225; c <= 237; ++c) {
    wins += g.TeamWins(c);
    losses += g.TeamLosses(c);
    goalsFor += g.TeamGoalsFor(c);
    goalsAgainst += g.TeamGoalsAgainst(c);
  }
  EXPECT_EQ(wins, losses + 3) << at << " Australia";
  EXPECT_EQ(goalsFor, goalsAgainst) << at << " Australia";
  for (int c = 1; c <= kLastClub; ++c) EXPECT_LE(g.TeamGames(c), kMostLeagueGames) << at << " club " << c;
  const int season = static_cast<int>(g.CurrentSeason);
  if (american) {
    EXPECT_NE(g.MLSChampionHistory(season), 0) << at;
  }
  EXPECT_NE(g.PremiershipChampionHistory(season), 0) << at;
}

void expectNewSeasonSound(const MLSModule& g, const std::string& at) {
  std::vector<int> clubOf(kLastPlayer + 1, 0);
  for (int c = 1; c <= kLastClub; ++c) {
    for (int s = 1; s <= 20; ++s) {
      const int p = static_cast<int>(g.TeamSquad(s, c));
      if (p == 0 || g.PlayerName(p).empty()) continue;
      EXPECT_EQ(clubOf[p], 0) << at << ": player " << p << " in clubs " << clubOf[p] << " and " << c;
      clubOf[p] = c;
    }
  }
  EXPECT_LE(g.NumPlayers, kLastPlayer) << at;
  for (int d = 1; d <= 4; ++d) {
    std::set<int> own;
    for (int p = 1; p <= (d == 1 ? 20 : 24); ++p) {
      const int c = static_cast<int>(g.LeagueOrder(p, d));
      if (c >= 53 && c <= 144 && g.EnglishDivision(c - 52) == d) own.insert(c);
    }
    EXPECT_EQ(own.size(), d == 1 ? 20U : 24U) << at << " division " << d;
  }
  EXPECT_EQ(g.CurrentWeek, 42) << at;
  // A new season's tables start empty, but the Australian second phase's.
  for (int c = 1; c <= kLastClub; ++c) {
    const bool australian = c >= 225 && c <= 237;
    EXPECT_EQ(g.TeamGames(c) * !australian, 0) << at << " club " << c;
  }
}

// Every named player is a year older on the same day of the next year, until
// he retires; the draftees too, from the first day after their draft.
class AgeWatch {
 public:
  // Before each press: the names, just before the press that ends a season.
  void beforePress(const MLSModule& g) {
    if (g.CurrentWeek == 41 && (g.WeekDay == 3 || g.WeekDay == 6)) names_ = namesOf(g);
  }
  // After each press: draftees after a season end, ages on the day of the year
  // a week after the first season end.
  void afterPress(const MLSModule& g, bool seasonEnded, const std::string& at) {
    if (seasonEnded) {
      for (int p = 1; p <= g.NumPlayers; ++p) {
        const bool fresh =
            p >= static_cast<int>(names_.size()) || names_[static_cast<std::size_t>(p)] != g.PlayerName(p);
        if (fresh && !g.PlayerName(p).empty()) draftees_.insert(p);
      }
      if (anchorMonth_ == 0) daysToAnchor_ = 7;
    }
    if (daysToAnchor_ > 0 && --daysToAnchor_ == 0) {
      anchorMonth_ = g.CurrentMonth;
      anchorDay_ = g.MonthDay;
    }
    if (anchorMonth_ == 0 || g.CurrentMonth != anchorMonth_ || g.MonthDay != anchorDay_) return;
    std::vector<std::pair<std::string, double>> now(static_cast<std::size_t>(g.NumPlayers) + 1);
    for (int p = 1; p <= g.NumPlayers; ++p) now[static_cast<std::size_t>(p)] = {g.PlayerName(p), g.PlayerAge(p)};
    for (std::size_t p = 1; p < ages_.size() && p < now.size(); ++p) {
      if (ages_[p].first.empty() || ages_[p].first != now[p].first) continue;  // retired, or a new player
      EXPECT_EQ(now[p].second, ages_[p].second + 1) << at << ": " << now[p].first << " (player " << p << ")";
      ++compared_;
      draftees_aged_ += draftees_.count(static_cast<int>(p));
    }
    ages_ = std::move(now);
  }
  int compared() const { return compared_; }
  int drafteesAged() const { return draftees_aged_; }

 private:
  static std::vector<std::string> namesOf(const MLSModule& g) {
    std::vector<std::string> names(static_cast<std::size_t>(g.NumPlayers) + 1);
    for (int p = 1; p <= g.NumPlayers; ++p) names[static_cast<std::size_t>(p)] = g.PlayerName(p);
    return names;
  }
  std::vector<std::string> names_;
  std::set<int> draftees_;
  std::vector<std::pair<std::string, double>> ages_;
  double anchorMonth_ = 0;
  double anchorDay_ = 0;
  int daysToAnchor_ = 0;
  int compared_ = 0;
  int draftees_aged_ = 0;
};

void playSeasons(int club, std::uint64_t seed, int seasons) {
  auto game = startedWorldGame(club, seed);
  ASSERT_TRUE(game) << "no game to play";
  ScriptedDialogs dialogs{ui::HeadlessBackend::Policy::Defaults};
  ScopedCurrentDir inWorld{KERVALE_WORLD_DIR};
  replaceGame(std::move(game));
  mls().PlayoffTeams = 8;
  rng().seed(seed);
  StandInUser player;
  const bool american = club <= 52;
  int looked = 0;
  player.onSummary([&] {
    ++looked;
    expectLeaguesFinal(mls(), american, "club " + std::to_string(club) + " season " + std::to_string(looked));
  });
  MainModule& hub = ui::screen<MainModule>();
  hub.Show();
  AgeWatch ages;
  int reached14 = 0;
  for (int s = 1; s <= seasons; ++s) {
    const std::string at = "club " + std::to_string(club) + " season " + std::to_string(s);
    const double season = mls().CurrentSeason;
    const int ends = seasonEndsRun();
    for (int day = 0; day < 400 && seasonEndsRun() == ends; ++day) {
      if (!hub.loaded()) hub.Show();
      if (!hub.PlayGamesBUtton.enabled()) {
        ASSERT_EQ(player.readySquad(), "") << at;
      }
      ASSERT_TRUE(hub.PlayGamesBUtton.enabled()) << at;
      ages.beforePress(mls());
      hub.PlayGamesBUtton.userClick();
      ages.afterPress(mls(), seasonEndsRun() != ends, at);
    }
    ASSERT_EQ(seasonEndsRun(), ends + 1) << at << ": one sequence";
    EXPECT_EQ(looked, s) << at;
    EXPECT_EQ(mls().CurrentSeason, season + 1) << at;
    expectNewSeasonSound(mls(), at);
    reached14 += mls().MLSTeamCount == 14 ? 1 : 0;
  }
  if (seasons >= 3) {
    // A year from a week after the first season end to a week after each later one but the last.
    const int years = seasons - 2;
    EXPECT_GT(ages.compared(), 2000 * years) << "every player's year of ageing";
    EXPECT_GT(ages.drafteesAged(), 5 * years) << "the draftees age too";
  }
  if (seasons >= 10) {
    EXPECT_GT(reached14, 0) << "the MLS grows to 14 clubs";
  }
  hub.Unload();
}

TEST(SeasonEndWorld, TwoSeasonsOfAnMlsClubAndOfAnEnglishClub) {
  playSeasons(3, 2003, 2);
  playSeasons(60, 2003, 2);
}

TEST(SeasonEndWorld, TenSeasonsOfAnEnglishClub) { playSeasons(60, 2003, kLongRun); }

}  // namespace
}  // namespace kervale::test
