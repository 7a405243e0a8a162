#pragma once

#include "data/mls_module.h"

namespace kervale::standin {

inline constexpr int kEleven = 11;

// Named, uninjured players in slots 1..20 of a club.
int fitPlayers(const MLSModule& g, int club);

// The free player the stand-in signs next, and his row in the league portal's
// free-transfer list: fit, asking less than `mostWage`, the best keeper when
// the squad has no fit keeper and the list offers one, otherwise the best in
// his strongest outfield rating; the first in the list among equals. Player
// 0 when nobody fits.
struct FreeSigning {
  int player = 0;
  int row = -1;
  int wage = 0;  // the smallest whole wage he accepts
};
FreeSigning nextFreeSigning(const MLSModule& g, int club, int mostWage);

// The squad player out injured for longest, to make room when every slot is
// taken; 0 when nobody is injured.
int longestInjured(const MLSModule& g, int club);

}  // namespace kervale::standin
