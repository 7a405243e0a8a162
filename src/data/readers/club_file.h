#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "data/mls_module.h"

namespace kervale {

// "mlsdata2.dat": exactly 285 records of 15 values, record i for club i.
struct ClubRecord {
  std::string name;
  std::string nickname;
  std::string logo;
  double division = 0;
  std::string venue;
  double seats = 0;
  double approval = 0;
  double reputation = 0;
  double cupEntry = 0;
  std::string colour1;  // "&H" text of fields 10..12
  std::string colour2;  // fields 13..15
};
struct ClubsData {
  std::array<ClubRecord, kLastClub> clubs;  // club i at i - 1
};

// Besides the format, checks what the set-up indexes by: English clubs 53..144
// in divisions 1..4 (145..148 may stand outside them, 0, when their seat count
// is given), German clubs 165..203 in 0..2, Mexican clubs 205..224 in groups
// 1..4, at most 24 clubs a division, at most 8 of the first ten MLS clubs in
// one conference, at most four Canada Cup clubs (code 2) among 1..52, and
// enough US Open Cup slots among 1..52 for the cup draw.
ClubsData readClubs(const std::filesystem::path& folder);
// Fills the club tables and the English and German division copies.
void applyClubs(const ClubsData& data, MLSModule& game);
void loadClubs(const std::filesystem::path& folder, MLSModule& game);

}  // namespace kervale
