#include "data/readers/player_file.h"

#include "base/numbers.h"
#include "data/readers/reader_support.h"

namespace kervale {

using readers::checkValue;
using readers::openDataFile;
using readers::readText;
using readers::readValue;

namespace {

constexpr int kLastWageIndex = 54;  // SkillValueTable(0..54)
constexpr int kLastMlsClub = 16;

void readPlayer(CsvReader& file, PlayerRecord& player) {
  player.team = readValue(file, "PlayerTeam", "club");
  player.name = readText(file, "PlayerName", "name");
  player.goalkeeping = file.nextSingle();
  checkValue(file, player.goalkeeping, "PlayerGoalkeeping", "goalkeeping");
  player.defense = readValue(file, "PlayerDefense", "defending");
  player.midfield = readValue(file, "PlayerMidfield", "midfield");
  player.attack = readValue(file, "PlayerAttack", "attacking");
  player.age = readValue(file, "PlayerAge", "age");
  player.nation = readValue(file, "PlayerNation", "nation");
  player.aggression = readValue(file, "PlayerAggression", "aggression");
  player.trainingFactor = readValue(file, "PlayerTrainingFactor", "training factor");
  player.ballControl = readValue(file, "PlayerBallControl", "ball control");
  player.tackling = readValue(file, "PlayerTackling", "tackling");
  player.passing = readValue(file, "PlayerPassing", "passing");
  player.attribute14 = readValue(file, "PlayerAttribute14", "skill 14");
  player.shooting = readValue(file, "PlayerShooting", "shooting");
  player.heading = readValue(file, "PlayerHeading", "heading");
  player.speed = readValue(file, "PlayerSpeed", "speed");
  player.attribute18 = readValue(file, "PlayerAttribute18", "skill 18");
  player.awareness = readValue(file, "PlayerAwareness", "awareness");
  player.attribute20 = readValue(file, "PlayerAttribute20", "skill 20");
  readValue(file, "PlayerUnused", "value 21");  // read and not kept
  player.birthMonth = readValue(file, "PlayerBirthMonth", "birth month");
  player.birthDay = readValue(file, "PlayerBirthDay", "birth day");
  // Ages only grow: a named player of age 0 would be one no game can save.
  if (!player.name.empty() && player.age < 1) file.fail("a named player's age is 0");

  if (player.team > kLastMlsClub) {
    // The set-up looks up the wage of such a player at Int(rating sum).
    const double sum = static_cast<double>(player.goalkeeping) + player.defense + player.midfield + player.attack;
    const double index = Int(sum);
    if (!(index >= 0 && index <= kLastWageIndex)) {
      file.fail("rating sum " + numText(sum) + " of a player of club " + numText(player.team) +
                " is outside the wage table 0.." + std::to_string(kLastWageIndex));
    }
  }
}

}  // namespace

PlayersData readPlayers(const std::filesystem::path& folder) {
  CsvReader file = openDataFile(folder, "players2.dat");
  const int count = file.nextInt16();
  checkValue(file, count, "NumPlayers", "count");
  PlayersData data;
  data.players.reserve(static_cast<std::size_t>(count));
  readers::readRecords(file, count, "player", [&] { readPlayer(file, data.players.emplace_back()); });
  return data;
}

void applyPlayers(const PlayersData& data, MLSModule& game) {
  game.NumPlayers = static_cast<std::int16_t>(data.players.size());
  for (std::size_t i = 0; i < data.players.size(); ++i) {
    const PlayerRecord& player = data.players[i];
    const std::size_t p = i + 1;
    game.PlayerTeam(p) = player.team;
    game.PlayerName(p) = player.name;
    game.PlayerGoalkeeping(p) = player.goalkeeping;
    game.PlayerDefense(p) = player.defense;
    game.PlayerMidfield(p) = player.midfield;
    game.PlayerAttack(p) = player.attack;
    game.PlayerAge(p) = player.age;
    game.PlayerNation(p) = player.nation;
    game.PlayerAggression(p) = player.aggression;
    game.PlayerTrainingFactor(p) = player.trainingFactor;
    game.PlayerBallControl(p) = player.ballControl;
    game.PlayerTackling(p) = player.tackling;
    game.PlayerPassing(p) = player.passing;
    game.PlayerAttribute14(p) = player.attribute14;
    game.PlayerShooting(p) = player.shooting;
    game.PlayerHeading(p) = player.heading;
    game.PlayerSpeed(p) = player.speed;
    game.PlayerAttribute18(p) = player.attribute18;
    game.PlayerAwareness(p) = player.awareness;
    game.PlayerAttribute20(p) = player.attribute20;
    game.PlayerBirthMonth(p) = player.birthMonth;
    game.PlayerBirthDay(p) = player.birthDay;
  }
}

void loadPlayers(const std::filesystem::path& folder, MLSModule& game) { applyPlayers(readPlayers(folder), game); }

}  // namespace kervale
