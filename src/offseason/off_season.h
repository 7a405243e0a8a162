#pragma once

#include <string>

#include "data/mls_module.h"
#include "offseason/off_season_files.h"

namespace kervale {

// What a season end found, for the headless runner's per-season line.
struct SeasonEndRecord {
  int season = 0;  // CurrentSeason of the season that ended
  int place = 0;   // the user's place in his league, 0 without a club
  int points = 0;
  std::string mlsChampion;
  std::string cupWinner;
  std::string premiershipChampion;
};

// The season end, run by the day loop at the end of the press that moved the
// round from 41 to 42: the files it needs read first, the summary, the
// college draft, and from the draft's Quit the roll-over and next season's
// grid. When a file it needs cannot be used it says which and takes the
// season's fixtures off the grid, so that none is played twice; the next
// round 42 tries again.
void runOffSeason();

// What follows the draft, run by its Quit (or when the draft cannot run): the
// youth intake, the roll-over and next season's grid. Without the season
// end's files (a draft opened on its own) there is none of them.
void afterCollegeDraft(MLSModule& g, const OffSeasonFiles* files);

// The season ends run so far in this program, and what the last one found.
int seasonEndsRun();
const SeasonEndRecord& lastSeasonEnd();

}  // namespace kervale
