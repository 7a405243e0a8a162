#pragma once

#include <cstdint>
#include <deque>

namespace kervale {

// The one random generator of the game: uniform draws in [0, 1).
// Seeded once per run from the clock; tests seed it or script its values.
class Random {
 public:
  // Next value in [0, 1); a scripted value is returned first when queued.
  double Rnd();
  // Int(Rnd() * n) + base, the draw form every Part uses.
  int draw(int n, int base = 0);

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
  std::uint64_t state_ = 0x9E3779B97F4A7C15ULL;
  std::deque<double> scripted_;
};

// The game's one generator.
Random& rng();
inline double Rnd() { return rng().Rnd(); }

}  // namespace kervale
