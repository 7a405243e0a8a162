#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "world_fields.h"

namespace kervale::edges {

// One number of a data file set to one end of what its reader allows.
struct Edit {
  Field field;
  const char* end = "";  // "low" or "high"
  double value = 0;
};

// Each field at its lowest and its highest value, once a record of the
// records chosen for a game of `club`: a player of that club, a club of each
// league (that club for its own), the first record of every other file, and
// every count.
std::vector<Edit> edgeEdits(const std::vector<Field>& fields, int club);

// A copy of `world` in `out` (made when missing) with the edit made.
void writeEditedWorld(const std::filesystem::path& world, const std::filesystem::path& out, const Edit& edit);

}  // namespace kervale::edges
