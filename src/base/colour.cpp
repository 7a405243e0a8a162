#include "base/colour.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace kervale {

namespace {

std::string hexText(std::uint32_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  do {
    out.insert(out.begin(), kDigits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  return out;
}

std::string componentText(int component) {
  // Data files hold 0..255; anything else is clamped rather than spilling into
  // the neighbouring component.
  component = std::clamp(component, 0, 255);
  return component == 0 ? "00" : hexText(static_cast<std::uint32_t>(component));
}

bool startsAsColour(std::string_view text) {
  return text.size() >= 3 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h');
}

// The value of hex digits; nullopt when one is not a digit or the value passes
// 32 bits.
std::optional<std::uint32_t> hexValue(std::string_view digits) {
  std::uint64_t value = 0;
  for (char c : digits) {
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else {
      return std::nullopt;
    }
    value = value * 16 + static_cast<std::uint64_t>(digit);
    if (value > 0xFFFFFFFFULL) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

constexpr double kReadable = 3.0;
constexpr Colour kBlackText = 0x000000;
constexpr Colour kWhiteText = 0xFFFFFF;

}  // namespace

double relativeLuminance(Colour c) {
  auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(redOf(c)) + 0.7152 * channel(greenOf(c)) + 0.0722 * channel(blueOf(c));
}

double contrastRatio(Colour a, Colour b) {
  const double la = relativeLuminance(a), lb = relativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Colour readableOn(Colour text, Colour background) {
  if (contrastRatio(text, background) >= kReadable) return text;
  return contrastRatio(kBlackText, background) >= contrastRatio(kWhiteText, background) ? kBlackText : kWhiteText;
}

Colour colourFromText(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return 0;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  if (!startsAsColour(text)) return 0;
  text.remove_prefix(2);
  if (text.back() == '&') text.remove_suffix(1);  // the long-number suffix, "&HFF&"
  if (text.empty()) return 0;
  return hexValue(text).value_or(0);
}

bool isColourText(std::string_view text) {
  constexpr std::size_t kMostDigits = 6;  // blue, green and red
  return startsAsColour(text) && text.size() <= 2 + kMostDigits && hexValue(text.substr(2)).has_value();
}

std::string colourToText(Colour colour) { return "&H" + hexText(colour); }

std::string clubColourText(int first, int second, int third) {
  return "&H" + componentText(first) + componentText(second) + componentText(third);
}

}  // namespace kervale
