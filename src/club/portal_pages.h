#pragma once

#include <string>
#include <vector>

#include "data/mls_module.h"

namespace kervale {

// The texts and lists the league portal shows, built from the shared tables
// when a section opens.

// Every headline held, oldest first, each ending in a carriage return.
std::string headlinesText(const MLSModule& g);
// One line for every club whose manager is in trouble, in club order.
std::string jobMarketText(const MLSModule& g);
// Clubs taking applications (approval below 0.3), in club order.
std::vector<int> jobClubs(const MLSModule& g);

struct PortalRow {
  int player;
  std::string text;
};
// Named players on the transfer list: "name, club".
std::vector<PortalRow> transferListRows(const MLSModule& g);
// Named players without a club: "name ( age years, nation)".
std::vector<PortalRow> freeTransferRows(const MLSModule& g);

enum class Application { NoClub, OwnClub, Sent };
// Applies for the manager's job at `club` (0 = none chosen). The user's own
// club will not have him back: nothing stays pending then.
Application applyForJob(MLSModule& g, int club);

}  // namespace kervale
