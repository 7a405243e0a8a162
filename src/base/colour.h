#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kervale {

// Colours are numbers in blue-green-red order: 0xBBGGRR (&HFFFF is yellow).
using Colour = std::uint32_t;

constexpr Colour rgbColour(int red, int green, int blue) {
  return static_cast<Colour>((blue & 0xFF) << 16 | (green & 0xFF) << 8 | (red & 0xFF));
}
constexpr int redOf(Colour c) { return c & 0xFF; }
constexpr int greenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr int blueOf(Colour c) { return (c >> 16) & 0xFF; }

// "&H" text -> colour number (hex digits, upper or lower case); a text that is
// not a colour gives 0.
Colour colourFromText(std::string_view text);
// A colour text as the game writes one: "&H" and one to six hex digits (upper
// or lower case), nothing around them.
bool isColourText(std::string_view text);
// Colour number -> "&H" text, upper-case hex without leading zeros.
std::string colourToText(Colour colour);
// Club colour text of the data files: "&H" and each component in hex without
// leading zeros, a component 0 written "00" (255, 5, 0 -> "&HFF500").
std::string clubColourText(int first, int second, int third);

// How light a colour looks: 0 (black) to 1 (white), sRGB made linear and
// weighted as the eye weighs red, green and blue.
double relativeLuminance(Colour c);
// How far apart two colours read: the ratio of their relative luminances,
// from 1 (the same) to 21 (black on white).
double contrastRatio(Colour a, Colour b);
// Text that must read on a background: the colour asked for when it reads at
// 3:1 or better, else black or white, whichever reads better.
Colour readableOn(Colour text, Colour background);

}  // namespace kervale
