// The values of a saved game that must agree with each other. Each rule holds
// for every game that play produces, on any day; a file that breaks one was
// damaged or made by hand, and would mislead the screens and the matchdays.
#include <functional>
#include <string>
#include <vector>

#include "base/file_error.h"
#include "base/numbers.h"
#include "data/squad_moves.h"
#include "shell/saved_game_checks.h"

namespace kervale::saved_game {

namespace {

constexpr int kSquadSlots = 20;
constexpr int kKeyPlayerSlot = 10;  // every club's, set by the new game
constexpr int kYoungestCoach = 25;  // the set-up hires coaches of 25 and over
constexpr int kFirstEnglish = 53;
constexpr int kLastEnglishInTables = 144;  // English clubs with a division and a table
constexpr int kEnglishDivisions = 4;

std::string at(int i) { return "(" + std::to_string(i) + ")"; }
std::string at(int i, int j) { return "(" + std::to_string(i) + ", " + std::to_string(j) + ")"; }

class Agreement {
 public:
  Agreement(const std::string& fileName, const MLSModule& g) : fileName_(fileName), g_(g) {}

  void run() const {
    squads();
    squadCounts();
    namedPlayers();
    tactics();
    divisionsAndCoaches();
    orders();
    fixtures();
  }

 private:
  [[noreturn]] void refuse(const std::string& problem) const { throw FileError(fileName_, problem); }

  bool named(double p) const { return p >= 1 && p <= g_.NumPlayers && !g_.PlayerName(p).empty(); }

  // A slot holds nobody (0), a free record (a player who retired since the
  // squads were last counted) or a player of that club, who stands in no
  // other slot. A club's count covers at least the players in its slots,
  // and a club with a free slot has each of its players in one.
  void squads() const {
    std::vector<std::string> slotOf(static_cast<std::size_t>(g_.NumPlayers) + 1);
    std::vector<int> inSlots(kLastClub + 1, 0);
    for (int c = 0; c <= kLastClub; ++c) {
      for (int s = 1; s <= kSquadSlots; ++s) {
        const double p = g_.TeamSquad(s, c);
        if (!named(p)) continue;
        auto item = [&] { return "TeamSquad" + at(s, c) + " is " + numText(p); };
        if (g_.PlayerTeam(p) != c) refuse(item() + ", a player whose PlayerTeam is " + numText(g_.PlayerTeam(p)));
        std::string& seen = slotOf[static_cast<std::size_t>(p)];
        if (!seen.empty()) refuse(item() + ", a player already in TeamSquad" + seen);
        seen = at(s, c);
        ++inSlots[c];
      }
      if (g_.TeamSquadCount(c) < inSlots[c]) {
        refuse("TeamSquadCount" + at(c) + " is " + numText(g_.TeamSquadCount(c)) + ", below the " +
               std::to_string(inSlots[c]) + " players in its squad slots");
      }
    }
    for (int p = 1; p <= g_.NumPlayers; ++p) {
      const double c = g_.PlayerTeam(p);
      if (c < 1 || !named(p) || !slotOf[static_cast<std::size_t>(p)].empty()) continue;
      if (inSlots[static_cast<std::size_t>(c)] < kSquadSlots) {
        refuse("PlayerTeam" + at(p) + " is " + numText(c) + ", a club with a free squad slot that leaves him out");
      }
    }
  }

  // A club's count is its number of players: above the squad slots only for
  // a club that has more players than slots (a data file may give it more).
  void squadCounts() const {
    const auto players = playersByClub(g_);
    for (int c = 1; c <= kLastClub; ++c) {
      const double count = g_.TeamSquadCount(c);
      if (count > kSquadSlots && count > players[c]) {
        refuse("TeamSquadCount" + at(c) + " is " + numText(count) + ", above the " + std::to_string(kSquadSlots) +
               " squad slots and the club's " + std::to_string(players[c]) + " players");
      }
      const double key = g_.TeamKeyPlayerSlot(c);
      if (key != kKeyPlayerSlot) {
        refuse("TeamKeyPlayerSlot" + at(c) + " is " + numText(key) + ", where " + std::to_string(kKeyPlayerSlot) +
               " belongs");
      }
    }
  }

  // A named player has an age and a birth date; free records may hold zeros.
  void namedPlayers() const {
    for (int p = 1; p <= g_.NumPlayers; ++p) {
      if (!named(p)) continue;
      auto within = [&](const char* name, double v, int low, int high) {
        if (!(v >= low && v <= high)) {
          refuse(name + at(p) + " is " + numText(v) + " for a named player, outside " + std::to_string(low) + " to " +
                 std::to_string(high));
        }
      };
      if (g_.PlayerAge(p) < 1) refuse("PlayerAge" + at(p) + " is " + numText(g_.PlayerAge(p)) + " for a named player");
      within("PlayerBirthMonth", g_.PlayerBirthMonth(p), 1, 12);
      within("PlayerBirthDay", g_.PlayerBirthDay(p), 1, 31);
    }
  }

  // Every club plays with a formation, a tactic and a flow.
  void tactics() const {
    for (int c = 1; c <= kLastClub; ++c) {
      if (g_.TeamFormation(c) < 1) refuse("TeamFormation" + at(c) + " is " + numText(g_.TeamFormation(c)));
      if (g_.TeamTactic(c) < 1) refuse("TeamTactic" + at(c) + " is " + numText(g_.TeamTactic(c)));
      if (g_.TeamFlow(c) < 1) refuse("TeamFlow" + at(c) + " is " + std::to_string(g_.TeamFlow(c)));
    }
  }

