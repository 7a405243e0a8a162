#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace kervale::ui {

// The idle actions waiting for doEvents, first in, first out. An action
// returns true to wait again at the back. A ring of pointers over a vector
// whose size is a power of two: an action that goes on moves to the back as a
// pointer, without any allocation, at every doEvents of a whole season.
class IdleQueue {
 public:
  using Action = std::unique_ptr<std::function<bool()>>;

  bool empty() const { return count_ == 0; }
  std::size_t size() const { return count_; }

  void push(Action&& action) {
    if (count_ == ring_.size()) grow();
    ring_[(head_ + count_) & mask_] = std::move(action);
    ++count_;
  }
  // The first action, taken out; the queue must not be empty.
  Action pop() {
    Action first = std::move(ring_[head_]);
    head_ = (head_ + 1) & mask_;
    --count_;
    return first;
  }
  void clear() {
    ring_.clear();
    head_ = 0;
    count_ = 0;
    mask_ = 0;
  }

 private:
  // Twice the room, the waiting actions first in order. Kept out of push, so
  // that the usual push stays a few instructions.
  [[gnu::noinline]] void grow() {
    std::vector<Action> bigger(ring_.empty() ? 8 : 2 * ring_.size());
    for (std::size_t i = 0; i < count_; ++i) bigger[i] = std::move(ring_[(head_ + i) & mask_]);
    ring_ = std::move(bigger);
    head_ = 0;
    mask_ = ring_.size() - 1;
  }

  std::vector<Action> ring_;
  std::size_t head_ = 0;
  std::size_t count_ = 0;
  // The ring's size less one, kept: every yield of a match moves an action
  // round, and this spares the size's arithmetic.
  std::size_t mask_ = 0;
};

}  // namespace kervale::ui
