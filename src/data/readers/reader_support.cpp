#include "data/readers/reader_support.h"

#include <cmath>

#include "base/numbers.h"
#include "data/value_ranges.h"

namespace kervale::readers {

CsvReader openDataFile(const std::filesystem::path& folder, const std::string& fileName) {
  return CsvReader::fromFile(folder / fileName);
}

namespace {

std::function<void(const CheckedNumber&)>& watcher() {
  static std::function<void(const CheckedNumber&)> watching;
  return watching;
}

const std::string*& recordBeingRead() {
  static const std::string* record = nullptr;
  return record;
}

void tellWatcher(const CsvReader& file, std::string_view name, double value, double low, double high) {
  if (!watcher()) return;
  const std::string* record = recordBeingRead();
  watcher()({file.fileName(), record != nullptr ? *record : "", file.valuesRead(), name, value, low, high});
}

}  // namespace

RecordBeingRead::RecordBeingRead(const std::string& record) : outer_(recordBeingRead()) { recordBeingRead() = &record; }

RecordBeingRead::~RecordBeingRead() { recordBeingRead() = outer_; }

void watchCheckedNumbers(std::function<void(const CheckedNumber&)> watching) { watcher() = std::move(watching); }

int checkWhole(const CsvReader& file, double value, int low, int high, const std::string& what) {
  if (!(value >= low && value <= high)) {
    file.fail(what + " " + exactNumText(value) + " is outside " + std::to_string(low) + ".." + std::to_string(high));
  }
  if (value != std::floor(value)) file.fail(what + " " + exactNumText(value) + " is not a whole number");
  return static_cast<int>(value);
}

int readWhole(CsvReader& file, int low, int high, const std::string& what) {
  const double value = file.nextNumber();
  tellWatcher(file, what, value, low, high);
  return checkWhole(file, value, low, high, what);
}

namespace {

double checkValueIn(const CsvReader& file, double value, const ValueRange& range, const std::string& what) {
  tellWatcher(file, range.name, value, range.low, range.high);
  const std::string problem = numberProblem(range, value);
  if (!problem.empty()) file.fail(file.lastValuePlace() + ": " + what + " " + problem);
  return value;
}

}  // namespace

double checkValue(const CsvReader& file, double value, std::string_view range, const std::string& what) {
  return checkValueIn(file, value, dataFileRange(range), what);
}

double readValue(CsvReader& file, std::string_view rangeName, const std::string& what) {
  const CsvValue value = file.next();
  const ValueRange& range = dataFileRange(rangeName);
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
  const std::string problem = textProblem(dataFileRange(range), value.text);
  if (!problem.empty()) file.fail(file.lastValuePlace() + ": " + what + " " + problem);
  return std::move(value.text);
}

}  // namespace kervale::readers
