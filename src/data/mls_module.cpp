#include "data/mls_module.h"

#include <sstream>
#include <stdexcept>

#include "base/numbers.h"

namespace kervale {

namespace detail {

void tableIndexError(const char* table, int position, double index, int upper) {
  std::ostringstream message;
  message << table << ": index " << numText(index);
  if (position > 1) message << " (position " << position << ")";
  message << " outside 0.." << upper;
  throw std::out_of_range(message.str());
}

}  // namespace detail

namespace {

std::unique_ptr<MLSModule>& current() {
  static std::unique_ptr<MLSModule> game = makeEmptyGame();
  return game;
}

std::uint64_t& replacements() {
  static std::uint64_t count = 1;  // 0 names no game
  return count;
}

}  // namespace

MLSModule& mls() { return *current(); }

void replaceGame(std::unique_ptr<MLSModule> fresh) {
  current() = fresh ? std::move(fresh) : makeEmptyGame();
  ++replacements();
}

std::uint64_t gameNumber() { return replacements(); }

std::unique_ptr<MLSModule> makeEmptyGame() { return std::make_unique<MLSModule>(); }

}  // namespace kervale