  void divisionsAndCoaches() const {
    for (int c = kFirstEnglish; c <= kLastEnglishInTables; ++c) {
      const double d = g_.EnglishDivision(c - 52);
      if (d < 1) {
        refuse("EnglishDivision" + at(c - 52) + " is " + numText(d) + ", leaving English club " + std::to_string(c) +
               " in no division");
      }
    }
    for (int k = 1; k <= decltype(g_.CoachName)::upper; ++k) {
      if (!g_.CoachName(k).empty() && g_.CoachAge(k) < kYoungestCoach) {
        refuse("CoachAge" + at(k) + " is " + numText(g_.CoachAge(k)) + " for a named coach, at least " +
               std::to_string(kYoungestCoach) + " belongs");
      }
    }
  }

  // An order list holds each club of its league once, in its first places,
  // and nothing after them.
  struct Order {
    std::string name;
    int places;
    std::function<double(int)> club;  // at a place
    std::function<std::string(int)> index;
  };
  void order(const Order& list, const std::function<bool(int)>& inLeague, int first, int last,
             const std::string& league) const {
    int members = 0;
    for (int c = first; c <= last; ++c) members += inLeague(c) ? 1 : 0;
    std::vector<int> placeOf(kLastClub + 1, 0);
    for (int p = 1; p <= list.places; ++p) {
      const double c = list.club(p);
      auto item = [&] { return list.name + list.index(p) + " is " + numText(c); };
      if (p > members) {
        if (c != 0) refuse(item() + ", past the " + std::to_string(members) + " clubs of " + league);
        continue;
      }
      if (!(c >= first && c <= last && inLeague(static_cast<int>(c)))) refuse(item() + ", not a club of " + league);
      int& seen = placeOf[static_cast<std::size_t>(c)];
      if (seen != 0) refuse(item() + ", already at place " + std::to_string(seen));
      seen = p;
    }
  }

  void orders() const {
    const MLSModule& g = g_;
    auto list = [](const char* name, int places, auto& table) {
      return Order{name, places, [&table](int p) { return static_cast<double>(table(p)); },
                   [](int p) { return at(p); }};
    };
    auto leagueList = [&g](int league) {
      return Order{"LeagueOrder", decltype(g.LeagueOrder)::upper1,
                   [&g, league](int p) { return g.LeagueOrder(p, league); }, [league](int p) { return at(p, league); }};
    };
    auto always = [](int) { return true; };
    const int mlsClubs = static_cast<int>(g.MLSTeamCount);
    order(
        list("WestOrder", 8, g.WestOrder), [&g](int c) { return g.TeamDivision(c) == 1; }, 1, mlsClubs, "the MLS West");
    order(
        list("EastOrder", 8, g.EastOrder), [&g](int c) { return g.TeamDivision(c) == 0; }, 1, mlsClubs, "the MLS East");
    order(list("ALeagueOrder", 18, g.ALeagueOrder), always, 17, 34, "the A-League");
    order(list("D3Order", 18, g.D3Order), always, 35, 52, "the D3 Pro League");
    for (int d = 1; d <= kEnglishDivisions; ++d) {
      order(
          leagueList(d), [&g, d](int c) { return g.EnglishDivision(c - 52) == d; }, kFirstEnglish, kLastEnglishInTables,
          "English division " + std::to_string(d));
    }
    order(leagueList(12), always, 225, 237, "the Australian league");
  }

  // Both clubs of a fixture name each other, in one competition, one at home
  // and one away or both on neutral ground.
  void fixtures() const {
    for (int c = 0; c <= kLastClub; ++c) {
      for (int r = 1; r <= kLastRound; ++r) {
        const int o = g_.FixtureOpponent(c, r);
        if (o == 0) continue;
        auto item = [&] { return "FixtureOpponent" + at(c, r) + " is " + std::to_string(o); };
        if (c == 0 || o == c) refuse(item() + ", not a match between two clubs");
        if (g_.FixtureOpponent(o, r) != c) {
          refuse(item() + ", but FixtureOpponent" + at(o, r) + " is " + std::to_string(g_.FixtureOpponent(o, r)));
        }
        if (g_.FixtureCompetition(o, r) != g_.FixtureCompetition(c, r)) {
          refuse("FixtureCompetition" + at(c, r) + " is " + std::to_string(g_.FixtureCompetition(c, r)) +
                 ", but FixtureCompetition" + at(o, r) + " is " + std::to_string(g_.FixtureCompetition(o, r)));
        }
        const int venue = g_.FixtureVenue(c, r);
        const int other = g_.FixtureVenue(o, r);
        if (venue + other != (venue == 0 ? 0 : 3)) {
          refuse("FixtureVenue" + at(c, r) + " is " + std::to_string(venue) + ", but FixtureVenue" + at(o, r) + " is " +
                 std::to_string(other));
        }
      }
    }
  }

  const std::string& fileName_;
  const MLSModule& g_;
};

}  // namespace

void checkAgreement(const std::string& fileName, const MLSModule& game) { Agreement(fileName, game).run(); }

}  // namespace kervale::saved_game
