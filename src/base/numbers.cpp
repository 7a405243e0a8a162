#include "base/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace kervale {

namespace {

// A finite non-zero value as its significant decimal digits d1 d2 ... (no
// trailing zeros) and the power of ten of d1. Locale-independent, unlike printf.
struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

Decimal toDecimal(double x, int precision) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, precision - 1);
  Decimal d;
  const char* p = buffer;
  if (*p == '-') {
    d.negative = true;
    ++p;
  }
  // d.ddd...e+XX: the first digit, then those after the point.
  const char* e = std::find(p, static_cast<const char*>(result.ptr), 'e');
  d.digits.assign(p, 1);
  if (e - p > 2) d.digits.append(p + 2, e);
  p = e;
  if (p < result.ptr) std::from_chars(p + (p[1] == '+' ? 2 : 1), result.ptr, d.exponent);
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

// Whether x is a whole number of at most `precision` (7 or 15) digits.
bool isShortWhole(double x, int precision) {
  const double limit = precision >= 15 ? 1e15 : 1e7;
  return std::abs(x) < limit && x == std::trunc(x);
}

// Such a whole number's digits after `lead`, or after its minus sign.
std::string wholeText(double x, std::string_view lead) {
  char buffer[24];
  char* first = buffer + lead.size();
  std::copy(lead.begin(), lead.end(), buffer);
  const auto result = std::to_chars(first, buffer + sizeof buffer, static_cast<long long>(x));
  return x < 0 ? std::string(first, result.ptr) : std::string(buffer, result.ptr);
}

std::string nonFiniteText(double x) {
  if (std::isnan(x)) return "NaN";
  return x < 0 ? "-Inf" : "Inf";
}

// Plain decimal without a leading zero while the value is not too large or
// small for the digits, otherwise d.dddE+XX, as printf's %G decides.
std::string significantText(double x, int precision) {
  if (!std::isfinite(x)) return nonFiniteText(x);
  if (x == 0) return "0";
  // A whole number of at most `precision` digits reads as itself: the common
  // case (goals, minutes, counts) without the general conversion.
  if (isShortWhole(x, precision)) return wholeText(x, "");
  const Decimal d = toDecimal(x, precision);
  std::string out = d.negative ? "-" : "";
  const int count = static_cast<int>(d.digits.size());
  if (d.exponent >= precision || d.exponent < -4) {
    out += d.digits[0];
    if (count > 1) out += "." + d.digits.substr(1);
    const int e = std::abs(d.exponent);
    out += d.exponent < 0 ? "E-" : "E+";
    if (e < 10) out += '0';
    out += std::to_string(e);
  } else if (d.exponent >= 0) {
    const int whole = d.exponent + 1;
    if (count <= whole) {
      out += d.digits + std::string(whole - count, '0');
    } else {
      out += d.digits.substr(0, whole) + "." + d.digits.substr(whole);
    }
  } else {
    out += "." + std::string(-d.exponent - 1, '0') + d.digits;
  }
  return out;
}

// Format(x, "##.#%") of a share from 1% to just below 100%, which a watched
// match writes twice a minute: the text the general rule gives (the value's
// fifteen significant digits, then its tenth rounded half up) worked out in
// whole numbers. False for any other value.
bool shareText(double x, std::string& out) {
  const double value = x * 100;
  if (!(value >= 1 && value < 100)) return false;
  // value = m x 2^(exp - 53) exactly, m a 53-bit whole number.
  int exp = 0;
  const auto m = static_cast<std::uint64_t>(std::ldexp(std::frexp(value, &exp), 53));
  const int shift = 53 - exp;  // 46..52
  // Fifteen significant digits: 13 decimals from 10 on, 14 below.
  const int decimals = value >= 10 ? 13 : 14;
  std::uint64_t scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  // value x 10^decimals rounded to a whole number, halves to even, as the
  // conversion to digits rounds.
  const unsigned __int128 product = static_cast<unsigned __int128>(m) * scale;
  auto digits = static_cast<std::uint64_t>(product >> shift);
  const unsigned __int128 rest = product & ((static_cast<unsigned __int128>(1) << shift) - 1);
  const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
  if (rest > half || (rest == half && (digits & 1) != 0)) ++digits;
  // The tenth, rounded half up on the digit after it.
  const std::uint64_t tenths = (digits + scale / 20) / (scale / 10);
  char buffer[16];
  char* end = std::to_chars(buffer, buffer + sizeof buffer, tenths / 10).ptr;
  *end++ = '.';
  if (tenths % 10 != 0) *end++ = static_cast<char>('0' + tenths % 10);
  *end++ = '%';
  out.assign(buffer, end);
  return true;
}

