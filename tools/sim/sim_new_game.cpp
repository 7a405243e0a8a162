#include "sim_new_game.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "newgame/pick_team.h"
#include "shell/frm_splash.h"
#include "shell/main_module.h"
#include "shown_boxes.h"
#include "ui/headless/headless_backend.h"
#include "ui/screen.h"

namespace kervale::sim {

namespace {

constexpr const char* kManagerName = "Sim Manager";

// The country page that lists a club, and the club's position in the pick list.
struct PickPlace {
  ui::CommandButton* page = nullptr;
  int position = 0;
};

PickPlace placeOf(PickTeam& pick, int club) {
  if (club <= 10) return {&pick.Command1, club};
  if (club >= 17 && club <= 34) return {&pick.Command1, club - 6};
  if (club >= 53 && club <= 144) return {&pick.Command1347, club - 6};
  if (club >= 225 && club <= 237) return {&pick.Command7, club - 6};
  return {};
}

[[noreturn]] void failLoad(const PickTeam& pick, const char* otherwise) {
  passShownBoxes();  // the screen's box says what the error says
  if (pick.loadError) {
    const std::string& file = pick.loadError->fileName();
    throw RunError((file.empty() ? "" : file + ": ") + pick.loadError->problem());
  }
  throw RunError(otherwise);
}

}  // namespace

void startNewGame(const Options& options) {
  std::error_code error;
  std::filesystem::current_path(options.world, error);
  if (error) throw RunError(options.world.string() + ": cannot be opened as the world folder");

  ui::HeadlessBackend& headless = ui::headless();
  headless.setPolicy(ui::HeadlessBackend::Policy::Defaults);
  headless.setScreen(ui::ScreenMetrics{});

  frmSplash& splash = ui::screen<frmSplash>();
  splash.Show();
  if (!splash.shown()) throw RunError("the start-up screen did not pass its screen-mode test");

  PickTeam& pick = ui::screen<PickTeam>();
  pick.loaderSeed = options.seed;
  splash.Command1.userClick();
  if (!pick.loaded()) failLoad(pick, "the new-game screen did not open");

  const PickPlace place = placeOf(pick, options.club);
  if (place.page == nullptr) {
    throw RunError("club " + std::to_string(options.club) + " cannot be picked on the new-game screen");
  }
  place.page->userClick();
  const int low = std::min(pick.VScroll1.min(), pick.VScroll1.max());
  const int high = std::max(pick.VScroll1.min(), pick.VScroll1.max());
  pick.VScroll1.userScroll(std::clamp(place.position - 1, low, high));
  pick.teambutton(place.position - pick.VScroll1.value()).userClick();

  pick.Text1.userSetText(kManagerName);
  pick.OkButtonTeamSelect.userClick();
  if (pick.loaded()) failLoad(pick, "the new-game screen did not start the game");
  if (!ui::screen<MainModule>().loaded()) throw RunError("the hub did not open");
}

void printGameSummary(std::ostream& out) {
  const MLSModule& game = mls();
  int fixtures = 0;
  for (int club = 1; club <= kLastClub; ++club) {
    for (int round = 1; round <= kLastRound; ++round) {
      if (club < game.FixtureOpponent(club, round)) ++fixtures;
    }
  }
  const double club = game.MyTeam;
  out << "date=" << game.DayName(game.WeekDay) << " " << numText(game.MonthDay) << " "
      << game.MonthName(game.CurrentMonth) << " " << numText(2002 + game.CurrentSeason) << "\n";
  out << "round=" << numText(game.CurrentWeek) << "\n";
  out << "club=" << numText(club) << "\n";
  out << "team=" << game.TeamName(club) << "\n";
  out << "manager=" << game.ManagerName << "\n";
  out << "fixtures=" << fixtures << "\n";
}

}  // namespace kervale::sim
