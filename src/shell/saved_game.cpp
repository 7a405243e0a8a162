#include "shell/saved_game.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>
#include <vector>

#include "base/csv.h"
#include "base/file_error.h"
#include "base/numbers.h"
#include "data/squad_moves.h"
#include "data/value_ranges.h"
#include "shell/saved_game_checks.h"
#include "shell/saved_game_layout.h"

namespace kervale {

namespace {

using Int16 = std::int16_t;
using Int32 = std::int32_t;

using saved_game::coverage;
using saved_game::kTrailerEnd;
using saved_game::kTrailerMark;
using saved_game::kTrailerVersion;
using saved_game::UnfitValues;
using saved_game::visitLayout;
using saved_game::visitTrailer;

// ---- Writing

class Out {
 public:
  void number(double v) {
    separate();
    if (std::isnan(v)) v = 0;
    if (std::isinf(v)) v = v > 0 ? std::numeric_limits<double>::max() : -std::numeric_limits<double>::max();
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    text_.append(buffer, result.ptr);
  }
  void whole(long long v) {
    separate();
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    text_.append(buffer, result.ptr);
  }
  // A text cannot hold a double quote in this format: it becomes an apostrophe.
  void text(std::string_view v) {
    separate();
    text_ += '"';
    for (char c : v) text_ += c == '"' ? '\'' : c;
    text_ += '"';
  }
  void empty() { separate(); }
  void end() {
    if (!started_) return;
    text_ += "\r\n";
    started_ = false;
  }
  std::string take() { return std::move(text_); }

 private:
  void separate() {
    if (started_) text_ += ',';
    started_ = true;
  }
  std::string text_;
  bool started_ = false;
};

class Writer {
 public:
  explicit Writer(Out& out) : out_(out) {}
  void operator()(const double& v) { out_.number(v); }
  void operator()(const float& v) { out_.number(static_cast<double>(v)); }
  void operator()(const Int16& v) { out_.whole(v); }
  void operator()(const Int32& v) { out_.whole(v); }
  void operator()(const bool& v) { out_.whole(v ? -1 : 0); }
  void operator()(const std::string& v) { out_.text(v); }
  void operator()(const Variant& v) {
    if (v.isEmpty()) {
      out_.empty();
    } else if (v.isText()) {
      out_.text(v.text());
    } else {
      out_.number(v.number());
    }
  }
  template <class T>
  void lone(const T& v) {
    (*this)(v);
  }
  void encoded(const std::string& v) { out_.text(encodeClubText(v)); }
  void blank() { out_.text(""); }
  void end() { out_.end(); }

 private:
  Out& out_;
};

class TrailerWriter {
 public:
  TrailerWriter(Out& out, const MLSModule& g) : out_(out), cell_(out), g_(g) {}

  template <class T>
  void scalar(const char* name, const T& v) {
    if (coverage().covered(g_, &v)) return;
    out_.text(name);
    out_.whole(1);
    cell_(v);
    out_.end();
  }
  template <class Tab>
  void table(const char* name, const Tab& t) {
    std::vector<const std::remove_cvref_t<decltype(*t.begin())>*> cells;
    for (const auto& v : t) {
      if (!coverage().covered(g_, &v)) cells.push_back(&v);
    }
    if (cells.empty()) return;
    out_.text(name);
    out_.whole(static_cast<long long>(cells.size()));
    for (const auto* v : cells) cell_(*v);
    out_.end();
  }
  template <class Tab>
  void players(const char* name, const Tab& t) {
    const int last = g_.NumPlayers;
    out_.text(name);
    out_.whole(last + 1);
    for (int p = 0; p <= last; ++p) cell_(t(p));
    out_.end();
  }
  template <class Tab>
  void playerColumns(const char* name, const Tab& t) {
    const int last = g_.NumPlayers;
    out_.text(name);
    out_.whole(static_cast<long long>(last + 1) * (Tab::upper2 + 1));
    for (int column = 0; column <= Tab::upper2; ++column) {
      for (int p = 0; p <= last; ++p) cell_(t(p, column));
    }
    out_.end();
  }

