#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace kervale {

// One value of a comma-separated data file: quoted values are texts, bare
// values numbers (or unquoted words, kept as text).
struct CsvValue {
  std::string text;
  bool quoted = false;
  bool isNumber() const;  // bare and wholly a decimal number ("-1.5", "2e-05"); not empty
  double number() const;  // Val of the text
};

// Reads values strictly in sequence. Commas and line ends separate values
// alike; a quoted text may hold commas, line ends and any single byte (codes 0
// and 1 included); "" inside quotes is not special. Blanks around a bare value
// and blank lines are skipped; a comma is always followed by a value, so two
// commas in a row, or a comma before a line end, hold an empty bare value
// (number 0), as the saved game writes an empty cell. A UTF-8 byte-order mark
// at the start is skipped. Every failure throws FileError naming the file.
class CsvReader {
 public:
  CsvReader(std::string fileName, std::string content);
  // Reads the whole file; FileError "cannot be opened" when missing.
  static CsvReader fromFile(const std::filesystem::path& path);

  bool atEnd();  // no value left (only blanks and line ends, and no comma before them)
  // The next value's line holds nothing: a blank line, which next() skips.
  bool atEmptyLine() const;
  // A comma ended the last value read: more of its record stands on its line.
  bool moreOnLine() const { return afterComma_; }
  CsvValue next();  // FileError "ends after N values" when nothing is left
  std::string nextText();
  // Number values: FileError naming the value when it is not a number.
  double nextNumber();
  // The number of a value already read, as nextNumber reads it.
  double numberOf(const CsvValue& value) const { return toNumber(value); }
  std::int16_t nextInt16();  // half to even, FileError when out of range
  std::int32_t nextInt32();
  float nextSingle();

  std::size_t valuesRead() const { return valuesRead_; }
  // Where the last value read starts: "line 4, value 17".
  std::string lastValuePlace() const;
  const std::string& fileName() const { return fileName_; }
  [[noreturn]] void fail(const std::string& problem) const;

 private:
  void skipBlanksAndLineEnds();
  void skipSeparator();
  double toNumber(const CsvValue& value) const;
  std::int64_t toWhole(const CsvValue& value, std::int64_t low, std::int64_t high, const char* type) const;
  std::string describe(const CsvValue& value) const;

  std::string fileName_;
  std::string content_;
  std::size_t pos_ = 0;
  std::size_t valuesRead_ = 0;
  std::size_t lastValueStart_ = 0;
  bool afterComma_ = false;  // the last value ended with a comma, so another follows
};

// Writes records: texts quoted, numbers bare, values separated by commas and
// records ended by CR LF. A text cannot hold a double quote in this format, so
// the writer turns one into an apostrophe. Doubles are written in their
// shortest form that reads back exactly.
class CsvWriter {
 public:
  CsvWriter& text(std::string_view value);
  CsvWriter& number(double value);
  CsvWriter& number(std::int64_t value);
  CsvWriter& number(int value) { return number(static_cast<std::int64_t>(value)); }
  void endRecord();
  const std::string& content() const { return content_; }

 private:
  void separate();
  std::string content_;
  bool recordStarted_ = false;
};

// A text from a file as a message shows it: its first 40 bytes (then "..."),
// with control characters and bytes of 128 and above as '?', so that a
// damaged file puts no line break or broken character into a message.
std::string maskedText(std::string_view text);

// Reads a whole file; FileError when it cannot be read.
std::string readWholeFile(const std::filesystem::path& path);
// Writes to a temporary file beside the target, flushes it and renames it over
// the target, so a failed write never destroys the old file. FileError on any
// failure (the temporary file is removed).
void writeFileAtomically(const std::filesystem::path& path, std::string_view content);
// The temporary file writeFileAtomically writes path through: a short name of
// its own in path's folder, which fits wherever path's own name fits.
std::filesystem::path stagingFileOf(const std::filesystem::path& path);

}  // namespace kervale
