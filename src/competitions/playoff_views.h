#pragma once

#include <array>
#include <optional>
#include <string>

#include "data/mls_module.h"

namespace kervale {

// What one row of a bracket shows.
struct BracketEntry {
  std::string club;
  std::string score;
};

// The rows of one bracket view; a round the view leaves alone is empty.
struct BracketView {
  std::string caption;  // "" keeps the screen's caption
  std::array<std::optional<BracketEntry>, 8> quarters;
  std::array<std::optional<BracketEntry>, 4> semis;
  std::array<BracketEntry, 2> finals;
};

// The rows of a view (0 MLS, 1 Canada Cup, 2 Champions League, 3 Copa
// Libertadores, 4 World Club Cup, 5 A-League, 6 CONCACAF Cup, 7 D3 Pro
// League; anything else is the MLS). The league views first sort their order
// lists by the standings and seed their bracket from them.
BracketView bracketView(MLSModule& game, int view);

}  // namespace kervale
