#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "base/csv.h"
#include "base/file_error.h"

namespace kervale::readers {

// Opens a data file by its bare name in the folder; FileError when missing.
CsvReader openDataFile(const std::filesystem::path& folder, const std::string& fileName);

// A whole number within low..high; what names the value in the message
// ("count", "player 17 club").
int readWhole(CsvReader& file, int low, int high, const std::string& what);
// The same check for a value already read.
int checkWhole(const CsvReader& file, double value, int low, int high, const std::string& what);

// A number checked against its row of the value table as a data file must
// keep to it (dataFileRange of data/value_ranges.h); what names it in the
// message ("strictness", "factor 2").
double readValue(CsvReader& file, std::string_view range, const std::string& what);
int readWholeValue(CsvReader& file, std::string_view range, const std::string& what);
// The same check for a value already read.
double checkValue(const CsvReader& file, double value, std::string_view range, const std::string& what);
// A quoted text checked against its row: a bare value where a text belongs
// (a shifted or repeated line) is an error, and so is a control character.
std::string readText(CsvReader& file, std::string_view range, const std::string& what);

// Names the record being read while it lives ("player 17"), for the watcher
// below.
class RecordBeingRead {
 public:
  explicit RecordBeingRead(const std::string& record);
  ~RecordBeingRead();
  RecordBeingRead(const RecordBeingRead&) = delete;
  RecordBeingRead& operator=(const RecordBeingRead&) = delete;

 private:
  const std::string* outer_;
};

// Runs one record's reading; a FileError inside it gets the record named in
// front of its problem ("player 17: file ends after ...").
template <class Body>
void inRecord(const std::string& record, Body&& body) {
  const RecordBeingRead reading(record);
  try {
    std::forward<Body>(body)();
  } catch (const FileError& error) {
    throw FileError(error.fileName(), record + ": " + error.problem());
  }
}

// Reads records 1..read (at most count) of a file whose count is `count`, each
// in inRecord under "<kind> <k>": a file that ends where a record should start
// is refused under its count.
template <class Body>
void readRecords(CsvReader& file, int count, int read, const std::string& kind, Body&& body) {
  for (int k = 1; k <= read; ++k) {
    if (file.atEnd()) {
      file.fail("count " + std::to_string(count) + " is more than the " + std::to_string(k - 1) + " " + kind +
                "s the file holds");
    }
    inRecord(kind + " " + std::to_string(k), body);
  }
}
template <class Body>
void readRecords(CsvReader& file, int count, const std::string& kind, Body&& body) {
  readRecords(file, count, count, kind, std::forward<Body>(body));
}

// A number a reader has just read and checked, and what it was checked against.
struct CheckedNumber {
  std::string_view fileName;
  std::string_view record;  // "" outside a record (a count)
  std::size_t valueNumber;  // its place in the file, 1 for the first value
  std::string_view name;    // its row of the value table, or what the reader calls it
  double value;
  double low;
  double high;
};
// Calls `watcher` with every number the readers read and check, until it is
// given an empty one: a tool learns the files' layouts and bounds from the
// readers themselves.
void watchCheckedNumbers(std::function<void(const CheckedNumber&)> watcher);

}  // namespace kervale::readers
