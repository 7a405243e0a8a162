#include "offseason/offseason_game.h"

#include <filesystem>
#include <string>

#include "data/squad_moves.h"
#include "offseason/college_draft.h"
#include "ui/screen.h"

namespace kervale::test {

void OffSeasonTest::SetUp() {
  replaceGame(makeEmptyGame());
  rng().seed(24);
  MLSModule& game = g();
  game.MLSTeamCount = 10;
  game.MLSMatchesPerRound = 5;
  game.MyTeam = 1;
  for (int c = 0; c <= kLastClub; ++c) game.TeamName(c) = "Club " + std::to_string(c);
  int east = 0, west = 0;
  for (int c = 1; c <= 14; ++c) {
    game.TeamDivision(c) = c % 2;
    if (c % 2 == 0) game.EastOrder(++east) = c;
    if (c % 2 == 1) game.WestOrder(++west) = c;
  }
}

void OffSeasonTest::TearDown() {
  CollegeDraft& draft = ui::screen<CollegeDraft>();
  if (draft.loaded()) draft.Unload(ui::UnloadMode::ProgramEnd);
  rng().clearScript();
  cwd.reset();
}

int OffSeasonTest::addPlayer(int club, int slot, double keeping, double defence, double midfield, double attack) {
  MLSModule& game = g();
  const int p = game.NumPlayers + 1;
  game.NumPlayers = static_cast<MLSModule::Int16>(p);
  game.PlayerName(p) = "Player " + std::to_string(p);
  game.PlayerGoalkeeping(p) = static_cast<float>(keeping);
  game.PlayerDefense(p) = defence;
  game.PlayerMidfield(p) = midfield;
  game.PlayerAttack(p) = attack;
  game.PlayerAge(p) = 25;
  game.PlayerContractYears(p) = 3;
  game.PlayerWage(p) = 100;
  if (club != 0) movePlayer(game, p, club, slot);
  return p;
}

void OffSeasonTest::englishDivisionsInOrder() {
  int club = 53;
  for (int league = 1; league <= 4; ++league) {
    for (int place = 1; place <= (league == 1 ? 20 : 24); ++place, ++club) {
      g().LeagueOrder(place, league) = club;
      g().EnglishDivision(club - 52) = league;
      g().TeamWins(club) = 40 - place;
    }
  }
}

void OffSeasonTest::inWorldFiles() {
  for (const char* name : {"mls 10.dat", "mls 12.dat", "mls 14.dat", "usafirst.dat", "usalast.dat", "mlsexp.dat",
                           "fixt14.dat", "fixt18.dat", "fixt20.dat", "fixt24.dat"}) {
    std::filesystem::copy_file(std::filesystem::path(KERVALE_WORLD_DIR) / name, dir.path() / name,
                               std::filesystem::copy_options::overwrite_existing);
  }
  cwd.emplace(dir.path());
}

}  // namespace kervale::test
