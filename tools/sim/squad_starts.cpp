#include "squad_starts.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "data/squad_moves.h"

namespace kervale::sim {

namespace {

constexpr int kSquadFloor = 16;

struct SquadStart {
  int season = 0;
  int smallest = 0;
  int club = 0;
  int shortClubs = 0;
};

struct Watch {
  bool started = false;
  int season = 0;
  std::array<int, kLastClub + 1> first{};  // named players at the run's start, by club
  std::vector<SquadStart> starts;
};

Watch& watch() {
  static Watch w;
  return w;
}

SquadStart squadStart(const MLSModule& g, const Watch& w) {
  SquadStart start{CInt(g.CurrentSeason), 0, 0, 0};
  for (int club = 1; club <= kLastClub; ++club) {
    const int first = w.first[static_cast<std::size_t>(club)];
    if (first == 0) continue;
    const int named = namedSquadPlayers(g, club);
    if (start.club == 0 || named < start.smallest) start = {start.season, named, club, start.shortClubs};
    if (named < std::min(kSquadFloor, first)) ++start.shortClubs;
  }
  return start;
}

}  // namespace

void noteSquadStarts(const Options& options) {
  if (!options.tables) return;
  const MLSModule& g = mls();
  Watch& w = watch();
  if (!w.started) {
    for (int club = 1; club <= kLastClub; ++club) w.first[static_cast<std::size_t>(club)] = namedSquadPlayers(g, club);
    w.started = true;
  } else if (CInt(g.CurrentSeason) == w.season) {
    return;
  }
  w.season = CInt(g.CurrentSeason);
  w.starts.push_back(squadStart(g, w));
}

int namedAtRunStart(int club) {
  return club >= 1 && club <= kLastClub ? watch().first[static_cast<std::size_t>(club)] : 0;
}

void printSquadStarts(const Options& options, std::ostream& out) {
  if (!options.tables) return;
  for (const SquadStart& s : watch().starts) {
    out << "squads=" << s.season << " smallest=" << s.smallest << " club=" << s.club << " short=" << s.shortClubs
        << "\n";
  }
}

}  // namespace kervale::sim
