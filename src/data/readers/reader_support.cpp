#include "data/readers/reader_support.h"

#include <cmath>

#include "base/numbers.h"
#include "data/value_ranges.h"

namespace kervale::readers {

CsvReader openDataFile(const std::filesystem::path& folder, const std::string& fileName) {
  return CsvReader::fromFile(folder / fileName);
}

int checkWhole(const CsvReader& file, double value, int low, int high, const std::string& what) {
  if (!(value >= low && value <= high)) {
    file.fail(what + " " + numText(value) + " is outside " + std::to_string(low) + ".." + std::to_string(high));
  }
  if (value != std::floor(value)) file.fail(what + " " + numText(value) + " is not a whole number");
  return static_cast<int>(value);
}

int readWhole(CsvReader& file, int low, int high, const std::string& what) {
  return checkWhole(file, file.nextNumber(), low, high, what);
}

namespace {

double checkValueIn(const CsvReader& file, double value, const ValueRange& range, const std::string& what) {
  const std::string problem = numberProblem(range, value);
  if (!problem.empty()) file.fail(file.lastValuePlace() + ": " + what + " " + problem);
  return value;
}

}  // namespace

double checkValue(const CsvReader& file, double value, std::string_view range, const std::string& what) {
  return checkValueIn(file, value, valueRange(range), what);
}

double readValue(CsvReader& file, std::string_view rangeName, const std::string& what) {
  const CsvValue value = file.next();
  const ValueRange& range = valueRange(rangeName);
  if (!value.quoted && value.text.empty() && !range.emptyAllowed) {
    file.fail(file.lastValuePlace() + ": " + what + " is empty");
  }
  return checkValueIn(file, file.numberOf(value), range, what);
}

int readWholeValue(CsvReader& file, std::string_view range, const std::string& what) {
  // Count rows are whole and far inside int.
  return static_cast<int>(readValue(file, range, what));
}

std::string readText(CsvReader& file, std::string_view range, const std::string& what) {
  CsvValue value = file.next();
  if (!value.quoted) {
    file.fail(file.lastValuePlace() + ": " + what + " \"" + maskedText(value.text) + "\" is not a quoted text");
  }
  const std::string problem = textProblem(valueRange(range), value.text);
  if (!problem.empty()) file.fail(file.lastValuePlace() + ": " + what + " " + problem);
  return std::move(value.text);
}

}  // namespace kervale::readers
