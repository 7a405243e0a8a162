#pragma once

// Readers of the world's data files for the validator tests: each reader
// takes exactly the values the game's loader takes and fails on a short file.
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "base/csv.h"

namespace kervale::worldtest {

std::filesystem::path worldPath(const std::string& name);
CsvReader openWorldFile(const std::string& name);

// Fields 10..12 and 13..15 of a club record, in file order: blue, green, red.
struct ClubRecord {
  std::string name, nickname, logo, venue;
  int division = 0;
  double seats = 0, approval = 0, reputation = 0;
  int cupCode = 0;
  std::array<double, 6> colours{};
};
// Clubs 1..285 at their numbers; index 0 is empty. Fails unless the file
// holds exactly 285 records of 15 values.
std::vector<ClubRecord> readClubs();

struct PlayerRecord {
  int club = 0;
  std::string name;
  double keeping = 0, defence = 0, midfield = 0, attack = 0;
  double age = 0, nation = 0, aggression = 0, training = 0;
  std::array<double, 10> skills{};
  double birthMonth = 0, birthDay = 0;
  double sum() const { return keeping + defence + midfield + attack; }
};
std::vector<PlayerRecord> readPlayers();

enum class Role { Keeper, Defender, Midfielder, Attacker, Unclear };
// Keeper when goalkeeping is at least every outfield rating; otherwise the
// strictly highest outfield rating.
Role roleOf(const PlayerRecord& p);

int nationCount();

enum class PictureKind { Missing, Jpeg, Png, Bmp, Unknown };
// By the file's first bytes.
PictureKind pictureKind(const std::string& name);
// A picture the game can show: present, with a JPEG, PNG or BMP header, and
// a JPEG header when its name ends in ".jpg".
bool isShowablePicture(const std::string& name);

}  // namespace kervale::worldtest
