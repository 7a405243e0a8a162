#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace kervale {

// The one random generator of the game: uniform draws in [0, 1).
// Seeded once per run from the clock; tests seed it or script its values.
// xoshiro256** underneath. The generator's values are made a batch at a time
// and handed out in order, so that a draw in the middle of a match is a read
// rather than a chain of arithmetic: the sequence is the same either way.
class Random {
 public:
  constexpr Random() = default;

  // Next value in [0, 1); a scripted value is returned first when queued.
  // One test on the way: while values are scripted the batch's end is held
  // at its next value, so that both an empty batch and a script take the
  // slow way.
  double Rnd() {
    if (next_ == end_) [[unlikely]] {
      return slowNext();
    }
    return batch_[next_++];
  }
  // Rnd() when take is true; otherwise nothing is drawn and the value is of no
  // use. For a draw that hangs on a coin-toss outcome: the choice moves the
  // batch's place instead of taking a branch that would often be mispredicted.
  double RndIf(bool take) {
    if (next_ == end_) [[unlikely]] {
      return take ? slowNext() : 0;
    }
    const double value = batch_[next_];
    next_ += take;
    return value;
  }
  // Int(Rnd() * n) + base, the draw form every Part uses.
  int draw(int n, int base = 0) {
    const double x = Rnd() * n;
    // The largest whole number not above x: for x >= 0 that is its whole part.
    return (x >= 0 ? static_cast<int>(x) : static_cast<int>(std::floor(x))) + base;
  }

  void seed(std::uint64_t value);
  void seedFromClock();
  // The match once reseeded from the clock every minute, which replays equal
  // minutes at machine speed; the hook stays and does nothing.
  void reseedHook() {}

  // Tests: values returned by the next calls of Rnd(), in order.
  void script(std::initializer_list<double> values);
  void clearScript();
  std::size_t scriptedLeft() const { return scriptedLeft_; }

 private:
  // About a quarter of a computer match's draws: few refills, and a batch still sits in the first-level cache.
  static constexpr int kBatch = 256;

  void refill();
  double slowNext();
  double nextScripted();

  // The state splitmix64 makes from seed 0; never all zero.
  std::uint64_t s_[4] = {0xE220A8397B1DCDAFULL, 0x6E789E6AA1B965F4ULL, 0x06C45D188009454FULL, 0xF88BB8A8724C81ECULL};
  std::array<double, kBatch> batch_{};
  int next_ = kBatch;  // the next value of the batch to hand out; kBatch: none left
  int end_ = kBatch;   // kBatch, or next_ while values are scripted
  std::vector<double> scripted_;
  std::size_t scriptedLeft_ = 0;  // the last ones of scripted_ are still to come
};

namespace detail {
// Made before any code runs, so reaching it needs no check.
inline constinit Random gameRandom;
}  // namespace detail

// The game's one generator.
inline Random& rng() { return detail::gameRandom; }
inline double Rnd() { return rng().Rnd(); }

}  // namespace kervale
