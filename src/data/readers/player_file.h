#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "data/mls_module.h"

namespace kervale {

// "players2.dat": N (1..10000), then 23 values a player.
struct PlayerRecord {
  double team = 0;  // 0 = free agent
  std::string name;
  float goalkeeping = 0;
  double defense = 0;
  double midfield = 0;
  double attack = 0;
  double age = 0;
  double nation = 0;
  double aggression = 0;
  double trainingFactor = 0;
  double ballControl = 0;
  double tackling = 0;
  double passing = 0;
  double attribute14 = 0;
  double shooting = 0;
  double heading = 0;
  double speed = 0;
  double attribute18 = 0;
  double awareness = 0;
  double attribute20 = 0;
  double birthMonth = 0;
  double birthDay = 0;
};
struct PlayersData {
  std::vector<PlayerRecord> players;  // player p at p - 1
};

// Checks every club number (0..285), nation (0..285) and, for a player of a
// club above 16, that the rating sum indexes SkillValueTable (0..54).
PlayersData readPlayers(const std::filesystem::path& folder);
// Sets NumPlayers and the 22 kept values of each player; what the set-up
// derives from them (birth dates, wages, squads) is not done here.
void applyPlayers(const PlayersData& data, MLSModule& game);
void loadPlayers(const std::filesystem::path& folder, MLSModule& game);

}  // namespace kervale
