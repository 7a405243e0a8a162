// The matchday: the match screen's load plays every fixture of the round CurrentWeek.
#include <bitset>
#include <cmath>
#include <string>
#include <vector>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "data/news.h"
#include "match/match_engine.h"
#include "matchday/fixture_check.h"
#include "shell/main_module.h"
#include "ui/screen.h"

namespace kervale {

namespace {

struct Pairing {
  int home;
  int away;
};

// The round as a grid column, or 0 when CurrentWeek is no round of the grid.
int gridRound(double week) {
  const double w = std::nearbyint(week);
  return w >= 1 && w <= kLastRound ? static_cast<int>(w) : 0;
}

bool isClub(int club) { return club >= 1 && club <= kLastClub; }

// The matches of round w in the order they are played: every club with a
// home fixture, ascending. A grid whose rows disagree must not make a club
// play twice.
std::vector<Pairing> matchesOf(const MLSModule& g, int w) {
  std::vector<Pairing> matches;
  if (w == 0) return matches;
  std::bitset<kLastClub + 1> busy;
  for (int home = 1; home <= kLastClub; ++home) {
    if (g.FixtureVenue(home, w) != 1 || g.FixtureOpponent(home, w) == 0) continue;
    const int away = g.FixtureOpponent(home, w);
    if (!isClub(away) || away == home || busy[home] || busy[away]) continue;
    busy[home] = busy[away] = true;
    matches.push_back({home, away});
  }
  return matches;
}

// Whether the results text is the one this round's matches left, with the
// scores the grid holds: then the round has been played already (the "Play
// Next Match" item plays it without moving the calendar on). The grid's
// scores of an unplayed round are 0, and the text is the last round's.
bool alreadyPlayed(const MLSModule& g, const std::vector<Pairing>& matches, int w) {
  if (matches.empty()) return false;
  const std::string& text = g.LastResultText;
  std::size_t at = 0;
  for (const Pairing& m : matches) {
    const std::string line =
        g.TeamName(m.home) + Str(g.FixtureScore(m.home, w)) + " " + g.TeamName(m.away) + Str(g.FixtureScore(m.away, w));
    if (text.compare(at, line.size(), line) != 0) return false;
    at += line.size();
    if (text.compare(at, 3, " OT") == 0) at += 3;
    if (at >= text.size() || text[at] != '\r') return false;
    ++at;
  }
  return at == text.size();
}

}  // namespace

void MatchEngine::Form_Load() {
  MLSModule& g = mls();
  Image3.setPicture(g.BackgroundPicture);
  arrangeForScreenMode();

  // The screen loaded again while its matchday runs (it was closed during a
  // box and shown anew): that matchday is still being played.
  if (driving_) return;
  driving_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{driving_};

  const int w = gridRound(g.CurrentWeek);
  const std::vector<Pairing> matches = matchesOf(g, w);
  const bool emptyRoundAgain =
      matches.empty() && emptyRoundGame_ == gameNumber() && emptyRoundSeason_ == g.CurrentSeason && emptyRound_ == w;
  if (!emptyRoundAgain && !alreadyPlayed(g, matches, w)) {
    playRound();
    if (matches.empty()) {
      emptyRoundGame_ = gameNumber();
      emptyRoundSeason_ = g.CurrentSeason;
      emptyRound_ = w;
    }
  }
  ui::screen<MainModule>().Show();
}

void MatchEngine::playRound() {
  MLSModule& g = mls();
  clearNews(g);
  for (int club = 1; club <= kLastClub; ++club) g.TeamLatestNews(club).clear();

  teamupdate();
  extratimeflag = 0;
  teamupdateAgain();

  g.LastResultText.clear();
  g.TicketIncome = 0;
  winnercounter = 1;
  fixtureloop = 0;

  const int w = gridRound(g.CurrentWeek);
  const std::vector<Pairing> round = matchesOf(g, w);
  for (const Pairing& m : round) {
    fixtureloop = m.home;
    extratimeflag = 0;
    g.CupTieFlag = 0;
    const int competition = g.FixtureCompetition(fixtureloop, w);
    if (competition == 2) {
      g.CupTieFlag = 1;
      extratimeflag = 1;
    } else if (competition == 3) {
      g.CupTieFlag = 1;
      extratimeflag = 0;
    }
    hometeam = m.home;
    awayteam = m.away;
    // Two MLS clubs play a level league match on into golden-goal overtime.
    if (competition == 1 && hometeam < 17 && awayteam < 17) extratimeflag = 1;

    matchdaydone = false;
    minutedone = false;
    Fastsim.setValue(1);
    // Only the user's match is watched.
    Hide();
    if (hometeam == g.MyTeam || awayteam == g.MyTeam) Show();

    Playgame();
    // Hidden screens before the last are overwritten unseen.
    if (&m == &round.back()) catchUpScreen();

    g.FixtureScore(hometeam, w) = CInt(homegoals);
    g.FixtureScore(awayteam, w) = CInt(awaygoals);
    matchratingsupdate();
    updateteams();

    if (g.CupTieFlag == 1) {
      const int keptHome = homegoals;
      const int keptAway = awaygoals;
      if (competition == 2 && keptHome == keptAway) penalties();
      // The cup and playoff records of this tie, from homegoals and awaygoals
      // (shoot-out included), with roundwinners and winnercounter.
      cuprecords();
    }
  }
  fixtureloop = kLastClub + 1;

  // Later cup rounds, the playoff set-up and rounds, and the six-club second
  // phase, on their fixed rounds, after the last match of the round.
  cupdraws();

  g.CupTieFlag = 0;
  extratimeflag = 0;
  matchdaydone = true;
  Minbox_Click();
}

void MatchEngine::fixturecheck() {
  MLSModule& g = mls();
  // A tie outside the grid has nowhere to go.
  if (fixtureweek >= 1 && fixtureweek <= kLastRound && fixturehome >= 0 && fixturehome <= kLastClub &&
      fixtureaway >= 0 && fixtureaway <= kLastClub) {
    ::kervale::fixturecheck(g, fixturehome, fixtureaway, fixtureweek, fixturetype);
  }
  fixturetype = 0;
}

}  // namespace kervale
