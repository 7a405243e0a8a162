#include "offseason/off_season.h"

#include "base/file_error.h"
#include "base/numbers.h"
#include "club/shortlisting.h"
#include "matchday/standings_order.h"
#include "newgame/season_fixtures.h"
#include "offseason/a_league_wait.h"
#include "offseason/college_draft.h"
#include "offseason/end_of_season.h"
#include "offseason/new_season.h"
#include "offseason/season_summary.h"
#include "offseason/youth_intake.h"
#include "ui/backend.h"
#include "ui/screen.h"

namespace kervale {

namespace {

constexpr int kNewSeasonRound = 42;  // no league plays it; the leagues start after

int& endsRun() {
  static int count = 0;
  return count;
}

SeasonEndRecord& record() {
  static SeasonEndRecord r;
  return r;
}

// The user's place: his English division's final order, else the clubs of
// his league that rank above him.
int userPlace(const MLSModule& g, int me) {
  if (me >= 53 && me <= 144) {
    for (int league = 1; league <= 4; ++league) {
      for (int p = 1; p <= kFinalOrderPlaces[league]; ++p) {
        if (g.LeagueOrder(p, league) == me) return p;
      }
    }
    return 0;
  }
  int first = 225;
  int last = 237;
  if (me <= 16) {
    first = 1;
    last = CInt(g.MLSTeamCount);
  } else if (me <= 52) {
    first = me <= 34 ? 17 : 35;
    last = me <= 34 ? 34 : 52;
  } else if (me < first || me > last) {
    return 0;
  }
  int place = 1;
  for (int c = first; c <= last; ++c) place += ranksAbove(g, c, me) ? 1 : 0;
  return place;
}

void recordSeasonEnd(const MLSModule& g) {
  const int me = CInt(g.MyTeam);
  SeasonEndRecord& r = record();
  r.season = CInt(g.CurrentSeason);
  r.place = me >= 1 ? userPlace(g, me) : 0;
  r.points = me >= 1 ? CInt(standingsPoints(g, me)) : 0;
  r.mlsChampion = historyClubName(g, g.MLSChampionHistory, g.CurrentSeason);
  r.cupWinner = historyClubName(g, g.CupWinnerHistory, g.CurrentSeason);
  r.premiershipChampion = historyClubName(g, g.PremiershipChampionHistory, g.CurrentSeason);
  ++endsRun();
}

// Under the wait window, the bar counting the steps left.
void startNextSeason(MLSModule& g, const LeagueSchedules& leagues) {
  g.BarDivisor = 2;
  showALeagueWait();
  placeNextSeasonGrid(g, leagues);
  g.BarDivisor = 1;
  ui::screen<ALeagueWait>().drawBar();
  // The computer clubs shop once a season, with the new squads, money and reputations in place.
  shortlistPlayers(g);
  g.CurrentWeek = kNewSeasonRound;
  ui::screen<ALeagueWait>().Unload();
}

}  // namespace

void runOffSeason() {
  MLSModule& g = mls();
  OffSeasonFiles files;
  try {
    files = readOffSeasonFiles(".", g);
  } catch (const FileError& error) {
    // Nothing of the season is played a second time, so the tables keep one
    // season's games until the season can end.
    clearLastSeason(g);
    ui::MsgBox("The season cannot end: the data file " + error.fileName() + " is not usable.\r" + error.problem() +
                   "\rThe season's fixtures are taken off the calendar; the season end is tried again at round" +
                   Str(kNewSeasonRound) + " next year.",
               ui::MsgButtons::OK, ui::MsgIcon::Critical);
    return;
  }
  showEndOfSeason();
  if (ui::backend().programEnded()) return;
  recordSeasonEnd(g);
  showCollegeDraft(&files);
}

void afterCollegeDraft(MLSModule& g, const OffSeasonFiles* files) {
  g.PlayoffStage = 0;
  if (files == nullptr) return;
  runYouthIntake(g, files->firstNames, files->lastNames);
  rollOverSeason(g);
  startNextSeason(g, files->leagues);
}

int seasonEndsRun() { return endsRun(); }

const SeasonEndRecord& lastSeasonEnd() { return record(); }

}  // namespace kervale
