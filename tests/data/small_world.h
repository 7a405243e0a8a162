#pragma once

#include <array>
#include <string>
#include <tuple>

#include "support/temp_dir.h"

namespace kervale::test {

// Valid contents of every data file, small where the format allows; tests
// write them and then break one thing.
inline std::string quoted(const std::string& text) { return "\"" + text + "\""; }

inline std::string clubRecord(int i, const std::string& name, int division, int cupEntry = 0) {
  std::string record = quoted(name) + "," + quoted("Nick" + std::to_string(i)) + "," + quoted("") + ",";
  record += std::to_string(division) + ",";
  record += quoted("Ground " + std::to_string(i)) + ",0,0.5,50," + std::to_string(cupEntry) + ",255,255,255,0,0,0\r\n";
  return record;
}

// The division code the set-up accepts for club i.
inline int validDivision(int i) {
  if (i <= 10) return i % 2;
  if (i >= 53 && i <= 148) return 1 + (i - 53) / 24;
  if (i >= 165 && i <= 203) return 1 + (i - 165) % 2;
  if (i >= 205 && i <= 224) return 1 + (i - 205) % 4;
  return 0;
}

inline std::string clubFile() {
  std::string content;
  for (int i = 1; i <= 285; ++i) content += clubRecord(i, "Club " + std::to_string(i), validDivision(i));
  return content;
}

// Player record of 23 values with the four ratings given.
inline std::string playerRecord(int club, const std::string& name, double gk, double def, double mid, double att) {
  auto n = [](double x) {
    std::string s = std::to_string(x);
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    return s;
  };
  return std::to_string(club) + "," + quoted(name) + "," + n(gk) + "," + n(def) + "," + n(mid) + "," + n(att) +
         ",25,3,30,4,10,11,12,14,15,16,17,18,19,20,0,5,17\r\n";
}

inline std::string tacticsFile(int count) {
  std::string content = std::to_string(count) + "\r\n";
  for (int t = 1; t <= count; ++t) content += quoted("Tactic " + std::to_string(t)) + ",1,1.1,0.9\r\n";
  return content;
}

// One flow whose value in table T, side s and zone z is T * 1000 + s * 100 + z,
// except table 1, which holds next zones: 26 - z for side 1, z for side 2.
inline std::string flowBlock(const std::string& name) {
  std::string content = quoted(name) + "\r\n";
  for (int table = 1; table <= 4; ++table) {
    for (int side : {2, 1}) {
      for (int zone = 1; zone <= 25; ++zone) {
        const int value = table == 1 ? (side == 1 ? 26 - zone : zone) : table * 1000 + side * 100 + zone;
        content += std::to_string(value) + (zone % 5 == 0 ? "\r\n" : ",");
      }
    }
  }
  return content;
}

inline std::string flowFile(int count) {
  std::string content = std::to_string(count) + "\r\n";
  for (int f = 1; f <= count; ++f) content += flowBlock("Flow " + std::to_string(f));
  return content;
}

inline std::string formationFile(int count, int position = 3, int flow = 2) {
  std::string content = std::to_string(count) + "\r\n";
  for (int f = 1; f <= count; ++f) {
    content += quoted("4-4-2 #" + std::to_string(f));
    for (int j = 1; j <= 10; ++j) content += "," + std::to_string(j == 10 ? position : j);
    content += "," + std::to_string(flow) + "\r\n";
  }
  return content;
}

inline std::string positionFile(int count, int rows) {
  std::string content = std::to_string(count) + "," + std::to_string(rows) + "\r\n";
  for (int p = 1; p <= count; ++p) {
    content += quoted("Pos " + std::to_string(p)) + "," + std::to_string(p) + ",0,0,0";
    for (int j = 1; j <= rows; ++j) {
      // Factor (p, j, k) is p.jk / 10, e.g. 0.511, within the factors' range.
      for (int k = 1; k <= 3; ++k) content += "," + std::to_string(p * 100 + j * 10 + k) + "e-3";
    }
    content += "\r\n";
  }
  return content;
}

// Pairs (1, 2), (3, 4), ... every round: the reader checks only that each
// round names every team once.
inline std::string scheduleFile(int teams, int rounds) {
  std::string content;
  for (int r = 1; r <= rounds; ++r) {
    for (int t = 1; t <= teams; t += 2) {
      content += std::to_string(t) + "," + std::to_string(t + 1) + "\r\n";
    }
  }
  return content;
}

inline std::string countedNames(int count, const std::string& stem) {
  std::string content = std::to_string(count) + "\r\n";
  for (int k = 1; k <= count; ++k) content += quoted(stem + std::to_string(k)) + "\r\n";
  return content;
}

// Two new MLS clubs for each slot, none moving an A-League club.
inline std::string expansionFile() {
  std::string content = "4\r\n";
  for (int k = 1; k <= 4; ++k) {
    content += "0," + quoted("New Club " + std::to_string(k)) + ",\"\"," + std::to_string(k % 2) +
               ",\"Ground\",20000,0.5,10,20,30,40,50,60,\"\",\"\",\"\",\"\",0,0,0,0,0,0,0,0\r\n";
  }
  return content;
}

// The files a season end reads (schedules, the expansion file, the draft's
// name lists): a game loads only beside them.
inline void writeLaterFiles(const TempDir& dir) {
  for (auto [name, teams, rounds] :
       {std::tuple{"mls 10.dat", 10, 26}, std::tuple{"mls 12.dat", 12, 26}, std::tuple{"mls 14.dat", 14, 26},
        std::tuple{"fixt14.dat", 14, 26}, std::tuple{"fixt18.dat", 18, 34}, std::tuple{"fixt20.dat", 20, 38},
        std::tuple{"fixt24.dat", 24, 46}, std::tuple{"fixt6.dat", 6, 10}}) {
    dir.write(name, scheduleFile(teams, rounds));
  }
  dir.write("mlsexp.dat", expansionFile());
  dir.write("usafirst.dat", countedNames(4, "First"));
  dir.write("usalast.dat", countedNames(4, "Last"));
}

// The clubs tests start games at: a new game needs the user's club to field
// a side.
inline constexpr std::array<int, 7> kStartingClubs = {1, 3, 34, 77, 90, 225, 237};

// Three players (a keeper of club 1, a back of club 20, a free agent), then
// eleven of rating 1 for each starting club, the first a keeper.
inline std::string smallWorldPlayers() {
  std::string players = std::to_string(3 + 11 * kStartingClubs.size()) + "\r\n" +
                        playerRecord(1, "Ann Keeper", 9, 1, 1, 1) + playerRecord(20, "Bo Back", 1, 9, 5, 3) +
                        playerRecord(0, "Cy Free", 1, 2, 3, 4);
  for (int club : kStartingClubs) {
    for (int k = 1; k <= 11; ++k) {
      players += playerRecord(club, "Squad " + std::to_string(club) + "-" + std::to_string(k), k == 1 ? 9 : 1, 1, 1, 1);
    }
  }
  return players;
}

// Every data file of a game, valid and small.
inline void writeSmallWorld(const TempDir& dir) {
  std::string nat = "3\r\n";
  for (int n = 1; n <= 3; ++n)
    nat += std::to_string(n) + "," + quoted("Nation " + std::to_string(n)) + "," +
           quoted("flag" + std::to_string(n) + ".gif") + "\r\n";
  dir.write("nat.dat", nat);
  std::string commentary;
  for (int k = 1; k <= 50; ++k) commentary += quoted("Line " + std::to_string(k)) + "\r\n";
  dir.write("commentary.dat", commentary);
  std::string skills;
  for (int k = 0; k <= 20; ++k) skills += quoted("Grade " + std::to_string(k)) + "\r\n";
  for (int k = 0; k <= 20; ++k) skills += quoted("Temper " + std::to_string(k)) + "\r\n";
  for (int k = 5; k <= 54; ++k) skills += std::to_string(k * 10) + "\r\n";
  dir.write("skills.dat", skills);
  for (const char* name : {"engfirst.dat", "gerfirst.dat"}) dir.write(name, countedNames(4, "First"));
  for (const char* name : {"englast.dat", "gerlast.dat"}) dir.write(name, countedNames(4, "Last"));
  dir.write("mlsdata2.dat", clubFile());
  dir.write("players2.dat", smallWorldPlayers());
  dir.write("tactics.dat", tacticsFile(5));
  dir.write("flow.dat", flowFile(8));
  dir.write("formation.dat", formationFile(4));
  dir.write("Position.dat", positionFile(12, 8));
  dir.write("refs.dat", "2\r\n\"Ref One\",5\r\n\"Ref Two\",9\r\n");
  dir.write("sponsors.dat", countedNames(3, "Sponsor "));
  dir.write("fixt12.dat", scheduleFile(12, 22));
  dir.write("fixt6.dat", scheduleFile(6, 10));
  writeLaterFiles(dir);
}

}  // namespace kervale::test
