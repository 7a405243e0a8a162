// Club money between matchdays: wages, the user's scouting, the chairman's
// answer on the stadium, shirt sponsors and their money.
#include <algorithm>
#include <cmath>
#include <string>

#include "base/numbers.h"
#include "base/random.h"
#include "data/mls_module.h"
#include "data/news.h"
#include "match/match_engine.h"

namespace kervale {

namespace {

// From this round on no wages and no new sponsors; sponsor money goes on.
constexpr int kRoundWagesStop = 27;
// Largest extension the plan's 16-bit cell holds in whole thousands.
constexpr int kMostSeats = 30000;

double wageBill(const MLSModule& g, int club) {
  double bill = 0;
  for (int s = 1; s <= 20; ++s) bill += g.PlayerWage(g.TeamSquad(s, club)) * 1000;
  return bill;
}

bool userClubUpTo237(const MLSModule& g) { return g.MyTeam >= 1 && g.MyTeam <= 237; }

// Home fans who would come per seat: the home part of a match's attendance
// (three quarters of the demand, plus on average half of the price-bound
// quarter) before it is cut to the capacity. It does not depend on the size
// of the ground, so a full ground of any size asks for more seats.
double stadiumDemandRatio(const MLSModule& g, int club) {
  return g.TeamFanDemand(club) * (0.75 + 0.125 * (1 - g.TicketPrice(club) / 100.0));
}

}  // namespace

void MatchEngine::teamfinance() {
  MLSModule& g = mls();
  if (!(g.CurrentWeek < kRoundWagesStop)) return;
  for (int t = 17; t <= 237; ++t) {
    g.WageBill = wageBill(g, t);
    g.TeamMoney(t) = g.TeamMoney(t) - g.WageBill;
  }
  if (!userClubUpTo237(g)) return;
  const int club = static_cast<int>(g.MyTeam);
  g.TeamMoney(club) = g.TeamMoney(club) - g.ScoutingFunding(club);

  if (g.StadiumExpansionPlan(club) != 2) return;
  const double x = rng().draw(12, 1) * 0.01 - 0.06;
  const double ratio = stadiumDemandRatio(g, club);
  // The answers go through the common append, so the next line does not overwrite them.
  if (x + ratio > 0.7) {
    const int seats = static_cast<int>(std::min(Int(10 * ratio), kMostSeats / 1000.0)) * 1000;
    addClubNews(g, "A message from the chairman: I've looked into the matter, and we SHOULD increase our capacity.");
    addClubNews(g, "We will add" + Str(seats) + " seats during the offseason.");
    g.StadiumExpansionPlan(club) = static_cast<MLSModule::Int16>(seats);
  } else {
    addClubNews(g, "A message from the chairman: We do not need to increase our stadium capacity at this time.");
  }
}

void MatchEngine::sponsorships() {
  MLSModule& g = mls();
  if (g.CurrentWeek < kRoundWagesStop) {
    for (int t = 17; t <= kLastClub; ++t) {
      if (g.SponsorFee(t) != 0) continue;
      const int r = rng().draw(100, 1);
      if (!(r < g.ManagerApproval(t) * 100)) continue;
      g.TeamSponsor(t) = g.SponsorName(rng().draw(static_cast<int>(g.NumSponsors), 1));
      const double fee = (rng().draw(50) + Int(300 + Int(g.TeamReputation(t) / 2) / 2)) * 100;
      g.SponsorFee(t) = toInt32(fee);
      if (t == g.MyTeam) {
        addClubNews(g, "A message from your chairman: " + g.ManagerName + ", we are now being sponsored by " +
                           g.TeamSponsor(t));
      }
    }
  }
  for (int t = 17; t <= 156; ++t) {
    g.TeamMoney(t) = g.TeamMoney(t) + g.SponsorFee(t);
    if (t != g.MyTeam) continue;
    g.SponsorIncome = Int(g.SponsorFee(t) / 1000.0);
    // The chairman minds the wages only while they are paid, and only when
    // this matchday's income does not cover them.
    if (g.CurrentWeek < kRoundWagesStop && g.TicketIncome + g.TvIncome + g.SponsorIncome * 1000 < wageBill(g, t)) {
      addClubNews(g, "A message from the chairman: Reduce wage costs in any way possible!");
      addClubNews(g, "Otherwise I will be forced to sell our best player!");
    }
  }
}

}  // namespace kervale
