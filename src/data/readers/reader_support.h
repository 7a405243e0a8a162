#pragma once

#include <filesystem>
#include <string>
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
