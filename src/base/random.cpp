#include "base/random.h"

#include <chrono>

namespace kervale {

namespace {

std::uint64_t splitmix64(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

}  // namespace

void Random::seed(std::uint64_t value) {
  // splitmix64 spreads any seed, 0 included, over the four words.
  for (auto& word : s_) word = splitmix64(value);
}

void Random::seedFromClock() {
  const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
  const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
  seed(static_cast<std::uint64_t>(wall) ^
       (static_cast<std::uint64_t>(steady) << 32 | static_cast<std::uint64_t>(steady) >> 32));
}

void Random::script(std::initializer_list<double> values) { scripted_.insert(scripted_.end(), values); }

double Random::nextScripted() {
  const double value = scripted_.front();
  scripted_.pop_front();
  return value;
}

}  // namespace kervale
