#include "shell/saved_game_checks.h"

#include <string>

#include "base/file_error.h"
#include "base/numbers.h"
#include "data/value_ranges.h"
#include "shell/saved_game_layout.h"

namespace kervale::saved_game {

namespace {

// "(12)" or "(3, 12)" for the cell at flat place k of a table.
template <class Tab>
std::string indexText(std::size_t k) {
  if constexpr (requires { Tab::upper1; }) {
    const std::size_t rows = static_cast<std::size_t>(Tab::upper1) + 1;
    return "(" + std::to_string(k % rows) + ", " + std::to_string(k / rows) + ")";
  } else {
    return "(" + std::to_string(k) + ")";
  }
}

// Walks the trailer's list of every saved table and checks each cell the
// file carried against its row of the range table.
class RangeCheck {
 public:
  RangeCheck(const std::string& fileName, const MLSModule& g, bool trailerRead, const UnfitValues& unfit)
      : fileName_(fileName), g_(g), trailerRead_(trailerRead), unfit_(unfit) {}

  template <class T>
  void scalar(const char* name, const T& v) {
    if (carried(&v))
      check(
          valueRange(name), [&] { return std::string(name); }, v);
  }
  template <class Tab>
  void table(const char* name, const Tab& t) {
    const ValueRange& range = valueRange(name);
    std::size_t k = 0;
    for (const auto& v : t) {
      if (carried(&v))
        check(
            range, [&] { return name + indexText<Tab>(k); }, v);
      ++k;
    }
  }
  template <class Tab>
  void players(const char* name, const Tab& t) {
    if (!trailerRead_) return;  // the layout holds no player
    const ValueRange& range = valueRange(name);
    for (int p = 0; p <= g_.NumPlayers; ++p) {
      check(
          range, [&] { return name + ("(" + std::to_string(p) + ")"); }, t(p));
    }
  }
  template <class Tab>
  void playerColumns(const char* name, const Tab& t) {
    if (!trailerRead_) return;
    const ValueRange& range = valueRange(name);
    for (int column = 0; column <= Tab::upper2; ++column) {
      for (int p = 0; p <= g_.NumPlayers; ++p) {
        check(
            range, [&] { return name + ("(" + std::to_string(p) + ", " + std::to_string(column) + ")"); },
            t(p, column));
      }
    }
  }

 private:
  bool carried(const void* v) const { return trailerRead_ || coverage().covered(g_, v); }

  // A value the cell could not hold is judged as the file held it. The
  // item's name (a table and its index) is made only for a refusal: a load
  // checks several hundred thousand cells.
  template <class T, class Item>
  void check(const ValueRange& range, const Item& item, const T& v) const {
    if (unfit_.empty()) return cell(range, item, v);
    const auto found = unfit_.find(&v);
    if (found == unfit_.end()) return cell(range, item, v);
    const std::string problem = numberProblem(range, found->second);
    refuse(item, problem.empty() ? "is " + exactNumText(found->second) + ", more than the item can hold" : problem);
  }

  template <class Item>
  void cell(const ValueRange& range, const Item& item, double v) const {
    refuse(item, numberProblem(range, v));
  }
  template <class Item>
  void cell(const ValueRange& range, const Item& item, float v) const {
    cell(range, item, static_cast<double>(v));
  }
  template <class Item>
  void cell(const ValueRange& range, const Item& item, std::int16_t v) const {
    cell(range, item, static_cast<double>(v));
  }
  template <class Item>
  void cell(const ValueRange& range, const Item& item, std::int32_t v) const {
    cell(range, item, static_cast<double>(v));
  }
  template <class Item>
  void cell(const ValueRange& range, const Item& item, bool v) const {
    cell(range, item, v ? -1.0 : 0.0);
  }
  // Texts of a game may be empty (free records, unused rows); only what they
  // hold is checked.
  template <class Item>
  void cell(const ValueRange& range, const Item& item, const std::string& v) const {
    if (!v.empty()) refuse(item, textProblem(range, v));
  }
  template <class Item>
  void cell(const ValueRange& range, const Item& item, const Variant& v) const {
    if (v.isEmpty()) {
      if (!range.emptyAllowed) refuse(item, "is empty");
    } else if (v.isText()) {
      refuse(item, textProblem({range.name, ValueKind::Text, 0, 0, true}, v.text()));
    } else {
      cell(range, item, v.number());
    }
  }

