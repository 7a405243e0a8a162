#pragma once

#include <optional>
#include <string>

#include "data/mls_module.h"

namespace kervale {

// Buying a contracted player straight from another club's squad.
struct PurchaseOffer {
  int player = 0;
  int seller = 0;  // the club whose squad was listed
  int wage = 0;    // the wage scroll's value W
};

// The newcomer's wage figure the checks use (W x 20, at most 1000).
int purchaseWageFigure(int wage);
// What the screen shows as his wage, and what he is paid: the figure for an
// MLS club, W elsewhere.
int purchasedWage(int wage, int user);

// Check 1: the offer covers his four ratings.
bool offerMeetsDemand(const MLSModule& g, const PurchaseOffer& offer);

// Checks 3 to 9, in order, after the user confirmed.
enum class PurchaseRefusal {
  None,
  NoAllocation,
  OwnClub,
  SquadFull,
  OverSalaryCap,
  NoCash,
  NotBigTime,
  NoClub,
  NoSuchPlayer
};
PurchaseRefusal purchaseRefusal(const MLSModule& g, const PurchaseOffer& offer, int user);

// The placeholder names of generated players, which the buyer may replace.
bool isGenericName(const std::string& name);
// The name the prompt's answer gives: control characters dropped, at most 25
// characters; an empty, blank or cancelled answer keeps the old name.
std::string answeredName(const std::string& old, const std::optional<std::string>& answer);

// Pays for him and moves him into the user's first free slot. Only after
// purchaseRefusal said None.
void completePurchase(MLSModule& g, const PurchaseOffer& offer, int user, const std::string& name);

}  // namespace kervale
