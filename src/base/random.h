#pragma once

#include <cmath>
#include <cstdint>
#include <deque>
#include <initializer_list>

namespace kervale {

// The one random generator of the game: uniform draws in [0, 1).
// Seeded once per run from the clock; tests seed it or script its values.
// xoshiro256** underneath; Rnd() and draw() are inline because the match
// engine calls them many times a minute.
class Random {
 public:
  // Next value in [0, 1); a scripted value is returned first when queued.
  double Rnd() {
    if (!scripted_.empty()) [[unlikely]] {
      return nextScripted();
    }
    // The top 53 bits make a double in [0, 1) with every step equally likely.
    return static_cast<double>(next64() >> 11) * 0x1.0p-53;
  }
  // Int(Rnd() * n) + base, the draw form every Part uses.
  int draw(int n, int base = 0) { return static_cast<int>(std::floor(Rnd() * n)) + base; }

  void seed(std::uint64_t value);
  void seedFromClock();
  // The match once reseeded from the clock every minute, which replays equal
  // minutes at machine speed; the hook stays and does nothing.
  void reseedHook() {}

  // Tests: values returned by the next calls of Rnd(), in order.
  void script(std::initializer_list<double> values);
  void clearScript() { scripted_.clear(); }
  std::size_t scriptedLeft() const { return scripted_.size(); }

 private:
  static constexpr std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  std::uint64_t next64() {
    const std::uint64_t result = rotl(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 45);
    return result;
  }
  double nextScripted();

  // The state splitmix64 makes from seed 0; never all zero.
  std::uint64_t s_[4] = {0xE220A8397B1DCDAFULL, 0x6E789E6AA1B965F4ULL, 0x06C45D188009454FULL, 0xF88BB8A8724C81ECULL};
  std::deque<double> scripted_;
};

// The game's one generator.
inline Random& rng() {
  static Random instance;
  return instance;
}
inline double Rnd() { return rng().Rnd(); }

}  // namespace kervale
