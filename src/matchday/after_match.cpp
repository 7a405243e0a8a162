// After every match of the round: player statistics and form, club records,
// headlines, the managers' standing, form letters, league counters and fan demand.
#include <cmath>
#include <string>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "data/news.h"
#include "match/match_engine.h"
#include "matchday/lineup_picks.h"

namespace kervale {

namespace {

constexpr int kSlots = 20;
constexpr int kFormLetters = 8;

// A match from one club's side, as its record texts hold it: " 3 - 1 vs Name, Week 32, 2003".
// Appended piece by piece, and only once a record takes it: most matches
// break no record.
class RecordText {
 public:
  RecordText(const MLSModule& g, int own, int other, bool atHome, int opponent)
      : g_(g), own_(own), other_(other), atHome_(atHome), opponent_(opponent) {}

  const std::string& text() {
    if (!made_) {
      text_ = Str(own_);
      text_ += " -";
      text_ += Str(other_);
      text_ += atHome_ ? " vs " : " at ";
      text_ += g_.TeamName(opponent_);
      text_ += ", Week";
      text_ += Str(g_.CurrentWeek + 20);
      text_ += ',';
      text_ += Str(2002 + g_.CurrentSeason);
      made_ = true;
    }
    return text_;
  }

 private:
  const MLSModule& g_;
  int own_;
  int other_;
  bool atHome_;
  int opponent_;
  bool made_ = false;
  std::string text_;
};

void lowerApproval(MLSModule& g, int club, double by) {
  g.ManagerApproval(club) -= by;
  if (g.ManagerApproval(club) < 0) g.ManagerApproval(club) = 0.1;
}

// A margin equal to the record adds the match to the record's text; a bigger one replaces it.
template <class Margins, class Texts>
void keepRecord(Margins& margins, Texts& texts, int club, int margin, RecordText& text) {
  if (margin == margins(club)) {
    margins(club) = margin;
    texts(club) += ',';
    texts(club) += text.text();
  } else if (margin > margins(club)) {
    margins(club) = margin;
    texts(club) = text.text();
  }
}

// What a match adds to a player's figures: his rating to his sums, his games,
// and his form by the result and whether he played. The player number is
// 1..kLastPlayer, so his cells are read directly.
void creditPlayer(MLSModule& g, int p, double change, double rating) {
  g.PlayerRatingSumCareer.begin()[p] += rating;
  g.PlayerRatingSumSeason.begin()[p] += rating;
  g.PlayerRatingSumWeek.begin()[p] += rating;
  double& form = g.PlayerForm.begin()[p];
  form += change;
  if (rating > 0) {
    g.PlayerGamesSeason.begin()[p] += 1;
    form += 0.2;
    if (form > 100) form = 100;
  }
  if (rating == 0) form -= 0.5;
  if (rating > 0) g.PlayerGamesCareer.begin()[p] += 1;
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
  // Each squad is one column of cells, checked once.
  const double* home = &g.TeamSquad(0, hometeam);
  const double* away = &g.TeamSquad(0, awayteam);
  for (int j = 1; j <= kSlots; ++j) {
    const int ph = squadCellPlayer(home[j]);
    const int pa = squadCellPlayer(away[j]);
    const double rh = g.MatchRating(j, 1);
    const double ra = g.MatchRating(j, 2);
    // An empty slot has nobody to credit.
    if (ph != 0) creditPlayer(g, ph, homeChange, rh);
    if (pa != 0) creditPlayer(g, pa, awayChange, ra);
  }
  morales();
}

void MatchEngine::morales() {
  MLSModule& g = mls();
  const int H = hometeam;
  const int A = awayteam;
  const int h = homegoals;
  const int a = awaygoals;
  RecordText homeText(g, h, a, true, A);
  RecordText awayText(g, a, h, false, H);

  if (h + a > g.TeamMostGoalsInGame(H)) {
    g.TeamMostGoalsInGame(H) = h + a;
    g.TeamMostGoalsText(H) = homeText.text();
  }
  if (h + a > g.TeamMostGoalsInGame(A)) {
    g.TeamMostGoalsInGame(A) = h + a;
    g.TeamMostGoalsText(A) = awayText.text();
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
