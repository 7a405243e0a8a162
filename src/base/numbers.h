#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace kervale {

// Number-to-text and rounding rules the whole game is written in.

// Shortest decimal text of x with up to 15 significant digits, no leading zero
// before the point (0.5 -> ".5", -0.5 -> "-.5"), no point for whole values.
// This is what joining a number to a text writes.
std::string numText(double x);
// The same for a single-precision value: up to 7 significant digits.
std::string numText(float x);
// numText with the digits x needs to read back as itself (up to 17), for a
// message that must tell x from a number 15 digits would round it to.
std::string exactNumText(double x);
inline std::string numText(int x) { return numText(static_cast<double>(x)); }
inline std::string numText(long x) { return numText(static_cast<double>(x)); }
inline std::string numText(long long x) { return numText(static_cast<double>(x)); }
inline std::string numText(std::int16_t x) { return numText(static_cast<double>(x)); }

// Str(x): numText with one leading blank when x >= 0 (a minus sign otherwise).
std::string Str(double x);
std::string Str(float x);
inline std::string Str(int x) { return Str(static_cast<double>(x)); }
inline std::string Str(long x) { return Str(static_cast<double>(x)); }
inline std::string Str(long long x) { return Str(static_cast<double>(x)); }
inline std::string Str(std::int16_t x) { return Str(static_cast<double>(x)); }

// Int(x): the largest whole number not above x. Inline: the match draws it
// thousands of times, nearly always of a value 0 < x < 2^52, whose whole part
// is its truncation; zeros, negatives, far values and NaN take floor.
inline double Int(double x) {
  if (x > 0 && x < 0x1p52) return static_cast<double>(static_cast<std::int64_t>(x));
  return std::floor(x);
}

// Round half to even, as every store into an integer does.
double roundHalfEven(double x);

// CInt / stores into 16- and 32-bit integers: round half to even, and a value
// outside the type's range is clamped to it instead of being undefined.
// Inline: the match stores into 16-bit cells every minute. Adding and taking
// away 1.5 x 2^52 rounds a value well inside the range to nearest, halves to
// even, in the default rounding mode without a library call; the edges, far
// values and NaN take the general rule.
namespace detail {
inline constexpr double kRoundingShift = 6755399441055744.0;
std::int16_t clampedInt16(double x);
std::int32_t clampedInt32(double x);
}  // namespace detail
inline std::int16_t CInt(double x) {
  if (!(x > -32768.5 && x < 32767.5)) return detail::clampedInt16(x);
  return static_cast<std::int16_t>((x + detail::kRoundingShift) - detail::kRoundingShift);
}
inline std::int32_t CLng(double x) {
  if (!(x > -2147483648.5 && x < 2147483647.5)) return detail::clampedInt32(x);
  return static_cast<std::int32_t>((x + detail::kRoundingShift) - detail::kRoundingShift);
}
inline std::int16_t toInt16(double x) { return CInt(x); }
inline std::int32_t toInt32(double x) { return CLng(x); }

// Val(text): the leading number of a text (blanks skipped, "&H" hex allowed);
// 0 when the text does not start with a number.
double Val(std::string_view text);

// Format(x, pattern) for the patterns the screens use: "##.#%", "#.##",
// "####.##", "#,##0", "0.0" and the like: '#' optional digit, '0' required
// digit, '.' point, ',' thousands grouping, '%' multiplies by 100.
std::string Format(double x, std::string_view pattern);

// Text helpers with the rules of the screens' captions.
std::string UCase(std::string_view text);
std::string LCase(std::string_view text);
std::string Trim(std::string_view text);
// The text without control characters (codes below 32 and 127), which no
// text of a saved game may hold.
std::string withoutControlCharacters(std::string_view text);
std::string Left(std::string_view text, int count);
std::string Right(std::string_view text, int count);
// 1-based start; count < 0 means to the end.
std::string Mid(std::string_view text, int start, int count = -1);

}  // namespace kervale
