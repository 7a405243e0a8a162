#include "club/portal_pages.h"

#include <cstdint>

#include "base/numbers.h"

namespace kervale {

namespace {

constexpr char kCr = '\r';
constexpr double kTakingApplications = 0.3;

struct JobLine {
  double below;
  const char* phrase;
};
// The first threshold the approval lies below gives the club's line.
constexpr JobLine kJobLines[] = {
    {0.2, " have a serious manager situation and are taking applications."},
    {0.3, " have publicly stated that they are accepting applications."},
    {0.35, " are rumoured to be falling out of favour with their manager."},
};

// A club number as stored for a player; anything outside the table is no club.
int clubOf(double club) { return club >= 0 && club <= kLastClub ? static_cast<int>(club) : 0; }

template <class Wanted, class Text>
std::vector<PortalRow> playerRows(const MLSModule& g, Wanted wanted, Text text) {
  std::vector<PortalRow> rows;
  for (int p = 1; p <= kLastPlayer; ++p) {
    if (!g.PlayerName(p).empty() && wanted(p)) rows.push_back({p, text(p)});
  }
  return rows;
}

}  // namespace

std::string headlinesText(const MLSModule& g) {
  constexpr int last = decltype(g.Headlines)::upper;
  const int held = g.HeadlineCount < 0 ? 0 : g.HeadlineCount;
  std::string text;
  for (int k = 0; k < held && k < last; ++k) text += g.Headlines(k) + kCr;
  // A full list keeps its newest line in the last index.
  if (held >= last && !g.Headlines(last).empty()) text += g.Headlines(last) + kCr;
  return text;
}

std::string jobMarketText(const MLSModule& g) {
  std::string text;
  for (int club = 1; club <= kLastClub; ++club) {
    for (const JobLine& line : kJobLines) {
      if (!(g.ManagerApproval(club) < line.below)) continue;
      text += g.TeamName(club) + line.phrase + kCr;
      break;
    }
  }
  return text;
}

std::vector<int> jobClubs(const MLSModule& g) {
  std::vector<int> clubs;
  for (int club = 1; club <= kLastClub; ++club) {
    if (g.ManagerApproval(club) < kTakingApplications) clubs.push_back(club);
  }
  return clubs;
}

std::vector<PortalRow> transferListRows(const MLSModule& g) {
  return playerRows(
      g, [&](int p) { return g.PlayerTransferListed(p) == 1; },
      [&](int p) { return g.PlayerName(p) + ", " + g.TeamName(clubOf(g.PlayerTeam(p))); });
}

std::vector<PortalRow> freeTransferRows(const MLSModule& g) {
  return playerRows(
      g, [&](int p) { return g.PlayerTeam(p) == 0; },
      [&](int p) {
        return g.PlayerName(p) + " (" + Str(g.PlayerAge(p)) + " years, " + g.NationName(clubOf(g.PlayerNation(p))) +
               ")";
      });
}

Application applyForJob(MLSModule& g, int club) {
  if (club < 1 || club > kLastClub) return Application::NoClub;
  if (club == g.MyTeam) {
    g.AppliedTeam = 0;
    return Application::OwnClub;
  }
  g.AppliedTeam = static_cast<std::int16_t>(club);
  return Application::Sent;
}

}  // namespace kervale
