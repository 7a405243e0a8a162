#pragma once

#include "data/mls_module.h"

namespace kervale::standin {

inline constexpr int kEleven = 11;

// Named, uninjured players in slots 1..20 of a club.
int fitPlayers(const MLSModule& g, int club);

// The keeping of the club's best fit keeper; 0 without one.
double bestKeeping(const MLSModule& g, int club);

// The keeping a user wants of his keeper: three quarters of the mean best
// outfield rating of the club's fit outfield players (0 without one). A
// keeper below it has outlasted the one he stood in for, and a user buys a
// better one rather than lose every match by five.
double keepingWanted(const MLSModule& g, int club);

// The free player the stand-in signs next, and his row in the league portal's
// free-transfer list: fit, asking less than `mostWage`, the best keeper when
// the squad has no fit keeper and the list offers one, otherwise the best in
// his strongest outfield rating; the first in the list among equals. With a
// `leastKeeping` above 0, only keepers rated at least that. Player 0 when
// nobody fits.
struct FreeSigning {
  int player = 0;
  int row = -1;
  int wage = 0;  // the smallest whole wage he accepts
};
FreeSigning nextFreeSigning(const MLSModule& g, int club, int mostWage, double leastKeeping = 0);

// The other club's player the stand-in bids for next through his card: fit,
// of a club 1..237 other than `club`, asking a wage below `mostWage` and
// priced so that a bid beating every rival (his asking price + 1k above the
// best reputation of any club, a rival bidding the asking price + its
// reputation) is at most `mostBidK`; chosen as
// nextFreeSigning chooses, the lowest number among equals. Player 0 when
// nobody fits.
struct Bid {
  int player = 0;
  int bidK = 0;
  int wage = 0;  // the smallest whole wage he accepts
};
Bid nextBid(const MLSModule& g, int club, int mostWage, double mostBidK, double leastKeeping = 0);

// The squad player out injured for longest, to make room when every slot is
// taken; 0 when nobody is injured.
int longestInjured(const MLSModule& g, int club);

}  // namespace kervale::standin
