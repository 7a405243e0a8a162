#pragma once

#include <array>

#include "data/mls_module.h"
#include "ui/control.h"

namespace kervale {

// The value labels of one standings row, name first; shared by both table
// screens so a row is filled and hidden one way.
struct StandingsRow {
  ui::Label* name;
  ui::Label* games;
  ui::Label* wins;
  ui::Label* draws;
  ui::Label* losses;
  ui::Label* goalsFor;
  ui::Label* goalsAgainst;
  ui::Label* points;
  ui::Label* difference;

  // The eight number labels, in column order G to "+-".
  std::array<ui::Label*, 8> numbers() const {
    return {games, wins, draws, losses, goalsFor, goalsAgainst, points, difference};
  }
  void setVisible(bool visible) const;
  // The club's name and season counters; an empty counter shows "0".
  void fill(const MLSModule& game, int club) const;
};

}  // namespace kervale
