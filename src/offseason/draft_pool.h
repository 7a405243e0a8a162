#pragma once

#include <array>
#include <string>
#include <vector>

#include "data/mls_module.h"

namespace kervale {

// One college player of the pool; entry 0 stands for no player.
struct PoolPlayer {
  std::string name;
  double keeping = 0;
  double defence = 0;
  double midfield = 0;
  double forward = 0;
  bool taken = false;
  std::string university;
};

inline constexpr int kPoolSize = 50;
inline constexpr int kDraftPicks = 20;
using DraftPool = std::array<PoolPlayer, kPoolSize + 1>;
using DraftOrderList = std::array<int, kDraftPicks + 1>;  // club per pick 1..20, 0 = no pick

// The draft's own four-way tag ("F ", "M ", "D ", "G "), and the word and
// rating behind it for the detail view.
std::string draftTag(const PoolPlayer& p);
struct DraftPosition {
  std::string word;
  double rating = 0;
};
DraftPosition draftPosition(const PoolPlayer& p);

// A pool of 50 from the name lists (each at least one name).
DraftPool makeDraftPool(const std::vector<std::string>& firstNames, const std::vector<std::string>& lastNames);

// The MLS clubs by points ascending (ties as the restart scan leaves them),
// then the new clubs' supplemental picks after an expansion.
DraftOrderList makeDraftOrder(const MLSModule& g, bool expanded);

}  // namespace kervale