 private:
  Out& out_;
  Writer cell_;
  const MLSModule& g_;
};

// ---- Reading

// Whole-number cells keep what they can; a value they cannot hold exactly (a
// fraction, or beyond the cell's type) goes into unfit, for the checks to
// refuse under the cell's name.
class Reader {
 public:
  Reader(CsvReader& in, UnfitValues& unfit) : in_(in), unfit_(unfit) {}
  void operator()(double& v) { v = in_.nextNumber(); }
  void operator()(float& v) { v = in_.nextSingle(); }
  void operator()(Int16& v) { whole(v); }
  void operator()(Int32& v) { whole(v); }
  void operator()(bool& v) {
    const double held = in_.nextNumber();
    v = held != 0;
    if (held != 0 && held != -1) unfit_[&v] = held;
  }
  void operator()(std::string& v) { v = in_.next().text; }
  void operator()(Variant& v) {
    CsvValue value = in_.next();
    if (value.quoted) {
      v = Variant(std::move(value.text));
    } else if (value.text.empty()) {
      v = Variant();
    } else if (value.isNumber()) {
      v = Variant(value.number());
    } else {
      in_.fail("value " + std::to_string(in_.valuesRead()) + " is neither a number nor a text");
    }
  }
  // The reader skips blank lines, so an emptied one-value line takes its value
  // from the record below it, one that goes on past a comma, and shifts every
  // later value onto the wrong item. Blank lines in front of a value that
  // stands alone (inserted ones, or CR CR LF line ends) are harmless.
  template <class T>
  void lone(T& v) {
    if (!in_.atEmptyLine()) return (*this)(v);
    try {
      (*this)(v);
    } catch (const FileError&) {
      noteShift(&v);
      throw;
    }
    noteShift(&v);
  }
  // The first one-value item whose line was empty, else null.
  const void* emptied() const { return emptied_; }
  void encoded(std::string&) { in_.next(); }
  void blank() { in_.next(); }
  void end() {}

 private:
  template <class I>
  void whole(I& v) {
    const double held = in_.nextNumber();
    const bool fits =
        held == std::floor(held) && held >= std::numeric_limits<I>::min() && held <= std::numeric_limits<I>::max();
    v = fits ? static_cast<I>(held) : I{0};
    if (!fits) unfit_[&v] = held;
  }

  void noteShift(const void* v) {
    if (!emptied_ && in_.moreOnLine()) emptied_ = v;
  }

  CsvReader& in_;
  UnfitValues& unfit_;
  const void* emptied_ = nullptr;
};

// Runs one section's reading with the section named in front of any problem.
template <class Body>
void inSection(const char* name, Body&& body) {
  try {
    body();
  } catch (const FileError& error) {
    throw FileError(error.fileName(), std::string("trailer, ") + name + ": " + error.problem());
  }
}

class TrailerReader {
 public:
  TrailerReader(CsvReader& in, MLSModule& g, UnfitValues& unfit) : in_(in), cell_(in, unfit), g_(g), unfit_(unfit) {}

  template <class T>
  void scalar(const char* name, T& v) {
    if (coverage().covered(g_, &v)) return;
    inSection(name, [&] {
      header(name, 1);
      cell_(v);
    });
    if (static_cast<const void*>(&v) == static_cast<const void*>(&g_.NumPlayers)) checkPlayerCount();
  }
  template <class Tab>
  void table(const char* name, Tab& t) {
    long long count = 0;
    for (auto& v : t) count += coverage().covered(g_, &v) ? 0 : 1;
    if (count == 0) return;
    inSection(name, [&] {
      header(name, count);
      for (auto& v : t) {
        if (!coverage().covered(g_, &v)) cell_(v);
      }
    });
  }
  // Records past the last player are emptied: the copy may have held more.
  template <class Tab>
  void players(const char* name, Tab& t) {
    const int last = g_.NumPlayers;
    inSection(name, [&] {
      header(name, last + 1);
      for (int p = 0; p <= last; ++p) cell_(t(p));
    });
    for (int p = last + 1; p <= kLastPlayer; ++p) t(p) = {};
  }
  template <class Tab>
  void playerColumns(const char* name, Tab& t) {
    const int last = g_.NumPlayers;
    inSection(name, [&] {
      header(name, static_cast<long long>(last + 1) * (Tab::upper2 + 1));
      for (int column = 0; column <= Tab::upper2; ++column) {
        for (int p = 0; p <= last; ++p) cell_(t(p, column));
        for (int p = last + 1; p <= kLastPlayer; ++p) t(p, column) = 0;
      }
    });
  }

