#include "edge_copies.h"

#include <algorithm>
#include <limits>
#include <string>
#include <type_traits>
#include <utility>

#include "base/csv.h"
#include "base/numbers.h"
#include "data/value_ranges.h"
#include "shell/saved_game.h"
#include "shell/saved_game_layout.h"

namespace kervale::save_edges {

namespace {

constexpr std::size_t kLongText = 2000;
constexpr const char* kHighestColour = "&HFFFFFF";
constexpr int kPlayerSlot = 11;  // the last of the starting eleven

std::string at(int i) { return "(" + std::to_string(i) + ")"; }
std::string at(int i, int j) { return "(" + std::to_string(i) + ", " + std::to_string(j) + ")"; }

// A cell that holds something: a number other than 0, a text that is not empty.
template <class T>
bool used(const T& v) {
  return !(v == T{});
}

// ---- The value of an edge, as the cell can hold it

template <class T>
void setEdge(T& cell, const ValueRange& range, bool high) {
  const double edge = high ? range.high : range.low;
  if constexpr (std::is_same_v<T, bool>) {
    cell = edge != 0;
  } else if constexpr (std::is_arithmetic_v<T>) {
    const double lowest = static_cast<double>(std::numeric_limits<T>::lowest());
    const double most = static_cast<double>(std::numeric_limits<T>::max());
    cell = static_cast<T>(std::clamp(edge, lowest, most));
  } else {
    cell = Variant(edge);
  }
}
void setEdge(std::string& cell, const ValueRange& range, bool high) {
  if (!high) {
    cell.clear();
  } else if (range.kind == ValueKind::Colour) {
    cell = kHighestColour;
  } else {
    std::string text;
    while (text.size() < kLongText) text += "A long plain text ";
    cell = text;
  }
}

template <class T>
std::string shown(const T& cell) {
  if constexpr (std::is_same_v<T, bool>) {
    return cell ? "-1" : "0";
  } else if constexpr (std::is_arithmetic_v<T>) {
    return numText(cell);
  } else {
    return cell.isEmpty() ? "empty" : numText(cell.number());
  }
}
std::string shown(const std::string& cell) {
  return cell.size() > 20 ? "a text of " + std::to_string(cell.size()) + " characters" : '"' + cell + '"';
}

// Slot 11 of the managed club, else any player of the club.
int startingPlayer(const MLSModule& g, int club) {
  const int player = static_cast<int>(g.TeamSquad(kPlayerSlot, club));
  for (int p = 1; player == 0 && p <= g.NumPlayers; ++p) {
    if (g.PlayerTeam(p) == club) return p;
  }
  return player;
}

// The first round from the current one in which the club plays.
int nextMatchRound(const MLSModule& g, int club) {
  const int round = static_cast<int>(g.CurrentWeek);
  for (int r = round; r <= kLastRound; ++r) {
    if (g.FixtureOpponent(club, r) != 0) return r;
  }
  return round;
}

// Walks the trailer's list of items and writes the two copies of each.
class EdgeCopies {
 public:
  EdgeCopies(MLSModule& g, const std::filesystem::path& folder, std::ostream& out)
      : g_(g),
        folder_(folder),
        out_(out),
        club_(static_cast<int>(g.MyTeam)),
        player_(startingPlayer(g, club_)),
        nextRound_(nextMatchRound(g, club_)) {}

  template <class T>
  void scalar(const char* name, T& v) {
    copies(name, name, v);
  }
  template <class Tab>
  void table(const char* name, Tab& t) {
    if constexpr (requires { Tab::upper1; }) {
      const auto [i, j] = pairOf(t);
      copies(name, name + at(i, j), t(i, j));
    } else {
      const int k = indexOf(t);
      copies(name, name + at(k), t(k));
    }
  }
  template <class Tab>
  void players(const char* name, Tab& t) {
    copies(name, name + at(player_), t(player_));
  }
  template <class Tab>
  void playerColumns(const char* name, Tab& t) {
    int column = 1;  // unless an earlier one holds a club
    for (int c = Tab::upper2; c >= 0; --c) {
      if (used(t(player_, c))) column = c;
    }
    copies(name, name + at(player_, column), t(player_, column));
  }

 private:
  template <class T>
  void copies(const char* name, const std::string& item, T& cell) {
    const ValueRange& range = valueRange(name);
    const T kept = cell;
    for (const bool high : {false, true}) {
      setEdge(cell, range, high);
      const std::string file = std::string(name) + (high ? "-high.usa" : "-low.usa");
      // Unchecked: a copy at an edge may be one the load refuses, as it should.
      writeFileAtomically(folder_ / file, savedGameText(g_));
      out_ << file << " " << item << " " << shown(cell) << "\n";
    }
    cell = kept;
  }

  // A table by clubs: the managed club; else the first cell that holds something.
  template <class Tab>
  int indexOf(const Tab& t) const {
    if (Tab::upper == kLastClub || Tab::upper == saved_game::kClubsWithScouting) return club_;
    for (int k = 0; k <= Tab::upper; ++k) {
      if (used(t(k))) return k;
    }
    return 1;
  }
  // Clubs in either index: the managed club, at its next match in the fixture
  // grid; else the first cell that holds something.
  template <class Tab>
  std::pair<int, int> pairOf(const Tab& t) const {
    if constexpr (Tab::upper1 == kLastClub && Tab::upper2 == kLastRound) return {club_, nextRound_};
    const bool clubFirst = Tab::upper1 == kLastClub;
    const bool clubSecond = Tab::upper2 == kLastClub;
    for (int j = 0; j <= Tab::upper2; ++j) {
      for (int i = 0; i <= Tab::upper1; ++i) {
        if ((clubFirst && i != club_) || (clubSecond && j != club_)) continue;
        if (used(t(i, j))) return {i, j};
      }
    }
    return {clubFirst ? club_ : 1, clubSecond ? club_ : 1};
  }

  MLSModule& g_;
  const std::filesystem::path& folder_;
  std::ostream& out_;
  const int club_;
  const int player_;
  const int nextRound_;
};

}  // namespace

void writeEdgeCopies(MLSModule& game, const std::filesystem::path& folder, std::ostream& out) {
  EdgeCopies copies(game, folder, out);
  saved_game::visitTrailer(copies, game);
}

}  // namespace kervale::save_edges
