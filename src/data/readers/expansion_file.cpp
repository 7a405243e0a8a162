#include "data/readers/expansion_file.h"

#include "base/colour.h"
#include "base/numbers.h"
#include "data/readers/reader_support.h"

namespace kervale {

namespace {

constexpr int kFirstALeague = 17;
constexpr int kLastALeague = 34;

std::string colour(CsvReader& file, const std::string& which) {
  int parts[3];
  for (int k = 0; k < 3; ++k) {
    parts[k] = readers::readWholeValue(file, "ColourComponent", which + " component " + std::to_string(k + 1));
  }
  return clubColourText(parts[0], parts[1], parts[2]);
}

// Not below 0, and within the range of the club table it goes to, so that a
// game with the new club saves and loads again.
double notNegative(CsvReader& file, const char* table, const std::string& what) {
  const double value = file.nextNumber();
  if (!(value >= 0)) file.fail(what + " " + numText(value) + " is below 0");
  return readers::checkValue(file, value, table, what);
}

ExpansionRecord readRecord(CsvReader& file) {
  ExpansionRecord r;
  const int moved = readers::readWhole(file, 0, kLastALeague, "moved club");
  if (moved != 0 && moved < kFirstALeague) readers::checkWhole(file, moved, kFirstALeague, kLastALeague, "moved club");
  r.movedClub = moved;
  r.club.name = file.nextText();
  r.club.logo = file.nextText();
  r.slot = readers::readWhole(file, 0, 1, "slot");
  r.club.venue = file.nextText();
  r.club.capacity = notNegative(file, "StadiumCapacity", "capacity");
  r.club.fanDemand = notNegative(file, "TeamFanDemand", "fan demand");
  r.club.colour1 = colour(file, "first colour");
  r.club.colour2 = colour(file, "second colour");
  r.moved.name = file.nextText();
  r.moved.logo = file.nextText();
  file.next();  // a value the game does not use
  r.moved.venue = file.nextText();
  r.moved.capacity = notNegative(file, "StadiumCapacity", "moved capacity");
  r.moved.fanDemand = notNegative(file, "TeamFanDemand", "moved fan demand");
  r.moved.colour1 = colour(file, "moved first colour");
  r.moved.colour2 = colour(file, "moved second colour");
  if (r.club.name.empty()) file.fail("empty club name");
  if (r.movedClub != 0 && r.moved.name.empty()) file.fail("empty name for the moved club");
  return r;
}

}  // namespace

std::vector<ExpansionRecord> readExpansionFile(const std::filesystem::path& folder) {
  CsvReader file = readers::openDataFile(folder, kExpansionFile);
  const int count = readers::readWhole(file, 1, kMaxExpansionRecords, "count");
  std::vector<ExpansionRecord> records;
  readers::readRecords(file, count, "record", [&] { records.push_back(readRecord(file)); });
  if (!file.atEnd()) file.fail("more values than " + std::to_string(count) + " records");
  return records;
}

}  // namespace kervale
