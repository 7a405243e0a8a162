#include "newgame/season_fixtures.h"

#include <array>
#include <functional>
#include <vector>

#include "base/numbers.h"
#include "base/random.h"
#include "matchday/fixture_check.h"

namespace kervale {

namespace {

constexpr int kPrelimEntrants = 60;
constexpr int kLastLeagueEnglishClub = 144;  // 145..148 play in no league
constexpr int kFirstAustralianClub = 225;
constexpr int kLastAustralianClub = 237;
constexpr int kMlsRounds = 26;
constexpr int kSecondPhaseFirst = 42;
constexpr int kSecondPhaseLast = 47;

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

bool inSecondPhase(int club, int round) {
  return club >= kFirstAustralianClub && club <= kLastAustralianClub && round >= kSecondPhaseFirst &&
         round <= kSecondPhaseLast;
}

}  // namespace

void clearLastSeason(MLSModule& game) {
  for (int round = 1; round <= kLastRound; ++round) {
    for (int club = 0; club <= kLastClub; ++club) {
      if (inSecondPhase(club, round)) continue;
      game.FixtureOpponent(club, round) = 0;
      game.FixtureCompetition(club, round) = 0;
      game.FixtureVenue(club, round) = 0;
      game.FixtureScore(club, round) = 0;
    }
  }
}

LeagueSchedules readLeagueSchedules(const std::filesystem::path& folder) {
  return LeagueSchedules{readSchedule(folder, kFixt18Schedule), readSchedule(folder, kFixt20Schedule),
                         readSchedule(folder, kFixt24Schedule), readSchedule(folder, kFixt14Schedule), std::nullopt};
}

int seasonClub(const MLSModule& game) {
  if (game.MyTeam != 0) return CInt(game.MyTeam);
  static constexpr std::array<int, 4> kFirstClubOfLeague = {1, 17, 35, 53};
  const int league = CInt(game.CurrentLeague);
  return league >= 0 && league <= 3 ? kFirstClubOfLeague[static_cast<std::size_t>(league)] : 0;
}

void placeLeagueSchedules(MLSModule& game, const LeagueSchedules& s, int me) {
  if (game.LeagueSkipped(1) == 0 && me >= 1 && me <= 52) {
    placeLeague(
        game, s.fixt18, 22, [](int w) { return w <= 42 ? 2 * w : 2 * (w - 20) + 1; }, [](int n) { return n + 16; });
    if (s.mls) {
      placeLeague(
          game, *s.mls, 22, [](int w) { return w <= 38 ? 2 * w : 2 * (w - 10) + 1; }, [](int n) { return n; });
    }
  }
  if (game.LeagueSkipped(2) == 0) {
    auto division = [&game](int d) { return [&game, d](int n) { return CInt(game.LeagueOrder(n, d)); }; };
    placeLeague(game, s.fixt20, 34, europeanRound, division(1));
    for (int d = 2; d <= 4; ++d) placeLeague(game, s.fixt24, 34, englishDivisionRound, division(d));
  }
  // The Australian league runs beside the English ones; an Australian club
  // has its league whether or not the English leagues run.
  const bool australian = me >= kFirstAustralianClub && me <= kLastAustralianClub;
  if (game.LeagueSkipped(6) == 0 && (game.LeagueSkipped(2) == 0 || australian)) {
    placeLeague(game, s.fixt14, 38, europeanRound, [&game](int n) { return CInt(game.LeagueOrder(n, 12)); });
  }
}

// Clubs of the first division and those of no league are drawn again.
void drawEnglishCupFirstStage(MLSModule& game) {
  auto eligible = [&](int club) { return club <= kLastLeagueEnglishClub && game.EnglishDivision(club - 52) != 1; };
  std::array<bool, 149> drawn{};
  int left = 0;
  for (int club = 53; club <= 148; ++club) left += eligible(club) ? 1 : 0;
  for (int i = 1; i <= kPrelimEntrants && left > 0; ++i) {
    int club = 0;
    do {
      club = rng().draw(96, 53);
    } while (drawn[static_cast<std::size_t>(club)] || !eligible(club));
    drawn[static_cast<std::size_t>(club)] = true;
    --left;
    game.USCupPrelimTeam(i) = club;
  }
  for (int i = 1; i <= 64; ++i) game.USCupRound1Team(i) = 0;
}

void placeFirstCupRound(MLSModule& game, int me) {
  if (me >= 1 && me < 53) {
    for (int k = 1; k <= 51; k += 2) {
      fixturecheck(game, CInt(game.USCupRound1Team(k)), CInt(game.USCupRound1Team(k + 1)), 48, 2);
    }
  } else if (me >= 53 && me < 149) {
    for (int k = 1; k <= kPrelimEntrants - 1; k += 2) {
      fixturecheck(game, CInt(game.USCupPrelimTeam(k)), CInt(game.USCupPrelimTeam(k + 1)), 72, 3);
    }
  }
}

std::optional<Schedule> mlsScheduleFromTemplate(const MLSModule& game) {
  const int teams = CInt(game.MLSTeamCount);
  if (teams != 10 && teams != 12 && teams != 14) return std::nullopt;
  Schedule s{"FixtureMLSTemplate", teams, kMlsRounds, {}};
  for (int round = 0; round < kMlsRounds; ++round) {
    std::vector<bool> seen(static_cast<std::size_t>(teams) + 1, false);
    for (int k = 1; k <= teams; ++k) {
      const double v = game.FixtureMLSTemplate(round * teams + k);
      if (v != Int(v) || v < 1 || v > teams || seen[static_cast<std::size_t>(v)]) return std::nullopt;
      seen[static_cast<std::size_t>(v)] = true;
      s.values.push_back(static_cast<int>(v));
    }
  }
  return s;
}

void placeNextSeasonGrid(MLSModule& game, LeagueSchedules schedules) {
  clearLastSeason(game);
  schedules.mls = mlsScheduleFromTemplate(game);
  const int me = seasonClub(game);
  placeLeagueSchedules(game, schedules, me);
  if (me >= 53 && me < 149 && game.LeagueSkipped(2) == 0) {
    for (int i = 1; i <= 64; ++i) game.USCupPrelimResult(i) = Variant{};
    drawEnglishCupFirstStage(game);
  }
  placeFirstCupRound(game, me);
}

}  // namespace kervale
