#include <array>
#include <functional>
#include <string>

#include "base/numbers.h"
#include "base/random.h"
#include "data/news.h"
#include "data/readers/schedule_file.h"
#include "matchday/fixture_check.h"
#include "newgame/pick_team.h"
#include "shell/main_module.h"
#include "ui/backend.h"
#include "ui/screen.h"

namespace kervale {

using namespace ui;

namespace {

constexpr int kLastInterestClub = 237;
constexpr int kPrelimEntrants = 60;
constexpr int kLastLeagueEnglishClub = 144;  // 145..148 play in no league
constexpr int kFirstAustralianClub = 225;
constexpr int kLastAustralianClub = 237;

// The schedules OK may place, read before anything changes so that a bad
// file leaves the game as it was.
struct Schedules {
  Schedule fixt18;
  Schedule mls10;
  Schedule fixt20;
  Schedule fixt24;
  Schedule fixt14;
  bool hasMls10 = false;
};

Schedules readSchedules(const MLSModule& game) {
  Schedules s{readSchedule(".", kFixt18Schedule),
              {},
              readSchedule(".", kFixt20Schedule),
              readSchedule(".", kFixt24Schedule),
              readSchedule(".", kFixt14Schedule)};
  if (game.MLSTeamCount == 10) {
    s.mls10 = readSchedule(".", kMls10Schedule);
    s.hasMls10 = true;
  }
  return s;
}

// Every pair (h, a) of schedule round w becomes a league match in grid round
// roundOf(w) between the clubs the local numbers stand for; a pair with no
// club (the free team of an odd league) is no match.
void placeLeague(MLSModule& game, const Schedule& schedule, int firstW, const std::function<int(int)>& roundOf,
                 const std::function<int(int)>& clubOf) {
  for (int fileRound = 1; fileRound <= schedule.rounds; ++fileRound) {
    const int r = roundOf(firstW + fileRound - 1);
    for (int k = (fileRound - 1) * schedule.teams + 1; k < fileRound * schedule.teams; k += 2) {
      const int home = clubOf(schedule.entry(k));
      const int away = clubOf(schedule.entry(k + 1));
      if (home == 0 || away == 0) continue;
      game.FixtureOpponent(home, r) = static_cast<std::int16_t>(away);
      game.FixtureCompetition(home, r) = 1;
      game.FixtureVenue(home, r) = 1;
      game.FixtureOpponent(away, r) = static_cast<std::int16_t>(home);
      game.FixtureCompetition(away, r) = 1;
      game.FixtureVenue(away, r) = 2;
    }
  }
}

// Rounds of the English and Australian schedules: the second half of the
// season runs on from round 1.
int europeanRound(int w) { return w <= 51 ? 2 * w + 1 : 2 * (w - 52) + 1; }

int englishDivisionRound(int w) { return w <= 71 ? europeanRound(w) : CInt(Int(10.0 * w / 8) + 1); }

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

// The English cup's first stage: 60 clubs of the lower divisions. Clubs of the
// first division and those of no league are drawn again.
void drawEnglishCupFirstStage(MLSModule& game) {
  auto eligible = [&](int club) { return club <= kLastLeagueEnglishClub && game.EnglishDivision(club - 52) != 1; };
  std::array<bool, 149> drawn{};
  int left = 0;
  for (int club = 53; club <= 148; ++club) left += eligible(club) ? 1 : 0;
  for (int i = 1; i <= kPrelimEntrants && left > 0; ++i) {
    int club = 0;
    do {
      club = rng().draw(96, 53);
    } while (drawn[club] || !eligible(club));
    drawn[club] = true;
    --left;
    game.USCupPrelimTeam(i) = club;
  }
  for (int i = 1; i <= 64; ++i) game.USCupRound1Team(i) = 0;
}

void placeSchedules(MLSModule& game, const Schedules& s) {
  const double me = game.MyTeam;
  if (game.LeagueSkipped(1) == 0 && me <= 52) {
    game.CurrentWeek = 43;
    game.CurrentMonth = 6;
    placeLeague(
        game, s.fixt18, 22, [](int w) { return w <= 42 ? 2 * w : 2 * (w - 20) + 1; }, [](int n) { return n + 16; });
    if (s.hasMls10) {
      placeLeague(
          game, s.mls10, 22, [](int w) { return w <= 38 ? 2 * w : 2 * (w - 10) + 1; }, [](int n) { return n; });
    }
  }
  if (game.LeagueSkipped(2) == 0) {
    auto division = [&game](int d) { return [&game, d](int n) { return CInt(game.LeagueOrder(n, d)); }; };
    placeLeague(game, s.fixt20, 34, europeanRound, division(1));
    for (int d = 2; d <= 4; ++d) placeLeague(game, s.fixt24, 34, englishDivisionRound, division(d));
    if (me > 52 && me < 149) {
      drawEnglishCupFirstStage(game);
      game.CurrentWeek = 66;
      game.CurrentMonth = 8;
      game.MonthDay = 13;
    }
  }
  // The Australian league runs beside the English ones; an Australian club
  // has its league whether or not the English leagues run.
  const bool australian = me >= kFirstAustralianClub && me <= kLastAustralianClub;
  if (game.LeagueSkipped(6) == 0 && (game.LeagueSkipped(2) == 0 || australian)) {
    placeLeague(game, s.fixt14, 38, europeanRound, [&game](int n) { return CInt(game.LeagueOrder(n, 12)); });
    if (me > 223) {
      game.CurrentWeek = 74;
      game.CurrentMonth = 9;
      game.MonthDay = 13;
    }
  }
}

// The first cup round stands where the matchday driver expects it: the US Open
// Cup's round-1 ties in round 48, the English first stage in round 72.
void placeFirstCupRound(MLSModule& game) {
  const double me = game.MyTeam;
  if (me < 53) {
    for (int k = 1; k <= 51; k += 2) {
      fixturecheck(game, CInt(game.USCupRound1Team(k)), CInt(game.USCupRound1Team(k + 1)), 48, 2);
    }
  } else if (me < 149) {
    for (int k = 1; k <= kPrelimEntrants - 1; k += 2) {
      fixturecheck(game, CInt(game.USCupPrelimTeam(k)), CInt(game.USCupPrelimTeam(k + 1)), 72, 3);
    }
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
  Schedules schedules;
  try {
    schedules = readSchedules(game);
  } catch (const FileError& error) {
    loadError = error;
    MsgBox("A new game cannot be started: the data file " + error.fileName() + " is not usable.\r" + error.problem(),
           MsgButtons::OK, MsgIcon::Critical);
    return;
  }

  game.ManagerName = Text1.text();
  writeChairmansLetter(game);
  addHeadline(game, game.TeamName(game.MyTeam) + " have hired a new manager.");
  if (Option3(0).value() == 1) game.PlayoffTeams = 4;
  if (Option3(2).value() == 1) game.PlayoffTeams = 8;
  if (Option2(1).value() == 1) startExpansionMode(game);

  const double me = game.MyTeam;
  if (me <= 16) {
    game.CurrentLeague = 0;
  } else if (me <= 34) {
    game.CurrentLeague = 1;
  } else if (me <= 52) {
    game.CurrentLeague = 2;
  } else if (me <= 148) {
    game.CurrentLeague = 3;
  }
  static constexpr std::array<int, 4> kChampionSeed = {10, 18, 49, 53};
  game.MLSChampionHistory(0) = kChampionSeed[CInt(game.CurrentLeague)];
  game.CupWinnerHistory(0) = game.CurrentLeague <= 2 ? 7 : 53;
  game.WorldClubWinnerHistory(0) = 120;

  fillTransferInterest(game);
  chooseLeaguesToRun(game, *this);
  placeSchedules(game, schedules);
  placeFirstCupRound(game);

  screen<MainModule>().Show();
  Unload();
}

}  // namespace kervale
