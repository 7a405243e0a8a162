#include "data/readers/reader_support.h"

#include <cmath>

#include "base/numbers.h"

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

}  // namespace kervale::readers
