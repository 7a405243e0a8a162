#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace kervale::worldgen {

// The generator's own random source: a fixed seed per job, so that the world
// comes out the same on every run and one job's draws never shift another's.
class WorldRandom {
 public:
  explicit WorldRandom(std::string_view job) {
    // FNV-1a of the job name mixed with the world's seed.
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (char c : job) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ULL;
    state_ = hash ^ 0x4B45525641'4C45ULL;
  }

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  // Uniform in [0, 1), 53 bits.
  double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
  double uniform(double low, double high) { return low + (high - low) * uniform(); }
  // Whole number in low..high, both included.
  int range(int low, int high) { return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1)); }
  bool chance(double p) { return uniform() < p; }
  // Sum of three uniforms, centred on 0, within -1..1: a cheap bell curve.
  double bell() { return (uniform() + uniform() + uniform()) / 1.5 - 1.0; }

  template <class T>
  const T& pick(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(next() % items.size())];
  }

  template <class T>
  void shuffle(std::vector<T>& items) {
    for (std::size_t i = items.size(); i > 1; --i) {
      const std::size_t j = static_cast<std::size_t>(next() % i);
      std::swap(items[i - 1], items[j]);
    }
  }

 private:
  std::uint64_t state_;
};

}  // namespace kervale::worldgen
