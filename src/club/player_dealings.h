#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/mls_module.h"

namespace kervale {

// The user's dealings in one player from his card. Each checks before it
// writes: a refused deal changes nothing.

// Puts the club's own player on the transfer list. False when he is not the club's.
bool listPlayer(MLSModule& g, int player, int club);

// Lets the club's own player go as a free agent; his squad slot is cleared.
// False when he is not the club's.
bool releasePlayer(MLSModule& g, int player, int club);

// A new contract for the club's own player: what he said to it.
struct Renewal {
  bool alreadyLongest = false;  // five years left: nothing to offer
  bool wantsLonger = false;     // the offer is no longer than what he has
  bool accepted = false;        // years and wage are now the offer's
};
Renewal renewContract(MLSModule& g, int player, int club, int wage, int years);

// Signing a player who is not the club's: a free agent (fee 0) or one whose
// club agreed to talk (fee: the winning bid in k, paid to that club).
enum class Signing { Signed, WageTooLow, SquadFull, CannotPay, NotAvailable };
Signing signPlayer(MLSModule& g, int player, int club, int wage, int years, double feeK);

// One round of bidding on another club's player. Rivals are the clubs in his
// interest columns 1..4 other than the bidder and his own club.
struct RivalBid {
  int club = 0;
  std::int64_t bid = 0;  // k
};
struct BidDecision {
  enum class Kind { Preview, Agreed, RivalBuys, Refused } kind = Kind::Refused;
  std::vector<RivalBid> bids;  // the rivals that could pay, in column order
  int rival = 0;               // the highest bidder, 0 when none
};
BidDecision decideBid(const MLSModule& g, int player, int user, double bidK, int round, std::int32_t askingK);

// A rival buys the player at the asking price. False, with nothing changed,
// when the rival has no free squad slot or is his own club.
bool sellToRival(MLSModule& g, int player, int rival, std::int32_t askingK);

}  // namespace kervale