 private:
  // The count bounds every player section that follows, so it is judged
  // before them, under its own name.
  void checkPlayerCount() {
    const auto unfit = unfit_.find(&g_.NumPlayers);
    const double held = unfit == unfit_.end() ? g_.NumPlayers : unfit->second;
    const std::string problem = numberProblem(valueRange("NumPlayers"), held);
    if (!problem.empty()) in_.fail("NumPlayers " + problem);
  }
  void header(const char* name, long long count) {
    const CsvValue found = in_.next();
    if (!found.quoted || found.text != name) in_.fail("the section " + std::string(name) + " is missing");
    const double held = in_.nextNumber();
    if (held != static_cast<double>(count)) {
      in_.fail("holds " + numText(held) + " values where " + std::to_string(count) + " belong");
    }
  }

  CsvReader& in_;
  Reader cell_;
  MLSModule& g_;
  const UnfitValues& unfit_;
};

bool isUnsafe(unsigned char c) { return c < 32 || c == 127 || c == '/' || c == '\\'; }

void readAndCheck(CsvReader& in, Reader& reader, MLSModule& game, UnfitValues& unfit) {
  visitLayout(reader, game);
  bool trailerRead = false;
  if (!in.atEnd()) {
    // Values past the layout are ours only when they start with the mark;
    // anything else is ignored, as the layout's own reader does.
    const CsvValue mark = in.next();
    if (mark.quoted && mark.text == kTrailerMark) {
      const double version = in.nextNumber();
      if (version != kTrailerVersion) in.fail("trailer version " + numText(version) + " is not known");
      TrailerReader trailer(in, game, unfit);
      visitTrailer(trailer, game);
      const CsvValue end = in.next();
      if (!end.quoted || end.text != kTrailerEnd) in.fail("the trailer does not end where it should");
      trailerRead = true;
    }
  }
  saved_game::checkLoadedGame(in.fileName(), game, trailerRead, unfit);
  // Play recounts each club's players every matchday. A save of an older
  // build may hold a count that had drifted from them since (a retirement
  // it left uncounted), and the squad screens would show it until then.
  if (trailerRead) recountSquads(game);
}

}  // namespace

std::string encodeClubText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    int k = static_cast<unsigned char>(ch) + 12;
    if (k == 44) k = 1;
    if (k > 255) {
      out += '\0';
      k = 267 - k;
    }
    out += static_cast<char>(k);
  }
  return out;
}

std::string savedGameText(const MLSModule& game) {
  Out out;
  Writer writer(out);
  visitLayout(writer, game);
  out.text(kTrailerMark);
  out.whole(kTrailerVersion);
  out.end();
  TrailerWriter trailer(out, game);
  visitTrailer(trailer, game);
  out.text(kTrailerEnd);
  out.end();
  return out.take();
}

std::string checkedSavedGameText(const std::string& fileName, const MLSModule& game) {
  std::string text = savedGameText(game);
  parseSavedGame(fileName, text, game);
  return text;
}

// A file that would not load again must never replace a good save: the loss
// would show only at the next load, with the career already gone.
void writeSavedGame(const std::filesystem::path& file, const MLSModule& game) {
  writeFileAtomically(file, checkedSavedGameText(file.filename().string(), game));
}

std::unique_ptr<MLSModule> parseSavedGame(const std::string& fileName, std::string content, const MLSModule& base) {
  auto game = std::make_unique<MLSModule>(base);
  CsvReader in(fileName, std::move(content));
  UnfitValues unfit;
  Reader reader(in, unfit);
  try {
    readAndCheck(in, reader, *game, unfit);
  } catch (const FileError&) {
    // Whatever fails after an emptied one-value line is its shift's doing.
    if (reader.emptied()) in.fail(saved_game::cellName(*game, reader.emptied()) + " is empty");
    throw;
  }
  return game;
}

std::unique_ptr<MLSModule> readSavedGame(const std::filesystem::path& file, const MLSModule& base) {
  return parseSavedGame(file.filename().string(), readWholeFile(file), base);
}

std::string savedGameFileName(std::string_view clubName, std::string_view answer) {
  if (Trim(answer).empty()) return "";
  std::string name = std::string(clubName) + " " + std::string(answer) + ".usa";
  for (char& c : name) {
    if (isUnsafe(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

}  // namespace kervale