  template <class Item>
  void refuse(const Item& item, const std::string& problem) const {
    if (!problem.empty()) throw FileError(fileName_, item() + " " + problem);
  }

  const std::string& fileName_;
  const MLSModule& g_;
  bool trailerRead_;
  const UnfitValues& unfit_;
};

// What the game's own counts bound beyond the table's static ranges.
class CountCheck {
 public:
  CountCheck(const std::string& fileName, const MLSModule& g) : fileName_(fileName), g_(g) {}

  void run() const {
    const MLSModule& g = g_;
    upTo(g.TeamSquad, g.NumPlayers, "TeamSquad", "NumPlayers");
    upTo(g.SelectedPlayer, g.NumPlayers, "SelectedPlayer", "NumPlayers");
    const double positions = limit(g.NumPositions, decltype(g.PositionName)::upper);
    upTo(g.TeamPosition, positions, "TeamPosition", "NumPositions");
    const double tactics = limit(g.NumTactics, decltype(g.TacticName)::upper);
    upTo(g.TeamTactic, tactics, "TeamTactic", "NumTactics");
    upTo(g.SavedTactic, tactics, "SavedTactic", "NumTactics");
    const double flows = limit(g.NumFlows, decltype(g.FlowTable1)::upper2);
    upTo(g.TeamFlow, flows, "TeamFlow", "NumFlows");
    upTo(g.SavedFlow, flows, "SavedFlow", "NumFlows");
    upTo(g.TeamFormation, limit(g.NumFormations, decltype(g.FormationName)::upper), "TeamFormation", "NumFormations");
  }

 private:
  // The count the data files gave, else the table's size.
  static double limit(double count, int upper) { return count > 0 && count <= upper ? count : upper; }

  void upTo(double v, double high, const char* name, const char* count) const {
    if (v > high) {
      throw FileError(fileName_,
                      std::string(name) + " is " + numText(v) + ", above the " + numText(high) + " of " + count);
    }
  }
  template <class Tab>
  void upTo(const Tab& t, double high, const char* name, const char* count) const {
    for (const auto& v : t) upTo(static_cast<double>(v), high, name, count);
  }

  const std::string& fileName_;
  const MLSModule& g_;
};

// Walks the trailer's list of every saved table for the name of one cell.
class CellNamer {
 public:
  explicit CellNamer(const void* cell) : cell_(cell) {}

  template <class T>
  void scalar(const char* name, const T& v) {
    if (static_cast<const void*>(&v) == cell_) found_ = name;
  }
  template <class Tab>
  void table(const char* name, const Tab& t) {
    std::size_t k = 0;
    for (const auto& v : t) {
      if (static_cast<const void*>(&v) == cell_) found_ = name + indexText<Tab>(k);
      ++k;
    }
  }
  template <class Tab>
  void players(const char*, const Tab&) {}
  template <class Tab>
  void playerColumns(const char*, const Tab&) {}

  const std::string& found() const { return found_; }

 private:
  const void* cell_;
  std::string found_;
};

}  // namespace

std::string cellName(const MLSModule& game, const void* cell) {
  CellNamer namer(cell);
  visitTrailer(namer, game);
  return namer.found();
}

void checkLoadedGame(const std::string& fileName, const MLSModule& game, bool trailerRead, const UnfitValues& unfit) {
  RangeCheck check(fileName, game, trailerRead, unfit);
  visitTrailer(check, game);
  CountCheck(fileName, game).run();
  if (trailerRead) checkAgreement(fileName, game);
}

}  // namespace kervale::saved_game
