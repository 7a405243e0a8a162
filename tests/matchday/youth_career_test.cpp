// A career of several seasons through the hub's day loop: at every season's
// turn the youth intake fills each playing squad to sixteen with young players,
// during a season computer clubs call up youths, and no record of a named
// player is ever taken over.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/random.h"
#include "data/mls_module.h"
#include "data/squad_floor.h"
#include "data/squad_moves.h"
#include "matchday/driver_world.h"
#include "offseason/off_season.h"
#include "offseason/youth_intake.h"
#include "shell/main_module.h"
#include "standin/stand_in_user.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "team/line_up.h"
#include "team/position_tag.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

// Six seasons, also in the sanitizer build (a few seconds): over the first
// three most youths are the second keepers clubs still want, so the share of
// keepers is measured over six.
constexpr int kSeasons = 6;
constexpr int kLastMlsClub = 16;

// The records' names and ages before a press.
struct Records {
  std::vector<std::string> names;
  std::vector<double> ages;
};

Records recordsOf(const MLSModule& g) {
  Records r{std::vector<std::string>(kLastPlayer + 1), std::vector<double>(kLastPlayer + 1)};
  for (int p = 1; p <= g.NumPlayers; ++p) {
    r.names[static_cast<std::size_t>(p)] = g.PlayerName(p);
    r.ages[static_cast<std::size_t>(p)] = g.PlayerAge(p);
  }
  return r;
}

bool hasKeeper(const MLSModule& g, int club) {
  for (int s = 1; s <= 20; ++s) {
    if (const int p = squadPlayer(g, club, s); p != 0 && PositionTag(g, p) == "G ") return true;
  }
  return false;
}

// What the presses did to the squads, checked against the names before each:
// the new players of every press, and every playing club's squad at a
// season's turn.
struct TurnCheck {
  int youths = 0;
  int keepers = 0;
  int retiredTaken = 0;
  int turns = 0;
  // From the second turn on, when every club has had its two keepers.
  int laterYouths = 0;
  int laterKeepers = 0;

  void press(const MLSModule& g, const Records& before, const std::string& at) {
    for (int p = 1; p <= g.NumPlayers; ++p) {
      const std::string& was = before.names[static_cast<std::size_t>(p)];
      if (g.PlayerName(p).empty() || g.PlayerName(p) == was) continue;
      // A record named before the press is taken only once its player has
      // retired, which a player does at 33 at the earliest.
      if (!was.empty()) {
        ASSERT_GE(before.ages[static_cast<std::size_t>(p)] + 1, 33) << at << ": " << was << "'s record was taken";
        ++retiredTaken;
      }
      newPlayer(g, p, at);
    }
  }

  void turn(const MLSModule& g, const Records& before, const std::string& at) {
    press(g, before, at);
    ++turns;
    for (int club = 1; club <= kLastIntakeClub; ++club) {
      // An MLS number the league has not reached yet plays nowhere: no youths.
      const bool waiting = club <= kLastMlsClub && club > g.MLSTeamCount;
      if (waiting) {
        EXPECT_EQ(namedSquadPlayers(g, club, true), 0) << at << ": club " << club;
      } else {
        EXPECT_GE(namedSquadPlayers(g, club, true), kSquadFloor) << at << ": club " << club;
      }
    }
  }

  // Outside the MLS every new player is a youth: the draft gives only MLS clubs players.
  void newPlayer(const MLSModule& g, int p, const std::string& at) {
    const int club = static_cast<int>(g.PlayerTeam(p));
    EXPECT_GE(g.PlayerAge(p), 17) << at << ": record " << p;
    if (club <= kLastMlsClub) return;
    ++youths;
    // A youth called up on the season's last matchday has aged, and run a
    // year of his contract, with the season's close.
    EXPECT_LE(g.PlayerAge(p), 20) << at << ": record " << p;
    EXPECT_GE(g.PlayerContractYears(p), 1) << at;
    EXPECT_LE(g.PlayerContractYears(p), 2) << at;
    const std::string tag = PositionTag(g, p);
    EXPECT_TRUE(tag == "G " || tag == "D " || tag == "M " || tag == "F ") << at << ": one clear position, " << tag;
    keepers += tag == "G " ? 1 : 0;
    if (turns > 0) {
      ++laterYouths;
      laterKeepers += tag == "G " ? 1 : 0;
    }
    EXPECT_TRUE(hasKeeper(g, club)) << at << ": club " << club << " has a keeper";
  }
};

TEST(YouthCareer, EverySeasonsTurnFillsTheSquadsWithYoungPlayersOnFreeRecords) {
  constexpr int kClub = 230;  // an Australian club: its league plays every season
  auto game = startedWorldGame(kClub, 7);
  ASSERT_TRUE(game) << "no game to play";
  ScriptedDialogs dialogs{ui::HeadlessBackend::Policy::Defaults};
  ScopedCurrentDir inWorld{KERVALE_WORLD_DIR};
  replaceGame(std::move(game));
  rng().seed(7);
  StandInUser player;
  MainModule& hub = ui::screen<MainModule>();
  hub.Show();
  TurnCheck turns;
  for (int s = 1; s <= kSeasons; ++s) {
    const std::string at = "season " + std::to_string(s);
    const int ends = seasonEndsRun();
    Records before = recordsOf(mls());
    for (int day = 0; day < 400 && seasonEndsRun() == ends; ++day) {
      if (!hub.loaded()) hub.Show();
      if (!hub.PlayGamesBUtton.enabled()) {
        ASSERT_EQ(player.readySquad(), "") << at;
      }
      before = recordsOf(mls());
      hub.PlayGamesBUtton.userClick();
      if (seasonEndsRun() == ends) turns.press(mls(), before, at);
    }
    ASSERT_EQ(seasonEndsRun(), ends + 1) << at;
    turns.turn(mls(), before, at);
  }
  EXPECT_GT(turns.youths, 30 * kSeasons) << "retirements are replaced";
  EXPECT_GT(turns.keepers, 0);
  EXPECT_LT(turns.laterKeepers, turns.laterYouths / 2) << "once clubs have two keepers, most youths play outfield";
  EXPECT_LE(mls().NumPlayers, kLastPlayer);
  hub.Unload();
}

}  // namespace
}  // namespace kervale::test
