#include "between_events.h"

#include "base/numbers.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "ui/screen.h"

namespace kervale::sim {

double totalMoney() {
  const MLSModule& g = mls();
  double total = 0;
  for (int club = 0; club <= kLastClub; ++club) total += g.TeamMoney(club);
  return total;
}

void printBetweenEvents(const Options& options, double moneyBefore, std::ostream& out) {
  if (options.days == 0) return;
  const MatchEngine::BetweenTally& tally = ui::screen<MatchEngine>().betweentally;
  out << "matchdays=" << tally.passes << "\n";
  out << "transfers=" << tally.transfers << "\n";
  out << "sales_kept=" << tally.salesKept << "\n";
  out << "call_ups=" << tally.callUps << "\n";
  out << "sackings=" << tally.sackings << "\n";
  out << "injuries=" << tally.injuries << "\n";
  out << "suspensions=" << tally.suspensions << "\n";
  out << "money_before=" << numText(moneyBefore) << "\n";
  out << "money_after=" << numText(totalMoney()) << "\n";
}

}  // namespace kervale::sim
