#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <type_traits>

#include "data/variant.h"

namespace kervale {

namespace detail {

// Throws std::out_of_range naming the table, the position of the index and its
// value; kept out of line so the fast path of an index is one compare.
[[noreturn]] void tableIndexError(const char* table, int position, double index, int upper);

// An index of any integer type, a floating value (rounded half to even, as the
// game's dynamic cells index) or a Variant, checked against 0..upper.
template <class I>
inline int checkedIndex(const I& index, int upper, const char* table, int position) {
  if constexpr (std::is_integral_v<I>) {
    if (static_cast<unsigned long long>(index) > static_cast<unsigned long long>(upper)) [[unlikely]] {
      tableIndexError(table, position, static_cast<double>(index), upper);
    }
    return static_cast<int>(index);
  } else if constexpr (std::is_floating_point_v<I>) {
    const double value = static_cast<double>(index);
    if (!(value > -1 && value < upper + 1)) [[unlikely]]
      tableIndexError(table, position, value, upper);
    // Adding and taking away 1.5 x 2^52 rounds as nearbyint does (to nearest,
    // halves to even) without its library call; exact for any index in range.
    constexpr double kShift = 6755399441055744.0;
    const double rounded = (value + kShift) - kShift;
    if (!(rounded >= 0 && rounded <= upper)) [[unlikely]] {
      tableIndexError(table, position, static_cast<double>(index), upper);
    }
    return static_cast<int>(rounded);
  } else {
    static_assert(std::is_same_v<I, Variant>, "a table index is a number");
    return checkedIndex(index.number(), upper, table, position);
  }
}

}  // namespace detail

// A shared table with inclusive bounds 0..Hi. Every index is checked: a write
// or read outside the bounds throws std::out_of_range naming the table.
template <class T, int Hi>
class Table1 {
 public:
  static constexpr int upper = Hi;
  static constexpr std::size_t count = static_cast<std::size_t>(Hi) + 1;

  explicit Table1(const char* name) : name_(name), cells_{} {}

  template <class I>
  T& operator()(const I& i) {
    return cells_[detail::checkedIndex(i, Hi, name_, 1)];
  }
  template <class I>
  const T& operator()(const I& i) const {
    return cells_[detail::checkedIndex(i, Hi, name_, 1)];
  }
  // The cell an index names, rounded and checked as a read would: resolved
  // once, it then reads the table through begin() without a check.
  template <class I>
  int index(const I& i) const {
    return detail::checkedIndex(i, Hi, name_, 1);
  }

  void fill(const T& value) { cells_.fill(value); }
  void clear() { cells_.fill(T{}); }
  const char* name() const { return name_; }
  T* begin() { return cells_.data(); }
  T* end() { return cells_.data() + count; }
  const T* begin() const { return cells_.data(); }
  const T* end() const { return cells_.data() + count; }

 private:
  const char* name_;
  std::array<T, count> cells_;
};

// Two bounds 0..Hi1 x 0..Hi2, indexed (i, j) in the order of the table's
// description; the first index varies fastest in storage.
template <class T, int Hi1, int Hi2>
class Table2 {
 public:
  static constexpr int upper1 = Hi1;
  static constexpr int upper2 = Hi2;
  static constexpr std::size_t count = static_cast<std::size_t>(Hi1 + 1) * (Hi2 + 1);

  explicit Table2(const char* name) : name_(name), cells_{} {}

  template <class I, class J>
  T& operator()(const I& i, const J& j) {
    return cells_[at(i, j)];
  }
  template <class I, class J>
  const T& operator()(const I& i, const J& j) const {
    return cells_[at(i, j)];
  }

  void fill(const T& value) { cells_.fill(value); }
  void clear() { cells_.fill(T{}); }
  const char* name() const { return name_; }
  T* begin() { return cells_.data(); }
  T* end() { return cells_.data() + count; }
  const T* begin() const { return cells_.data(); }
  const T* end() const { return cells_.data() + count; }

 private:
  template <class I, class J>
  std::size_t at(const I& i, const J& j) const {
    const int a = detail::checkedIndex(i, Hi1, name_, 1);
    const int b = detail::checkedIndex(j, Hi2, name_, 2);
    return static_cast<std::size_t>(a) + static_cast<std::size_t>(Hi1 + 1) * static_cast<std::size_t>(b);
  }

  const char* name_;
  std::array<T, count> cells_;
};

// Three bounds 0..Hi1 x 0..Hi2 x 0..Hi3, indexed (i, j, k); i varies fastest.
template <class T, int Hi1, int Hi2, int Hi3>
class Table3 {
 public:
  static constexpr int upper1 = Hi1;
  static constexpr int upper2 = Hi2;
  static constexpr int upper3 = Hi3;
  static constexpr std::size_t count = static_cast<std::size_t>(Hi1 + 1) * (Hi2 + 1) * (Hi3 + 1);

  explicit Table3(const char* name) : name_(name), cells_{} {}

  template <class I, class J, class K>
  T& operator()(const I& i, const J& j, const K& k) {
    return cells_[at(i, j, k)];
  }
  template <class I, class J, class K>
  const T& operator()(const I& i, const J& j, const K& k) const {
    return cells_[at(i, j, k)];
  }

  void fill(const T& value) { cells_.fill(value); }
  void clear() { cells_.fill(T{}); }
  const char* name() const { return name_; }
  T* begin() { return cells_.data(); }
  T* end() { return cells_.data() + count; }
  const T* begin() const { return cells_.data(); }
  const T* end() const { return cells_.data() + count; }

 private:
  template <class I, class J, class K>
  std::size_t at(const I& i, const J& j, const K& k) const {
    const auto a = static_cast<std::size_t>(detail::checkedIndex(i, Hi1, name_, 1));
    const auto b = static_cast<std::size_t>(detail::checkedIndex(j, Hi2, name_, 2));
    const auto c = static_cast<std::size_t>(detail::checkedIndex(k, Hi3, name_, 3));
    return a + static_cast<std::size_t>(Hi1 + 1) * (b + static_cast<std::size_t>(Hi2 + 1) * c);
  }

  const char* name_;
  std::array<T, count> cells_;
};

}  // namespace kervale
