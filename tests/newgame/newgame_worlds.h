#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "data/small_world.h"
#include "support/temp_dir.h"

namespace kervale::test {

// One club record with every field given.
struct ClubRecord {
  std::string name;
  std::string logo;
  int division = 0;
  int seats = 0;
  double reputation = 50;
  int cupEntry = 0;
  std::string colour1 = "255,255,255";
  std::string colour2 = "0,0,0";
};

inline std::string clubLine(const ClubRecord& c, int i) {
  return quoted(c.name) + "," + quoted("Nick" + std::to_string(i)) + "," + quoted(c.logo) + "," +
         std::to_string(c.division) + "," + quoted("Ground " + std::to_string(i)) + "," + std::to_string(c.seats) +
         ",0.5," + std::to_string(c.reputation) + "," + std::to_string(c.cupEntry) + "," + c.colour1 + "," + c.colour2 +
         "\r\n";
}

// The small world's club file with some clubs changed.
inline std::string clubFileWith(const std::function<void(int, ClubRecord&)>& change) {
  std::string content;
  for (int i = 1; i <= 285; ++i) {
    ClubRecord club{"Club " + std::to_string(i), "", validDivision(i)};
    change(i, club);
    content += clubLine(club, i);
  }
  return content;
}

// The small valid world in a folder of its own.
struct SmallWorld {
  TempDir dir;
  SmallWorld() { writeSmallWorld(dir); }
  const std::filesystem::path& path() const { return dir.path(); }
  void write(const std::string& name, const std::string& content) const { dir.write(name, content); }
  void remove(const std::string& name) const { std::filesystem::remove(dir.path() / name); }
};

}  // namespace kervale::test
