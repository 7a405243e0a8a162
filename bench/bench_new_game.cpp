#include "bench_new_game.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <system_error>

#include "match/match_engine.h"
#include "newgame/pick_team.h"
#include "shell/frm_splash.h"
#include "shell/main_module.h"
#include "ui/headless/headless_backend.h"
#include "ui/screen.h"

namespace kervale {

InWorldFolder::InWorldFolder() : before_(std::filesystem::current_path()) {
  std::filesystem::current_path(KERVALE_WORLD_DIR);
}

InWorldFolder::~InWorldFolder() {
  std::error_code ignored;
  std::filesystem::current_path(before_, ignored);
}

namespace {

struct League {
  const char* name;
  int first;
  int last;
};
constexpr std::array<League, 5> kLeagues = {
    {{"mls", 1, 16}, {"aleague", 17, 34}, {"d3", 35, 52}, {"english", 53, 148}, {"australian", 225, 237}}};

// League matches of the league in the round, counted at the home club.
int leagueMatches(const MLSModule& g, const League& league, int round) {
  int matches = 0;
  for (int c = league.first; c <= league.last; ++c) {
    if (g.FixtureVenue(c, round) == 1 && g.FixtureOpponent(c, round) != 0 && g.FixtureCompetition(c, round) == 1) {
      ++matches;
    }
  }
  return matches;
}

bool leaguePlaysThisSeason(const MLSModule& g, const League& league) {
  for (int round = 1; round <= kLastRound; ++round) {
    if (leagueMatches(g, league, round) > 0) return true;
  }
  return false;
}

// Whether every league with fixtures this season plays in the current round.
bool everyLeaguePlays(const MLSModule& g) {
  for (const League& league : kLeagues) {
    if (leaguePlaysThisSeason(g, league) && leagueMatches(g, league, g.CurrentWeek) == 0) return false;
  }
  return true;
}

int matchesOf(const MLSModule& g) {
  int matches = 0;
  for (int c = 1; c <= kLastClub; ++c) {
    if (g.FixtureVenue(c, g.CurrentWeek) == 1 && g.FixtureOpponent(c, g.CurrentWeek) != 0) ++matches;
  }
  return matches;
}

// Picks the club on the page that lists it and presses OK.
void pickClub(PickTeam& pick, int club, bool english) {
  (english ? pick.Command1347 : pick.Command1).userClick();
  const int position = english ? club - 6 : club;  // where the page lists the club
  const int low = std::min(pick.VScroll1.min(), pick.VScroll1.max());
  const int high = std::max(pick.VScroll1.min(), pick.VScroll1.max());
  pick.VScroll1.userScroll(std::clamp(position - 1, low, high));
  pick.teambutton(position - pick.VScroll1.value()).userClick();
  pick.Text1.userSetText("Bench Manager");
  pick.OkButtonTeamSelect.userClick();
}

}  // namespace

void startGameThroughScreens(int club, int loaderSeed, bool english) {
  const InWorldFolder inWorld;
  ui::headless().setPolicy(ui::HeadlessBackend::Policy::Defaults);
  PickTeam& pick = ui::screen<PickTeam>();
  pick.loaderSeed = loaderSeed;
  ui::screen<frmSplash>().Show();
  ui::screen<frmSplash>().Command1.userClick();
  if (pick.loaded()) pickClub(pick, club, english);
  const bool started = mls().MyTeam == club && !pick.loaded();
  const std::string error =
      pick.loadError ? pick.loadError->problem() : "the new game of club " + std::to_string(club) + " did not start";
  for (ui::Form* form : {static_cast<ui::Form*>(&ui::screen<MainModule>()), static_cast<ui::Form*>(&pick),
                         static_cast<ui::Form*>(&ui::screen<frmSplash>())}) {
    if (form->loaded()) form->Unload();
  }
  if (!started) throw std::runtime_error(error);
}

std::unique_ptr<MLSModule> gameThroughScreens(int club, int loaderSeed, bool english) {
  startGameThroughScreens(club, loaderSeed, english);
  auto game = std::make_unique<MLSModule>(mls());
  replaceGame(nullptr);
  return game;
}

void playMatchday() {
  MatchEngine& match = ui::screen<MatchEngine>();
  match.Show();
  match.Unload();
  MLSModule& g = mls();
  g.CurrentWeek = g.CurrentWeek >= kLastRound ? 1 : g.CurrentWeek + 1;
}

void playOnToARoundOfEveryLeague() {
  for (int n = 0; n < kLastRound && !everyLeaguePlays(mls()); ++n) playMatchday();
  if (!everyLeaguePlays(mls())) throw std::runtime_error("no round of the season has every league playing");
}

void countMatches(benchmark::State& state, const MLSModule& game) {
  state.counters["round"] = game.CurrentWeek;
  state.counters["matches"] = matchesOf(game);
  for (const League& league : kLeagues) state.counters[league.name] = leagueMatches(game, league, game.CurrentWeek);
}

BenchTempDir::BenchTempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kervale-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a folder like " + pattern);
  path_ = pattern;
}

BenchTempDir::~BenchTempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace kervale
