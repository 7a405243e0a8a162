#include <array>
#include <string>

#include "base/file_error.h"
#include "base/numbers.h"
#include "base/random.h"
#include "data/readers/schedule_file.h"
#include "newgame/loader_steps.h"

namespace kervale::loader {

namespace {

constexpr int kCupClubs = 52;
constexpr int kLastMlsClub = 16;
constexpr int kCanadaCupPlaces = 4;

// Draws `count` different clubs first..first + range - 1 into `slots` 1..count.
template <class Slots>
void drawDistinct(Slots& slots, int count, int range, int first) {
  for (int i = 1; i <= count; ++i) {
    bool repeated = true;
    while (repeated) {
      slots(i) = rng().draw(range, first);
      repeated = false;
      for (int j = 1; j < i; ++j) repeated = repeated || slots(j) == slots(i);
    }
  }
}

}  // namespace

void seedCups(MLSModule& game) {
  const int mlsCount = CInt(game.MLSTeamCount);
  std::array<bool, kCupClubs + 1> taken{};
  int canada = 0;
  for (int i = 1; i <= kCupClubs; ++i) {
    if (i <= mlsCount || i > kLastMlsClub) {
      // A slot is open when it is free and its own club is no Canada Cup
      // entry; without one the draw below would never end.
      bool open = false;
      for (int k = 1; k <= kCupClubs && !open; ++k) open = !taken[k] && game.TeamCupEntry(k) != 2;
      if (!open) {
        throw FileError("mlsdata2.dat", "the US Open Cup draw has no slot left for club " + std::to_string(i) +
                                            ": too many of clubs 1..52 have cup code 2");
      }
      int k = 0;
      do {
        k = rng().draw(kCupClubs, 1);
      } while (taken[k] || game.TeamCupEntry(k) == 2);
      taken[k] = true;
      game.USCupRound1Team(k) = i;
    }
    if (game.TeamDivision(i) == 2) {
      if (++canada > kCanadaCupPlaces) {
        throw FileError("mlsdata2.dat", "more than four of clubs 1..52 have division code 2 (Canada Cup)");
      }
      game.CanadaCupSFTeam(canada) = i;
    }
  }
  drawDistinct(game.CopaSFTeam, 4, 12, 268);
  game.PremiershipChampionHistory(0) = 53;
  drawDistinct(game.ChampionsQFTeam, 8, 19, 240);
}

void loadFixtures(const std::filesystem::path& folder, MLSModule& game) {
  int west = 0;
  int east = 0;
  for (int i = 1; i <= CInt(game.MLSTeamCount); ++i) {
    if (game.TeamDivision(i) == 1) game.WestOrder(++west) = i;
    if (game.TeamDivision(i) == 0) game.EastOrder(++east) = i;
  }

  const Schedule fixt18 = readSchedule(folder, kFixt18Schedule);
  for (int k = 1; k <= fixt18.size(); ++k) {
    game.GermanLeagueFixture(k, 1) = fixt18.entry(k);
    game.GermanLeagueFixture(k, 2) = fixt18.entry(k);
  }

  const Schedule fixt20 = readSchedule(folder, kFixt20Schedule);
  for (int k = 1; k <= fixt20.size(); ++k) {
    game.Fixture20Clubs(k) = fixt20.entry(k) + 204;
    game.Fixture20Template(k) = 0;
    game.Fixture20Work(k) = 0;
  }

  // Mexican groups 1..4 are leagues 8..11, five places each.
  for (int c = 205; c <= 224; ++c) {
    const int league = CInt(game.TeamDivision(c)) + 7;
    for (int j = 1; j <= 5; ++j) {
      if (game.LeagueOrder(j, league) == 0) {
        game.LeagueOrder(j, league) = c;
        break;
      }
    }
  }

  const Schedule fixt24 = readSchedule(folder, kFixt24Schedule);
  for (int k = 1; k <= fixt24.size(); ++k) {
    for (int column = 1; column <= 3; ++column) game.EnglishLeagueFixture(k, column) = fixt24.entry(k);
  }

  // The k-th club of a division in club order takes league-local number k.
  std::array<int, 5> counter = {0, 1, 1, 1, 1};
  for (int i = 53; i <= 144; ++i) {
    const int d = CInt(game.EnglishDivision(i - 52));
    const int n = counter[d];
    if (d == 1) {
      for (int x = 1; x <= 760; ++x) {
        if (game.PremiershipFixture(x) == n) game.PremiershipFixture(x) = i;
      }
    } else {
      for (int x = 1; x <= 1104; ++x) {
        if (game.EnglishLeagueFixture(x, d - 1) == n) game.EnglishLeagueFixture(x, d - 1) = i;
      }
    }
    ++counter[d];
  }

  for (int i = 1; i <= 13; ++i) game.LeagueOrder(i, 12) = 224 + i;

  const Schedule fixt14 = readSchedule(folder, kFixt14Schedule);
  for (int k = 1; k <= fixt14.size(); ++k) {
    const int club = fixt14.entry(k) + 224;
    game.Fixture14Template(k) = club == 238 ? 0 : club;
  }

  std::array<int, 5> place = {};
  for (int i = 1; i <= 92; ++i) {
    const int d = CInt(game.EnglishDivision(i));
    game.LeagueOrder(++place[d], d) = i + 52;
  }

  std::array<int, 3> germanPlace = {};
  for (int i = 1; i <= 40; ++i) {
    const int d = CInt(game.GermanDivision(i));
    if (d != 1 && d != 2) continue;
    const int n = ++germanPlace[d];
    game.LeagueOrder(n, 4 + d) = i + 164;
    for (int x = 1; x <= 612; ++x) {
      if (game.GermanLeagueFixture(x, d) == n) game.GermanLeagueFixture(x, d) = i + 164;
    }
  }

  const Schedule fixt12 = readSchedule(folder, kFixt12Schedule);
  for (int k = 1; k <= fixt12.size(); ++k) game.Fixture12Template(k) = fixt12.entry(k) + 144;
}

void fillTeamPickList(NewGameScreenTables& tables) {
  int position = 0;
  for (int club = 1; club <= 10; ++club) tables.TeamPickList(++position) = club;
  for (int club = 17; club <= 52; ++club) tables.TeamPickList(++position) = club;
  for (int club = 53; club <= 256; ++club) tables.TeamPickList(++position) = club;
}

void setClubEconomy(MLSModule& game) {
  const int mlsCount = CInt(game.MLSTeamCount);
  for (int t = 1; t <= kLastClub; ++t) {
    double demand = 0;
    double seats = 0;
    int ticket = 0;
    double money = game.TeamMoney(t);
    if (t <= mlsCount) {
      demand = 0.6;
      seats = 20000;
      ticket = 15;
    } else if (t <= 34) {
      demand = 0.3;
      seats = 10000;
      ticket = 10;
      money = 350000;
    } else if (t <= 52) {
      demand = 0.03;
      seats = 10000;
      ticket = 8;
      money = 200000;
    } else if (t < 149) {
      // Clubs 145..148 play in no division (0) and are costed as such.
      const double d = game.EnglishDivision(t - 52);
      demand = 0.8 - 0.1 * d + 0.001 * game.TeamReputation(t);
      // The club file refuses a division-0 club without seats; should one get
      // here all the same it gets the first division's ground.
      seats = d >= 1 ? 30000 / d : 30000;
      ticket = CInt(29 - 4 * d);
      money = 10000 * game.TeamReputation(t) * (5 - d);
    } else {
      demand = 0.7;
      ticket = 20;
      money = 2500000;
      // Every club of the further leagues has 35000 seats, whatever the file says.
      game.StadiumCapacity(t) = 0;
      seats = 35000;
    }
    game.TeamFanDemand(t) = demand;
    if (game.StadiumCapacity(t) == 0) game.StadiumCapacity(t) = seats;
    game.TicketPrice(t) = static_cast<std::int16_t>(ticket);
    game.TeamMoney(t) = money;
  }
}

}  // namespace kervale::loader
