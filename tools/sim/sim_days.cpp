#include "sim_days.h"

#include <iostream>
#include <string>
#include <vector>

#include "base/file_error.h"
#include "base/numbers.h"
#include "data/mls_module.h"
#include "league_counters.h"
#include "match/match_engine.h"
#include "offseason/college_draft.h"
#include "offseason/off_season.h"
#include "season_tables.h"
#include "shell/load_bg_picture.h"
#include "shell/main_module.h"
#include "shell/saved_game.h"
#include "shown_boxes.h"
#include "sim_new_game.h"
#include "squad_matches.h"
#include "squad_starts.h"
#include "standin/stand_in_user.h"
#include "team/locker_room.h"
#include "ui/headless/headless_backend.h"
#include "ui/screen.h"

namespace kervale::sim {

namespace {

constexpr int kNewsLinesShown = 5;

// One line per college draft and per season end the run went through.
std::vector<std::string>& draftLines() {
  static std::vector<std::string> lines;
  return lines;
}

std::string draftLine(const DraftSummary& s) {
  const MLSModule& g = mls();
  return "offseason=" + std::to_string(s.season) + " mls_teams=" + numText(g.MLSTeamCount) +
         " expanded=" + std::to_string(s.expanded ? 1 : 0) + " drafted=" + std::to_string(s.drafted) +
         " passed=" + std::to_string(s.passed) + " retired=" + std::to_string(s.retired) +
         " players=" + std::to_string(g.NumPlayers);
}

// One line per season end: how the user's club finished and who won.
std::string seasonLine(const SeasonEndRecord& r) {
  const MLSModule& g = mls();
  return "season=" + std::to_string(r.season) + " year=" + std::to_string(2002 + r.season) +
         " place=" + std::to_string(r.place) + " points=" + std::to_string(r.points) +
         " mls_champion=" + r.mlsChampion + " cup_winner=" + r.cupWinner +
         " premiership_champion=" + r.premiershipChampion + " mls_teams=" + numText(g.MLSTeamCount) +
         " players=" + std::to_string(g.NumPlayers);
}

void loadGame(const std::filesystem::path& file) {
  MainModule& hub = ui::screen<MainModule>();
  if (!hub.loaded()) hub.Show();
  hub.Load_Game.userClick();
  LoadBgPicture& picker = ui::screen<LoadBgPicture>();
  if (!picker.loaded()) throw RunError("the file picker did not open");
  picker.Dir1.setPath(file.parent_path().string());
  int found = -1;
  for (int i = 0; i < picker.File1.listCount(); ++i) {
    if (picker.File1.list(i) == file.filename().string()) found = i;
  }
  if (found < 0) {
    picker.Unload();
    throw RunError(file.string() + ": no such saved game (\".usa\") to load");
  }
  const std::size_t dialogsBefore = ui::headless().log().size();
  picker.File1.userSelectItem(found);
  picker.LoadBut.userClick();
  if (picker.loaded()) {
    picker.Unload();
    passShownBoxes();
    const auto& log = ui::headless().log();
    std::string reason = log.size() > dialogsBefore ? log.back().text : "the game was not loaded";
    for (char& c : reason) {
      if (c == '\r') c = ' ';
    }
    throw RunError(reason);
  }
}

int& roundTrips() {
  static int count = 0;
  return count;
}

// Saves the running game to memory and loads it back over itself, as the
// hub's File, Load does; the running game plays on untouched.
void roundTrip(int day) {
  try {
    checkedSavedGameText("the save of day " + std::to_string(day), mls());
  } catch (const FileError& error) {
    throw RunError("day " + std::to_string(day) + ": the game saved that day is refused: " + error.problem());
  }
  ++roundTrips();
}

void pressContinue(StandInUser& player, int day, const Options& options) {
  MainModule& hub = ui::screen<MainModule>();
  if (!hub.loaded()) hub.Show();
  player.pickSeasonEleven();
  player.replaceWeakKeeper();
  if (!hub.PlayGamesBUtton.enabled()) {
    const std::string why = player.readySquad();
    if (!why.empty()) throw RunError("day " + std::to_string(day) + ": " + why);
  }
  noteSidesOfRound(options);
  hub.PlayGamesBUtton.userClick();
}

}  // namespace

void runDays(const Options& options) {
  if (options.load) loadGame(*options.load);
  StandInUser player;  // leaves the talks for the match, presses the minute button, mends the squad
  watchSeasonTables(player, options);
  const CollegeDraft& draft = ui::screen<CollegeDraft>();
  int drafts = draft.draftsRun();
  int seasons = seasonEndsRun();
  noteSquadStarts(options);
  for (int day = 1; day <= options.days && !ui::headless().programEnded(); ++day) {
    pressContinue(player, day, options);
    noteSquadStarts(options);
    writeShownBoxes(std::cerr);
    if (options.roundTrip) roundTrip(day);
    if (seasonEndsRun() != seasons) {
      seasons = seasonEndsRun();
      draftLines().push_back(seasonLine(lastSeasonEnd()));
    }
    if (draft.draftsRun() != drafts) {
      drafts = draft.draftsRun();
      draftLines().push_back(draftLine(draft.summary()));
    }
  }
  if (options.save) {
    try {
      writeSavedGame(*options.save, mls());
    } catch (const FileError& error) {
      throw RunError(options.save->string() + ": " + error.problem());
    }
  }
}

void printDaysSummary(const Options& options, std::ostream& out) {
  if (options.days == 0 && !options.load && !options.save) return;
  const MLSModule& g = mls();
  MainModule& hub = ui::screen<MainModule>();
  out << "dateline=" << hub.Label6.caption() << " " << hub.Label7.caption() << "\n";
  out << "weekline=" << hub.Label8.caption() << "\n";
  out << "money=" << numText(g.TeamMoney(g.MyTeam)) << "\n";
  for (int i = 0; i < kNewsLinesShown && i < g.ClubNewsCount; ++i) out << "news=" << g.ClubNewsLine(i) << "\n";
  if (options.days > 0) printLeagueCounters(out);
  if (options.roundTrip) out << "round_trips=" << roundTrips() << "\n";
  for (const std::string& line : draftLines()) out << line << "\n";
}

}  // namespace kervale::sim