bool isValBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string numText(double x) { return significantText(x, 15); }
std::string numText(float x) { return significantText(static_cast<double>(x), 7); }

std::string exactNumText(double x) {
  for (int precision = 15; precision < 17; ++precision) {
    std::string text = significantText(x, precision);
    if (Val(text) == x) return text;
  }
  return significantText(x, 17);
}

std::string Str(double x) {
  if (isShortWhole(x, 15)) return wholeText(x, " ");
  return x >= 0 ? " " + numText(x) : numText(x);
}
std::string Str(float x) { return x >= 0 ? " " + numText(x) : numText(x); }

double roundHalfEven(double x) {
  const double r = std::round(x);  // halves away from zero
  if (std::abs(r - x) == 0.5) return 2.0 * std::round(x / 2.0);
  return r;
}

namespace detail {

std::int16_t clampedInt16(double x) {
  if (std::isnan(x)) return 0;
  const double r = roundHalfEven(x);
  if (r >= std::numeric_limits<std::int16_t>::max()) return std::numeric_limits<std::int16_t>::max();
  if (r <= std::numeric_limits<std::int16_t>::min()) return std::numeric_limits<std::int16_t>::min();
  return static_cast<std::int16_t>(r);
}

std::int32_t clampedInt32(double x) {
  if (std::isnan(x)) return 0;
  const double r = roundHalfEven(x);
  if (r >= std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (r <= std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(r);
}

}  // namespace detail

double Val(std::string_view text) {
  // Blanks, tabs and line feeds are skipped anywhere in the number, as the
  // classic Val does (" 1 2" is 12).
  std::size_t i = 0;
  auto peek = [&]() -> char {
    while (i < text.size() && isValBlank(text[i])) ++i;
    return i < text.size() ? text[i] : '\0';
  };

  if (peek() == '&') {
    ++i;
    const char h = peek();
    if (h != 'H' && h != 'h') return 0;
    ++i;
    double value = 0;
    for (int digit; (digit = hexDigit(peek())) >= 0; ++i) value = value * 16 + digit;
    return value;
  }

  std::string number;
  if (const char sign = peek(); sign == '-' || sign == '+') {
    if (sign == '-') number += '-';
    ++i;
  }
  int mantissaDigits = 0;
  int magnitude = 0;  // rough power of ten, to tell overflow from underflow
  bool leading = true;
  for (; isDigit(peek()); ++i) {
    number += text[i];
    ++mantissaDigits;
    if (leading && text[i] == '0') continue;
    leading = false;
    ++magnitude;
  }
  if (peek() == '.') {
    ++i;
    number += '.';
    for (; isDigit(peek()); ++i) {
      number += text[i];
      ++mantissaDigits;
      if (leading && text[i] == '0') --magnitude;
      if (text[i] != '0') leading = false;
    }
  }
  if (mantissaDigits == 0) return 0;
  const char e = peek();
  if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
    ++i;
    bool negative = false;
    if (const char sign = peek(); sign == '-' || sign == '+') {
      negative = sign == '-';
      ++i;
    }
    int exponent = 0;
    bool any = false;
    for (; isDigit(peek()); ++i) {
      any = true;
      exponent = std::min(exponent * 10 + (text[i] - '0'), 100000);
    }
    if (any) {
      if (negative) exponent = -exponent;
      magnitude += exponent;
      number += 'e' + std::to_string(exponent);
    }
  }
  double value = 0;
  const char* first = number.data();
  const bool minus = *first == '-';
  if (minus) ++first;
  const auto result = std::from_chars(first, number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return minus ? -value : value;
}

std::string Format(double x, std::string_view pattern) {
  if (pattern.empty() || !std::isfinite(x)) return numText(x);
  if (std::string share; pattern == "##.#%" && shareText(x, share)) return share;

  // Split into literal prefix, the placeholder block and literal suffix.
  auto isBlockChar = [](char c) { return c == '#' || c == '0' || c == '.' || c == ','; };
  std::size_t start = 0;
  while (start < pattern.size() && !isBlockChar(pattern[start])) ++start;
  std::size_t end = start;
  while (end < pattern.size() && isBlockChar(pattern[end])) ++end;
  const std::string_view prefix = pattern.substr(0, start);
  const std::string_view block = pattern.substr(start, end - start);
  const std::string_view suffix = pattern.substr(end);
  if (block.find_first_of("#0") == std::string_view::npos) return std::string(pattern);

  const bool percent = pattern.find('%') != std::string_view::npos;
  const std::size_t point = block.find('.');
  const bool hasPoint = point != std::string_view::npos;
  const std::string_view intPart = block.substr(0, point);
  const std::string_view fracPart = hasPoint ? block.substr(point + 1) : std::string_view();
  const bool grouping = intPart.find(',') != std::string_view::npos;
  const auto intRequired = static_cast<std::size_t>(std::count(intPart.begin(), intPart.end(), '0'));
  std::size_t fracMax = 0;
  std::size_t fracRequired = 0;
  for (char c : fracPart) {
    if (c != '#' && c != '0') continue;
    ++fracMax;
    if (c == '0') fracRequired = fracMax;
  }

  const double value = percent ? x * 100 : x;
  std::string intDigits;
  std::string fracDigits;
  bool negative = false;
  if (value != 0) {
    const Decimal d = toDecimal(value, 15);
    negative = d.negative;
    if (d.exponent >= 0) {
      const auto whole = static_cast<std::size_t>(d.exponent) + 1;
      intDigits = d.digits.substr(0, std::min(whole, d.digits.size()));
      if (intDigits.size() < whole) intDigits.append(whole - intDigits.size(), '0');
      if (d.digits.size() > whole) fracDigits = d.digits.substr(whole);
    } else {
      fracDigits = std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    }
  }

  // Round to the pattern's decimals, halves away from zero.
  if (fracDigits.size() > fracMax) {
    const bool up = fracDigits[fracMax] >= '5';
    fracDigits.resize(fracMax);
    if (up) {
      std::string all = intDigits + fracDigits;
      int k = static_cast<int>(all.size()) - 1;
      for (; k >= 0 && all[k] == '9'; --k) all[k] = '0';
      if (k >= 0) {
        ++all[k];
      } else {
        all.insert(all.begin(), '1');
      }
      intDigits = all.substr(0, all.size() - fracMax);
      fracDigits = all.substr(all.size() - fracMax);
    }
  }
  while (fracDigits.size() > fracRequired && fracDigits.back() == '0') fracDigits.pop_back();
  if (fracDigits.size() < fracRequired) fracDigits.append(fracRequired - fracDigits.size(), '0');
  const std::size_t firstNonZero = intDigits.find_first_not_of('0');
  intDigits.erase(0, firstNonZero == std::string::npos ? intDigits.size() : firstNonZero);
  if (intDigits.size() < intRequired) intDigits.insert(0, intRequired - intDigits.size(), '0');
  if (grouping) {
    for (int k = static_cast<int>(intDigits.size()) - 3; k > 0; k -= 3)
      intDigits.insert(static_cast<std::size_t>(k), 1, ',');
  }
  const bool allZero = (intDigits + fracDigits).find_first_not_of("0,") == std::string::npos;

  std::string out(prefix);
  if (negative && !allZero) out += '-';
  out += intDigits;
  if (hasPoint) out += '.' + fracDigits;
  out += suffix;
  return out;
}

std::string UCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

std::string LCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::string Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  const std::size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::string withoutControlCharacters(std::string_view text) {
  std::string kept;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 32 && byte != 127) kept += c;
  }
  return kept;
}

std::string Left(std::string_view text, int count) {
  if (count <= 0) return "";
  return std::string(text.substr(0, static_cast<std::size_t>(count)));
}

std::string Right(std::string_view text, int count) {
  if (count <= 0) return "";
  const auto n = std::min(static_cast<std::size_t>(count), text.size());
  return std::string(text.substr(text.size() - n));
}

std::string Mid(std::string_view text, int start, int count) {
  if (start < 1) start = 1;
  const auto from = static_cast<std::size_t>(start - 1);
  if (from >= text.size() || count == 0) return "";
  if (count < 0) return std::string(text.substr(from));
  return std::string(text.substr(from, static_cast<std::size_t>(count)));
}

}  // namespace kervale
