#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace kervale {

// The dynamic cell of the few tables that hold either a number or a text, or
// where an empty cell shows differently from 0 (a bracket score that was never
// played shows nothing, a score of 0 shows "0"). Empty reads as 0 in
// arithmetic and as "" in texts.
class Variant {
 public:
  enum class Kind : std::uint8_t { Empty, Number, Text };

  Variant() = default;
  Variant(double value) : kind_(Kind::Number), number_(value) {}
  Variant(float value) : Variant(static_cast<double>(value)) {}
  Variant(int value) : Variant(static_cast<double>(value)) {}
  Variant(long value) : Variant(static_cast<double>(value)) {}
  Variant(long long value) : Variant(static_cast<double>(value)) {}
  Variant(std::int16_t value) : Variant(static_cast<double>(value)) {}
  Variant(std::string value) : kind_(Kind::Text), text_(std::move(value)) {}
  Variant(std::string_view value) : Variant(std::string(value)) {}
  Variant(const char* value) : Variant(std::string(value)) {}

  Kind kind() const { return kind_; }
  bool isEmpty() const { return kind_ == Kind::Empty; }
  bool isNumber() const { return kind_ == Kind::Number; }
  bool isText() const { return kind_ == Kind::Text; }
  void clear() { *this = Variant(); }

  // Empty -> 0; a text -> its leading number (Val), so "3" counts as 3.
  double number() const;
  // Empty -> ""; a number -> the text joining it to a text writes (no blank).
  std::string text() const;
  // The number rounded half to even and clamped, as a store into an integer.
  int toInt() const;

  // + joins two texts and adds everything else; the others are arithmetic.
  friend Variant operator+(const Variant& a, const Variant& b);
  friend double operator-(const Variant& a, const Variant& b) { return a.number() - b.number(); }
  friend double operator*(const Variant& a, const Variant& b) { return a.number() * b.number(); }
  friend double operator/(const Variant& a, const Variant& b) { return a.number() / b.number(); }
  Variant& operator+=(const Variant& other) { return *this = *this + other; }
  Variant& operator-=(const Variant& other) { return *this = *this - other; }

  // Two numbers (or empties) compare as numbers, two texts (or a text and an
  // empty) as texts; a number is less than any text.
  friend std::partial_ordering operator<=>(const Variant& a, const Variant& b);
  friend bool operator==(const Variant& a, const Variant& b) { return (a <=> b) == 0; }

 private:
  Kind kind_ = Kind::Empty;
  double number_ = 0;
  std::string text_;
};

}  // namespace kervale
