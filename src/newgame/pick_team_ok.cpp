#include <array>
#include <string>

#include "base/numbers.h"
#include "base/random.h"
#include "data/news.h"
#include "data/readers/schedule_file.h"
#include "data/squad_moves.h"
#include "newgame/pick_team.h"
#include "newgame/season_fixtures.h"
#include "offseason/off_season_files.h"
#include "shell/main_module.h"
#include "ui/backend.h"
#include "ui/screen.h"

namespace kervale {

using namespace ui;

namespace {

constexpr int kLastInterestClub = 237;
constexpr int kStarters = 11;

// The schedules OK may place, read before anything changes so that a bad
// file leaves the game as it was. At a new game only a 10-club MLS has its
// schedule placed. The files the game needs later are checked too.
LeagueSchedules readSchedules(const MLSModule& game) {
  LeagueSchedules s = readLeagueSchedules();
  if (game.MLSTeamCount == 10) s.mls = readSchedule(".", kMls10Schedule);
  checkLaterFiles(".");
  return s;
}

// The hub plays a matchday only with eleven starters, and a world may hold
// no free player to sign: the club the user takes must field a side.
void checkManagedSquad(const MLSModule& game) {
  const int club = CInt(game.MyTeam);
  const int players = namedSquadPlayers(game, club);
  if (players >= kStarters) return;
  throw FileError("players2.dat", "club " + std::to_string(club) + ", " + game.TeamName(club) + ", has " +
                                      std::to_string(players) + (players == 1 ? " player" : " players") +
                                      "; the club you manage needs " + std::to_string(kStarters));
}

void writeChairmansLetter(MLSModule& game) {
  clearClubNews(game);
  addClubNews(game, game.ManagerName + ", this is your chairman.");
  addClubNews(game, "Thanks for your application. We feel that you are the best for the " + game.TeamName(game.MyTeam) +
                        " job.");
  addClubNews(game, "To get started, click 'Team Select' for an overview of our roster.");
  addClubNews(game, "There you can review tactics and make decisions about players.");
  addClubNews(game, " ");
  addClubNews(game, "If you need to talk to me, I am easily reachable from the Club Operations menu.");
  addClubNews(game, " ");
}

void startExpansionMode(MLSModule& game) {
  game.MyTeam = 0;
  game.ExpansionMode = 1;
  game.CurrentWeek = 37;
  game.CurrentSeason = -1;
  game.LeagueSkipped(1) = 0;
  clearClubNews(game);
  for (const std::string& line : {
           game.ManagerName + ", welcome to expansion mode!",
           std::string("In Expansion Mode, the MLS is expanding to 12 teams next season, and you will manage one of "
                       "the new teams."),
           std::string("However, your team is comprised of players from the expansion draft (not of very high "
                       "caliber) and college players."),
           std::string(" "),
           std::string("You take over right at the college draft."),
           std::string(""),
           std::string("When the college draft screen comes up, select 'Team Select' to see where your team needs "
                       "help."),
           std::string("Try to fill in holes in your positions with college youth that will grow into a "
                       "championship-winning team."),
           std::string(" "),
           std::string("Good luck, and remember, the fans don't expect much the first season."),
       }) {
    addClubNews(game, line);
  }
}

// Whether club i wants player p, judged on his best rating against the
// club's squad averages (D, M and A are the squad sums divided by 10).
bool wants(const MLSModule& game, int i, int p, double d, double m, double a) {
  const double def = game.PlayerDefense(p);
  const double mid = game.PlayerMidfield(p);
  const double att = game.PlayerAttack(p);
  const bool young = !(game.PlayerAge(p) > 21);
  bool wanted = false;
  if (def >= mid && def >= att && def > d) {
    wanted = !(def - 4 > d) || young;
  } else if (mid >= def && mid >= att && mid > m) {
    wanted = !(mid - 4 > m) || young;
  } else if (att >= mid && att >= def && att > a) {
    wanted = !(att - 4 > a) || young;
  }
  const double owner = game.PlayerTeam(p);
  if (wanted && owner != 0) wanted = game.TeamReputation(i) > game.TeamReputation(owner) - 25;
  return wanted;
}

void fillTransferInterest(MLSModule& game) {
  const int mlsCount = CInt(game.MLSTeamCount);
  for (int i = 1; i <= kLastInterestClub; ++i) {
    game.ScoutingFunding(i) = CLng(Int(game.TeamMoney(i) / 50000));
    if (i > mlsCount && i <= 16) continue;
    // The redraw below needs a player other than number i.
    if (game.NumPlayers < 2 && i == 1) continue;
    double d = 0, m = 0, a = 0;
    for (int s = 1; s <= 20; ++s) {
      const double player = game.TeamSquad(s, i);
      d += game.PlayerDefense(player);
      m += game.PlayerMidfield(player);
      a += game.PlayerAttack(player);
    }
    d /= 10;
    m /= 10;
    a /= 10;
    for (int draw = 1; draw <= game.ScoutingFunding(i); ++draw) {
      int p = 0;
      do {
        p = rng().draw(game.NumPlayers, 1);
      } while (p == i);
      if (i == game.MyTeam || game.PlayerName(p).empty()) continue;
      if (!wants(game, i, p, d, m, a)) continue;
      for (int c = 1; c <= 4; ++c) {
        const std::int16_t held = game.PlayerInterest(p, c);
        if (held == i) break;
        if (held == 0) {
          game.PlayerInterest(p, c) = static_cast<std::int16_t>(i);
          break;
        }
      }
    }
  }
}

void chooseLeaguesToRun(MLSModule& game, const PickTeam& screen) {
  for (int j = 0; j <= 5; ++j) {
    if (screen.Check1(j).value() == 0) game.LeagueSkipped(j + 1) = 1;
  }
  // The user's own league always runs.
  const double me = game.MyTeam;
  if (me < 53) game.LeagueSkipped(1) = 0;
  if (me > 52 && me < 145) game.LeagueSkipped(2) = 0;
  if (me > 163 && me < 205) game.LeagueSkipped(3) = 0;
  if (me > 203 && me < 225) game.LeagueSkipped(5) = 0;
  if (me > 224 && me < 238) game.LeagueSkipped(6) = 0;
}

// The season starts where the user's league starts.
void setStartDate(MLSModule& game) {
  const double me = game.MyTeam;
  if (game.LeagueSkipped(1) == 0 && me <= 52) {
    game.CurrentWeek = 43;
    game.CurrentMonth = 6;
  }
  if (game.LeagueSkipped(2) == 0 && me > 52 && me < 149) {
    game.CurrentWeek = 66;
    game.CurrentMonth = 8;
    game.MonthDay = 13;
  }
  const bool australian = me >= 225 && me <= 237;
  if (game.LeagueSkipped(6) == 0 && (game.LeagueSkipped(2) == 0 || australian) && me > 223) {
    game.CurrentWeek = 74;
    game.CurrentMonth = 9;
    game.MonthDay = 13;
  }
}

}  // namespace

void PickTeam::OkButtonTeamSelect_Click() {
  if (Text1.text().empty()) {
    MsgBox("Um, if you were born nameless then that really is pretty sad.\r\r(Please enter your name)", MsgButtons::OK,
           MsgIcon::Information, "I just need your name!");
    VScroll1_Change();
    return;
  }
  MLSModule& game = mls();
  LeagueSchedules schedules;
  try {
    schedules = readSchedules(game);
    // Expansion mode gives the user a club of the expansion draft.
    if (Option2(1).value() != 1) checkManagedSquad(game);
  } catch (const FileError& error) {
    loadError = error;
    MsgBox("A new game cannot be started: the data file " + error.fileName() + " is not usable.\r" + error.problem(),
           MsgButtons::OK, MsgIcon::Critical);
    return;
  }

  // A pasted tab or line break would go into every save, which the loader
  // would then refuse.
  game.ManagerName = withoutControlCharacters(Text1.text());
  writeChairmansLetter(game);
  addHeadline(game, game.TeamName(game.MyTeam) + " have hired a new manager.");
  if (Option3(0).value() == 1) game.PlayoffTeams = 4;
  if (Option3(2).value() == 1) game.PlayoffTeams = 8;
  if (Option2(1).value() == 1) startExpansionMode(game);

  const double club = game.MyTeam;
  if (club <= 16) {
    game.CurrentLeague = 0;
  } else if (club <= 34) {
    game.CurrentLeague = 1;
  } else if (club <= 52) {
    game.CurrentLeague = 2;
  } else if (club <= 148) {
    game.CurrentLeague = 3;
  }
  static constexpr std::array<int, 4> kChampionSeed = {10, 18, 49, 53};
  game.MLSChampionHistory(0) = kChampionSeed[CInt(game.CurrentLeague)];
  game.CupWinnerHistory(0) = game.CurrentLeague <= 2 ? 7 : 53;
  game.WorldClubWinnerHistory(0) = 120;

  fillTransferInterest(game);
  chooseLeaguesToRun(game, *this);
  const int me = CInt(game.MyTeam);
  placeLeagueSchedules(game, schedules, me);
  if (game.LeagueSkipped(2) == 0 && me > 52 && me < 149) drawEnglishCupFirstStage(game);
  setStartDate(game);
  placeFirstCupRound(game, me);

  screen<MainModule>().Show();
  Unload();
}

}  // namespace kervale
