#pragma once

#include <filesystem>
#include <optional>

#include "data/mls_module.h"
#include "data/readers/schedule_file.h"

namespace kervale {

// The league schedules a season's grid is built from. `mls` is empty when no
// MLS schedule is to be placed.
struct LeagueSchedules {
  Schedule fixt18;
  Schedule fixt20;
  Schedule fixt24;
  Schedule fixt14;
  std::optional<Schedule> mls;
};

// Reads "fixt18/20/24/14.dat"; FileError names a bad one.
LeagueSchedules readLeagueSchedules(const std::filesystem::path& folder = ".");

// The club whose leagues a season is built around: the user's, or for a user
// without a club the first club of his last league (0 when there is none).
int seasonClub(const MLSModule& game);

// Places the league blocks that run for club `me` (see seasonClub): the
// A-League and the MLS for an American club, the English divisions from
// LeagueOrder, the Australian league beside them or for an Australian club.
void placeLeagueSchedules(MLSModule& game, const LeagueSchedules& s, int me);

// The English cup's first stage: 60 clubs of the lower divisions drawn.
void drawEnglishCupFirstStage(MLSModule& game);

// The first cup round: the US Open Cup's round-1 ties in round 48 for an
// American club, the English first stage in round 72 for an English one.
void placeFirstCupRound(MLSModule& game, int me);

// The MLS schedule held in FixtureMLSTemplate: 26 rounds of MLSTeamCount
// clubs. Empty when the template is no valid schedule.
std::optional<Schedule> mlsScheduleFromTemplate(const MLSModule& game);

// Last season's rounds off the grid, but the Australian second phase, which
// is still running.
void clearLastSeason(MLSModule& game);

// Next season's grid: last season's rounds cleared, the leagues placed, the
// first cup round drawn.
void placeNextSeasonGrid(MLSModule& game, LeagueSchedules schedules);

}  // namespace kervale
