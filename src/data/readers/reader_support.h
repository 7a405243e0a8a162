#pragma once

#include <filesystem>
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

// A number checked against its row of the value table (data/value_ranges.h);
// what names it in the message ("strictness", "factor 2").
double readValue(CsvReader& file, std::string_view range, const std::string& what);
int readWholeValue(CsvReader& file, std::string_view range, const std::string& what);
// The same check for a value already read.
double checkValue(const CsvReader& file, double value, std::string_view range, const std::string& what);
// A quoted text checked against its row: a bare value where a text belongs
// (a shifted or repeated line) is an error, and so is a control character.
std::string readText(CsvReader& file, std::string_view range, const std::string& what);

// Runs one record's reading; a FileError inside it gets the record named in
// front of its problem ("player 17: file ends after ...").
template <class Body>
void inRecord(const std::string& record, Body&& body) {
  try {
    std::forward<Body>(body)();
  } catch (const FileError& error) {
    throw FileError(error.fileName(), record + ": " + error.problem());
  }
}

}  // namespace kervale::readers
