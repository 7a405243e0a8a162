#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kervale {

inline constexpr const char* kExpansionFile = "mlsexp.dat";
inline constexpr int kMaxExpansionRecords = 50;

// One club of a new franchise, and the identity of the A-League club whose
// market it takes over.
struct ClubIdentity {
  std::string name;
  std::string logo;
  std::string venue;
  double capacity = 0;
  double fanDemand = 0;
  std::string colour1;  // "&H" texts
  std::string colour2;
};

// "mlsexp.dat": N (1..50), then N records of 25 values.
struct ExpansionRecord {
  int movedClub = 0;  // A-League club 17..34 whose market is taken, 0 none
  int slot = 0;       // 0: may be the first new club, 1: the second
  ClubIdentity club;
  ClubIdentity moved;  // used only when movedClub is not 0
};

// Reads and checks the whole file; FileError naming the value otherwise.
std::vector<ExpansionRecord> readExpansionFile(const std::filesystem::path& folder);

}  // namespace kervale
