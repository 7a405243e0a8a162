#include "offseason/mls_expansion.h"

#include <string>

#include "base/numbers.h"
#include "base/random.h"
#include "ui/backend.h"

namespace kervale {

namespace {

constexpr char kCr = '\r';
constexpr int kFirstNonMls = 17;

bool nameTaken(const MLSModule& g, const std::string& name, int lastClub) {
  for (int c = 1; c <= lastClub; ++c) {
    if (g.TeamName(c) == name) return true;
  }
  return false;
}

// A record may become new club `club` (n - 1 takes slot 0, n slot 1) when its
// name is no MLS club's yet.
bool fits(const MLSModule& g, const ExpansionRecord& r, int club, int n) {
  return r.slot == (club == n - 1 ? 0 : 1) && !nameTaken(g, r.club.name, n - 2);
}

bool anyFits(const MLSModule& g, const std::vector<ExpansionRecord>& records, int club, int n) {
  for (const ExpansionRecord& r : records) {
    if (fits(g, r, club, n)) return true;
  }
  return false;
}

void applyIdentity(MLSModule& g, int club, const ClubIdentity& id) {
  g.TeamName(club) = id.name;
  g.TeamLogo(club) = id.logo;
  g.TeamVenue(club) = id.venue;
  g.StadiumCapacity(club) = id.capacity;
  g.TeamFanDemand(club) = id.fanDemand;
  g.TeamColour1(club) = id.colour1;
  g.TeamColour2(club) = id.colour2;
}

ui::MsgResult askExpansion() {
  return ui::MsgBox(std::string("The MLS is considering expansion.") + kCr +
                        "Expansion will include an expansion draft and the new teams will get the first two and then "
                        "supplemental draft picks." +
                        kCr + "Are you in favor of expanding (this will not necessarily decide the outcome)?",
                    ui::MsgButtons::YesNo, ui::MsgIcon::None, "MLS Winter Meetings");
}

// The vote; true when the MLS grows by two clubs.
bool vote(MLSModule& g) {
  if (g.MLSTeamCount == 12) {
    int bonus = 1;
    if (g.MyTeam < kFirstNonMls && askExpansion() == ui::MsgResult::No) return false;
    if (rng().draw(12, bonus) >= 9) {
      g.MLSTeamCount = 14;
      g.MLSMatchesPerRound = 7;
      return true;
    }
    return false;
  }
  if (g.MLSTeamCount != 10) return false;
  int bonus = 1;
  if (g.MyTeam < kFirstNonMls) bonus = askExpansion() == ui::MsgResult::Yes ? 1 : 0;
  if (g.ExpansionMode == 1 || rng().draw(10, bonus) >= 7) {
    g.MLSTeamCount = 12;
    g.MLSMatchesPerRound = 6;
    return true;
  }
  return false;
}

// Draws records until one fits new club `club`; the caller made sure one does.
const ExpansionRecord& drawRecord(const MLSModule& g, const std::vector<ExpansionRecord>& records, int club, int n) {
  for (;;) {
    const int r = rng().draw(static_cast<int>(records.size()), 1);
    const ExpansionRecord& record = records[static_cast<std::size_t>(r - 1)];
    if (fits(g, record, club, n)) return record;
  }
}

void announce(MLSModule& g, const ExpansionOutcome& out, int n) {
  ui::MsgBox("The MLS has chosen to expand to" + Str(n) + " teams." + kCr + "The new teams are: " + g.TeamName(n - 1) +
             ", " + g.TeamName(n) + kCr);
  std::string moved = std::string("The A-League has moved franchises due to the expansion. Teams affected are:") + kCr;
  for (int k = 1; k <= 2; ++k) {
    if (out.movedBy[k] != 0) moved += g.TeamName(out.movedBy[k]) + " (MLS " + g.TeamName(n - 2 + k) + ")" + kCr;
  }
  ui::MsgBox(moved, ui::MsgButtons::OK, ui::MsgIcon::Information, "A-League Moving Expansion");
}

void offerNewClubs(MLSModule& g, const ExpansionOutcome& out, int n) {
  if (g.ExpansionMode == 1) {
    g.ExpansionMode = 0;
    const auto answer =
        ui::MsgBox("Manage the " + g.TeamName(n - 1) + "? (By selecting no, you will manage the " + g.TeamName(n) + ")",
                   ui::MsgButtons::YesNo);
    g.MyTeam = answer == ui::MsgResult::Yes ? n - 1 : n;
  }
  for (int k = 1; k <= 2; ++k) {
    const int moved = out.movedBy[k];
    if (moved == 0 || g.MyTeam != moved || !(g.ManagerApproval(moved) > 0.39)) continue;
    const int club = n - 2 + k;
    const std::string text =
        std::string(
            "Because of your service to your team and their appointment to the MLS you have been selected "
            "as their first choice as manager.") +
        kCr +
        "This is a new franchise and it will be composed from players from the expansion draft and supplemental "
        "draft picks." +
        kCr + "If you choose to stay in the A-League, you will manage the " + g.TeamName(moved) + "." + kCr +
        "Manage the " + g.TeamName(club) + "?";
    if (ui::MsgBox(text, ui::MsgButtons::YesNo) == ui::MsgResult::Yes) g.MyTeam = club;
  }
}

}  // namespace

ExpansionOutcome runMlsExpansion(MLSModule& g, const std::vector<ExpansionRecord>* records,
                                 const std::string& problem) {
  ExpansionOutcome out;
  const bool expansionMode = g.ExpansionMode == 1;
  const int n = (expansionMode ? 10 : static_cast<int>(g.MLSTeamCount)) + 2;
  if (n != 12 && n != 14) return out;  // the MLS grows from 10 or 12 clubs only
  if (records == nullptr) {
    ui::MsgBox(problem, ui::MsgButtons::OK, ui::MsgIcon::Critical);
    return out;
  }
  for (int club = n - 1; club <= n; ++club) {
    if (anyFits(g, *records, club, n)) continue;
    ui::MsgBox(std::string(kExpansionFile) + ": no record fits new club" + Str(club) + " (slot " +
                   numText(club - n + 1) + ", a name that is no MLS club's)",
               ui::MsgButtons::OK, ui::MsgIcon::Critical);
    return out;
  }
  if (expansionMode) g.MLSTeamCount = 10;
  out.expanded = vote(g);
  if (!out.expanded) return out;

  for (int club = n - 1; club <= n; ++club) {
    const ExpansionRecord& record = drawRecord(g, *records, club, n);
    applyIdentity(g, club, record.club);
    out.movedBy[club - n + 2] = record.movedClub;
    if (record.movedClub != 0) applyIdentity(g, record.movedClub, record.moved);
  }
  const int perRound = static_cast<int>(g.MLSMatchesPerRound);
  g.WestOrder(perRound) = n - 1;
  g.EastOrder(perRound) = n;
  announce(g, out, n);
  offerNewClubs(g, out, n);
  return out;
}

void applyMlsTemplate(MLSModule& g, const Schedule& schedule) {
  for (int i = 1; i <= schedule.size() && i <= 480; ++i) {
    const int v = schedule.entry(i);
    const double division = g.TeamDivision(v);
    double value = v;
    if (division == 0 || division == 1) {
      int k = 0;
      for (int c = 1; c <= v; ++c) k += g.TeamDivision(c) == division ? 1 : 0;
      // A conference longer than its order list keeps the club itself.
      if (k <= 8) {
        const double ordered = division == 0 ? g.EastOrder(k) : g.WestOrder(k);
        if (ordered != 0) value = ordered;
      }
    }
    g.FixtureMLSTemplate(i) = value;
  }
}

}  // namespace kervale
