// Whole seasons of world games through the hub's day loop, season end
// included, with the stand-in player.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "base/random.h"
#include "data/mls_module.h"
#include "data/squad_moves.h"
#include "matchday/driver_world.h"
#include "offseason/off_season.h"
#include "shell/main_module.h"
#include "standin/stand_in_user.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

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
}

// An English manager gets no draft picks: over the years he signs free
// players to make up for the retired ones, as on the player card.
void signFreePlayers(MLSModule& g) {
  const int club = static_cast<int>(g.MyTeam);
  auto fit = [&g](double p) { return p >= 1 && !g.PlayerName(p).empty() && g.PlayerInjury(p) <= 0; };
  int fitPlayers = 0;
  for (int s = 1; s <= 20; ++s) fitPlayers += fit(g.TeamSquad(s, club)) ? 1 : 0;
  for (int p = 1; p <= g.NumPlayers && fitPlayers < 11 && firstFreeSquadSlot(g, club) != 0; ++p) {
    if (g.PlayerTeam(p) != 0 || !fit(p)) continue;
    movePlayer(g, p, club, firstFreeSquadSlot(g, club));
    ++fitPlayers;
  }
}

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
  int reached14 = 0;
  for (int s = 1; s <= seasons; ++s) {
    const double season = mls().CurrentSeason;
    const int ends = seasonEndsRun();
    for (int day = 0; day < 400 && seasonEndsRun() == ends; ++day) {
      if (!hub.loaded()) hub.Show();
      if (!hub.PlayGamesBUtton.enabled()) {
        signFreePlayers(mls());
        hub.Unload();  // the rebuilt hub sees the new players
        hub.Show();
        player.fitLineUp();
      }
      ASSERT_TRUE(hub.PlayGamesBUtton.enabled()) << club << " season " << s;
      hub.PlayGamesBUtton.userClick();
    }
    const std::string at = "club " + std::to_string(club) + " season " + std::to_string(s);
    ASSERT_EQ(seasonEndsRun(), ends + 1) << at << ": one sequence";
    EXPECT_EQ(looked, s) << at;
    EXPECT_EQ(mls().CurrentSeason, season + 1) << at;
    expectNewSeasonSound(mls(), at);
    reached14 += mls().MLSTeamCount == 14 ? 1 : 0;
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

TEST(SeasonEndWorld, TenSeasonsOfAnEnglishClub) { playSeasons(60, 2003, 10); }

}  // namespace
}  // namespace kervale::test
