#include "edge_edits.h"

#include <algorithm>
#include <array>
#include <set>
#include <utility>

#include "base/csv.h"
#include "base/file_error.h"
#include "base/numbers.h"

namespace kervale::edges {

namespace {

const std::string kClubFile = "mlsdata2.dat";
const std::string kPlayerFile = "players2.dat";

double valueOf(const std::vector<Field>& fields, const std::string& file, const std::string& record,
               const std::string& name) {
  for (const Field& f : fields) {
    if (f.file == file && f.record == record && f.name == name) return f.value;
  }
  return -1;
}

// One club of each league or group of club numbers; the English divisions as
// the club file puts its clubs in them.
std::set<std::string> clubRecords(const std::vector<Field>& fields, int managed) {
  struct Group {
    int first;
    int last;
    int division;  // 0: any
  };
  static constexpr std::array<Group, 12> kGroups = {{{1, 16, 0},
                                                     {17, 34, 0},
                                                     {35, 52, 0},
                                                     {53, 144, 1},
                                                     {53, 144, 2},
                                                     {53, 144, 3},
                                                     {53, 144, 4},
                                                     {145, 164, 0},
                                                     {165, 203, 0},
                                                     {204, 224, 0},
                                                     {225, 237, 0},
                                                     {238, 285, 0}}};
  auto division = [&](int c) { return valueOf(fields, kClubFile, "club " + std::to_string(c), "TeamDivision"); };
  std::set<std::string> records;
  for (const Group& g : kGroups) {
    int chosen = 0;
    for (int c = g.first; c <= g.last && chosen == 0; ++c) {
      if (g.division == 0 || division(c) == g.division) chosen = c;
    }
    const bool own = managed >= g.first && managed <= g.last && (g.division == 0 || division(managed) == g.division);
    if (own) chosen = managed;
    if (chosen != 0) records.insert("club " + std::to_string(chosen));
  }
  return records;
}

std::string firstPlayerOf(const std::vector<Field>& fields, int club) {
  for (const Field& f : fields) {
    if (f.file == kPlayerFile && f.name == "PlayerTeam" && f.value == club) return f.record;
  }
  return "";
}

bool chosen(const Field& f, const std::set<std::string>& clubs, const std::string& player,
            const std::vector<Field>& fields) {
  if (f.record.empty()) return true;
  if (f.file == kClubFile) return clubs.count(f.record) > 0;
  if (f.file == kPlayerFile) return f.record == player;
  for (const Field& first : fields) {
    if (first.file == f.file && !first.record.empty()) return first.record == f.record;
  }
  return false;
}

}  // namespace

std::vector<Edit> edgeEdits(const std::vector<Field>& fields, int club) {
  const std::set<std::string> clubs = clubRecords(fields, club);
  const std::string player = firstPlayerOf(fields, club);
  std::set<std::tuple<std::string, std::string, std::string>> done;  // a field once a record
  std::vector<Edit> edits;
  for (const Field& f : fields) {
    if (!chosen(f, clubs, player, fields) || !done.emplace(f.file, f.record, f.name).second) continue;
    edits.push_back({f, "low", f.low});
    edits.push_back({f, "high", f.high});
  }
  return edits;
}

void writeEditedWorld(const std::filesystem::path& world, const std::filesystem::path& out, const Edit& edit) {
  std::filesystem::create_directories(out);
  for (const auto& entry : std::filesystem::directory_iterator(world)) {
    if (entry.is_regular_file()) {
      std::filesystem::copy_file(entry.path(), out / entry.path().filename(),
                                 std::filesystem::copy_options::overwrite_existing);
    }
  }
  // Commas and line ends separate values alike: the file is written back as
  // one line of the values its reader sees.
  CsvReader file = CsvReader::fromFile(world / edit.field.file);
  std::string content;
  for (std::size_t k = 1; !file.atEnd(); ++k) {
    const CsvValue value = file.next();
    if (k > 1) content += ",";
    if (k == edit.field.valueNumber) {
      content += numText(edit.value);
    } else {
      content += value.quoted ? "\"" + value.text + "\"" : value.text;
    }
  }
  writeFileAtomically(out / edit.field.file, content + "\r\n");
}

}  // namespace kervale::edges
