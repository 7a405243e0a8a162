// The day loop: one press of the continue button is one day.
#include <cmath>
#include <string>
#include <type_traits>

#include "base/numbers.h"
#include "base/random.h"
#include "data/mls_module.h"
#include "data/news.h"
#include "data/season_rounds.h"
#include "data/squad_moves.h"
#include "offseason/off_season.h"
#include "shell/main_module.h"
#include "ui/backend.h"

namespace kervale {

namespace {

int monthLength(double month, double season) {
  const int m = static_cast<int>(month);
  if (m == 4 || m == 6 || m == 9 || m == 11) return 30;
  if (m == 2) return std::fmod(2002 + season, 4.0) == 0 ? 29 : 28;
  return 31;
}

// Clears the press flag and the hourglass however the press ends.
struct PressGuard {
  bool& running;
  ~PressGuard() {
    running = false;
    ui::backend().setBusyCursor(false);
  }
};

}  // namespace

void MainModule::PlayGamesBUtton_Click() {
  // A press that comes while the matchday of the last one still runs (the
  // match yields to the window system) is refused.
  if (pressRunning_) return;
  pressRunning_ = true;
  PressGuard guard{pressRunning_};
  MLSModule& g = mls();

  g.WeekDay = g.WeekDay + 1;
  g.MonthDay = g.MonthDay + 1;
  if (g.MonthDay > monthLength(g.CurrentMonth, g.CurrentSeason)) {
    g.MonthDay = 1;
    g.CurrentMonth = g.CurrentMonth + 1;
    if (g.CurrentMonth == 13) g.CurrentMonth = 1;
  }

  bool seasonOver = false;
  if (isMatchday(g.WeekDay)) {
    const bool saturday = g.WeekDay == 7;
    ui::backend().setBusyCursor(true);
    playMatchday();  // shows and unloads the match screen
    Unload();
    if (saturday) g.WeekDay = 0;
    g.CurrentWeek = g.CurrentWeek + 1;
    if (g.CurrentWeek == 105) g.CurrentWeek = 1;
    seasonOver = g.CurrentWeek == 42;  // round 41 was the season's last
    nextFixtureNews(saturday);
    Show();
  }

  Form_Load();
  if (g.WeekDay >= 1 && g.WeekDay <= 5) trainingday();
  ui::backend().setBusyCursor(false);
  if (g.CurrentWeek == 105) g.CurrentWeek = 1;
  birthdays();
  if (seasonOver) {
    runOffSeason();
    if (loaded()) Form_Load();  // the off-season may have given the user another club
  }
}

void MainModule::nextFixtureNews(bool afterSaturday) {
  MLSModule& g = mls();
  const int club = static_cast<int>(g.MyTeam);
  const int round = static_cast<int>(g.CurrentWeek);
  const int opponent = g.FixtureOpponent(club, round);
  if (opponent == 0) {
    addClubNews(g, afterSaturday ? "We have a day off on Wednesday." : "We have a day off on Saturday.");
    return;
  }
  std::string line = "Our next game is against " + g.TeamName(opponent);
  switch (g.FixtureVenue(club, round)) {
    case 1:
      line += " at home.";
      break;
    case 2:
      line += " on the road.";
      break;
    case 0:
      line += " on neutral ground.";
      break;
    default:
      break;
  }
  const int competition = g.FixtureCompetition(club, round);
  if (competition == 2 || (!afterSaturday && competition == 3)) line += " It is a cup game.";
  addClubNews(g, std::move(line));
}

void MainModule::birthdays() {
  MLSModule& g = mls();
  for (int p = 1; p <= g.NumPlayers; ++p) {
    if (g.PlayerBirthMonth(p) != g.CurrentMonth || g.PlayerBirthDay(p) != g.MonthDay) continue;
    g.PlayerAge(p) = g.PlayerAge(p) + 1;
    // Without a club (MyTeam 0) the free agents are nobody's.
    const bool ours = g.MyTeam != 0 && !g.PlayerName(p).empty() && g.PlayerTeam(p) == g.MyTeam;
    if (ours) {
      addClubNews(g, g.PlayerName(p) + " celebrated his birthday. He is now" + Str(g.PlayerAge(p)) + " years old.");
    }
    if (g.PlayerAge(p) <= 32) continue;
    const double r = Int(Rnd() * (41 - g.PlayerAge(p)));
    if (r == 0) {
      if (ours) {
        ui::MsgBox(g.PlayerName(p) + " has retired at the age of " + numText(g.PlayerAge(p)), ui::MsgButtons::OK,
                   ui::MsgIcon::Information, "Going to the Old Folks home");
      }
      clearRetiredPlayer(g, p);
      continue;
    }
    // A rating that falls to exactly 0 goes back to 1; below 0 it stops at 0,
    // since the grade words are looked up by the whole part of a rating.
    auto decline = [](auto& rating) {
      using T = std::remove_reference_t<decltype(rating)>;
      rating = rating - T{1};
      if (rating == T{0}) {
        rating = T{1};
      } else if (rating < T{0}) {
        rating = T{0};
      }
    };
    decline(g.PlayerGoalkeeping(p));
    decline(g.PlayerDefense(p));
    decline(g.PlayerMidfield(p));
    decline(g.PlayerAttack(p));
    g.PlayerGamesSeason(p) = 0;
    g.PlayerGoalsSeason(p) = 0;
    g.PlayerAssistsSeason(p) = 0;
    g.PlayerShotsSeason(p) = 0;
    g.PlayerRatingSumSeason(p) = 0;
  }
}

}  // namespace kervale
