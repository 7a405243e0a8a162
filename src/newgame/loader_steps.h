#pragma once

#include <filesystem>

#include "data/mls_module.h"
#include "newgame/new_game_loader.h"

// The steps of the new-game loader that set up the competitions, shared by its
// two source files.
namespace kervale::loader {

// Cup draws: the US Open Cup's first round, the Canada Cup, Copa Libertadores
// and Champions League line-ups.
void seedCups(MLSModule& game);
// Schedule templates and standings orders.
void loadFixtures(const std::filesystem::path& folder, MLSModule& game);
// The order in which the team buttons page through the clubs.
void fillTeamPickList(NewGameScreenTables& tables);
// Fan demand, seats, ticket prices and money by league.
void setClubEconomy(MLSModule& game);

}  // namespace kervale::loader
