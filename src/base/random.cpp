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

constexpr std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

void Random::seed(std::uint64_t value) {
  // splitmix64 spreads any seed, 0 included, over the four words.
  for (auto& word : s_) word = splitmix64(value);
  next_ = kBatch;
  end_ = kBatch;
}

void Random::seedFromClock() {
  const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
  const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
  seed(static_cast<std::uint64_t>(wall) ^
       (static_cast<std::uint64_t>(steady) << 32 | static_cast<std::uint64_t>(steady) >> 32));
}

void Random::refill() {
  std::uint64_t s0 = s_[0], s1 = s_[1], s2 = s_[2], s3 = s_[3];
#pragma GCC unroll 4
  for (double& value : batch_) {
    const std::uint64_t result = rotl(s1 * 5, 7) * 9;
    const std::uint64_t t = s1 << 17;
    s2 ^= s0;
    s3 ^= s1;
    s1 ^= s2;
    s0 ^= s3;
    s2 ^= t;
    s3 = rotl(s3, 45);
    // The top 53 bits make a double in [0, 1) with every step equally likely.
    value = static_cast<double>(result >> 11) * 0x1.0p-53;
  }
  s_[0] = s0;
  s_[1] = s1;
  s_[2] = s2;
  s_[3] = s3;
  next_ = 0;
}

double Random::slowNext() {
  if (scriptedLeft_ != 0) return nextScripted();
  refill();
  return batch_[next_++];
}

void Random::script(std::initializer_list<double> values) {
  scripted_.insert(scripted_.end(), values);
  scriptedLeft_ += values.size();
  if (scriptedLeft_ != 0) end_ = next_;
}

void Random::clearScript() {
  scripted_.clear();
  scriptedLeft_ = 0;
  end_ = kBatch;
}

double Random::nextScripted() {
  const double value = scripted_[scripted_.size() - scriptedLeft_];
  if (--scriptedLeft_ == 0) clearScript();
  return value;
}

}  // namespace kervale
