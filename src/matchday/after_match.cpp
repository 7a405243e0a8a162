// After every match of the round: player statistics and form, club records,
// headlines, the managers' standing, form letters, league counters and fan demand.
#include <cmath>
#include <string>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "data/news.h"
#include "match/match_engine.h"

namespace kervale {

namespace {

constexpr int kSlots = 20;
constexpr int kFormLetters = 8;

int playerIn(const MLSModule& g, int slot, int club) {
  const double p = std::nearbyint(g.TeamSquad(slot, club));
  return p >= 1 && p <= kLastPlayer ? static_cast<int>(p) : 0;
}

// A match from one club's side, as its record texts hold it: " 3 - 1 vs Name, Week 32, 2003".
// Appended piece by piece: every match of a round writes two.
std::string recordText(const MLSModule& g, int own, int other, bool atHome, int opponent) {
  std::string text = Str(own);
  text += " -";
  text += Str(other);
  text += atHome ? " vs " : " at ";
  text += g.TeamName(opponent);
  text += ", Week";
  text += Str(g.CurrentWeek + 20);
  text += ',';
  text += Str(2002 + g.CurrentSeason);
  return text;
}

void lowerApproval(MLSModule& g, int club, double by) {
  g.ManagerApproval(club) -= by;
  if (g.ManagerApproval(club) < 0) g.ManagerApproval(club) = 0.1;
}

// A margin equal to the record adds the match to the record's text; a bigger one replaces it.
template <class Margins, class Texts>
void keepRecord(Margins& margins, Texts& texts, int club, int margin, const std::string& text) {
  if (margin == margins(club)) {
    margins(club) = margin;
    texts(club) += ',';
    texts(club) += text;
  } else if (margin > margins(club)) {
    margins(club) = margin;
    texts(club) = text;
  }
}

void playerForm(MLSModule& g, int p, double change, double rating) {
  g.PlayerForm(p) += change;
  if (rating > 0) {
    g.PlayerGamesSeason(p) += 1;
    g.PlayerForm(p) += 0.2;
    if (g.PlayerForm(p) > 100) g.PlayerForm(p) = 100;
  }
  if (rating == 0) g.PlayerForm(p) -= 0.5;
  if (rating > 0) g.PlayerGamesCareer(p) += 1;
}

}  // namespace

void MatchEngine::matchratingsupdate() {
  MLSModule& g = mls();
  double homeChange = -0.1;
  double awayChange = 0.1;
  if (homegoals < awaygoals) {
    homeChange = -1;
    awayChange = 0.7;
  } else if (homegoals > awaygoals) {
    homeChange = 0.5;
    awayChange = -0.4;
  }
  for (int j = 1; j <= kSlots; ++j) {
    const int ph = playerIn(g, j, hometeam);
    const int pa = playerIn(g, j, awayteam);
    const double rh = g.MatchRating(j, 1);
    const double ra = g.MatchRating(j, 2);
    // An empty slot has nobody to credit.
    if (ph != 0) {
      g.PlayerRatingSumCareer(ph) += rh;
      g.PlayerRatingSumSeason(ph) += rh;
      g.PlayerRatingSumWeek(ph) += rh;
      playerForm(g, ph, homeChange, rh);
    }
    if (pa != 0) {
      g.PlayerRatingSumCareer(pa) += ra;
      g.PlayerRatingSumSeason(pa) += ra;
      g.PlayerRatingSumWeek(pa) += ra;
      playerForm(g, pa, awayChange, ra);
    }
  }
  morales();
}

void MatchEngine::morales() {
  MLSModule& g = mls();
  const int H = hometeam;
  const int A = awayteam;
  const int h = homegoals;
  const int a = awaygoals;
  const std::string homeText = recordText(g, h, a, true, A);
  const std::string awayText = recordText(g, a, h, false, H);

  if (h + a > g.TeamMostGoalsInGame(H)) {
    g.TeamMostGoalsInGame(H) = h + a;
    g.TeamMostGoalsText(H) = homeText;
  }
  if (h + a > g.TeamMostGoalsInGame(A)) {
    g.TeamMostGoalsInGame(A) = h + a;
    g.TeamMostGoalsText(A) = awayText;
  }

  if (h > a) {
    if (g.TeamReputation(H) + 25 < g.TeamReputation(A)) {
      addHeadline(g, g.TeamName(H) + " have upset " + g.TeamName(A) + Str(h) + " -" + Str(a) + "!");
    }
    if (h > a + 4) addHeadline(g, g.TeamName(H) + " blow out " + g.TeamName(A) + Str(h) + " -" + Str(a));
    g.ManagerApproval(H) += 0.02;
    lowerApproval(g, A, 0.02);
    keepRecord(g.TeamBiggestWinMargin, g.TeamBiggestWinText, H, h - a, homeText);
    keepRecord(g.TeamBiggestLossMargin, g.TeamBiggestLossText, A, h - a, awayText);
    g.TeamForm(H).insert(0, 1, 'W');
    g.TeamForm(A).insert(0, 1, 'L');
  } else if (h < a) {
    if (g.TeamReputation(A) + 25 < g.TeamReputation(H)) {
      addHeadline(g, g.TeamName(A) + " have upset " + g.TeamName(H) + Str(a) + " -" + Str(h) + "!");
    }
    if (a > h + 4) addHeadline(g, g.TeamName(A) + " blow out " + g.TeamName(H) + Str(a) + " -" + Str(h));
    lowerApproval(g, H, 0.04);
    g.ManagerApproval(A) += 0.03;
    keepRecord(g.TeamBiggestLossMargin, g.TeamBiggestLossText, H, a - h, homeText);
    keepRecord(g.TeamBiggestWinMargin, g.TeamBiggestWinText, A, a - h, awayText);
    g.TeamForm(H).insert(0, 1, 'L');
    g.TeamForm(A).insert(0, 1, 'W');
  } else {
    lowerApproval(g, H, 0.01);
    g.TeamForm(H).insert(0, 1, 'D');
    g.TeamForm(A).insert(0, 1, 'D');
  }

  for (int club : {H, A}) {
    if (g.TeamForm(club).size() > kFormLetters) g.TeamForm(club).resize(kFormLetters);
  }
}

void MatchEngine::updateteams() {
  MLSModule& g = mls();
  const int H = hometeam;
  const int A = awayteam;
  const int h = homegoals;
  const int a = awaygoals;
  const double week = std::nearbyint(g.CurrentWeek);
  const bool league = week >= 1 && week <= kLastRound && g.FixtureCompetition(fixtureloop, week) == 1;
  if (league) {
    g.TeamGames(H) += 1;
    g.TeamGames(A) += 1;
    g.TeamGoalsFor(H) += h;
    g.TeamGoalsFor(A) += a;
    g.TeamGoalsAgainst(H) += a;
    g.TeamGoalsAgainst(A) += h;
    if (h < a) {
      g.TeamWins(A) += 1;
      g.TeamLosses(H) += 1;
      g.TeamFanDemand(H) -= 0.04;
      g.TeamFanDemand(A) += 0.02;
    } else if (h > a) {
      g.TeamWins(H) += 1;
      g.TeamLosses(A) += 1;
      g.TeamFanDemand(H) += 0.04;
      g.TeamFanDemand(A) -= 0.02;
    } else {
      g.TeamFanDemand(H) -= 0.01;
      g.TeamFanDemand(A) += 0.01;
      g.TeamDraws(H) += 1;
      g.TeamDraws(A) += 1;
    }
  }
  if (g.TeamFanDemand(H) < 0.1) g.TeamFanDemand(H) = 0.1;

  Commentary.clear();
  homeinfo.clear();
  awayinfo.clear();
}

}  // namespace kervale
