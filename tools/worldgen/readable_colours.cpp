// A club's name is written in its second colour on its first, so a drawn
// pair that reads poorly is shifted in lightness until it reads.
#include <algorithm>
#include <cmath>
#include <optional>
#include <span>
#include <stdexcept>

#include "base/colour.h"
#include "world.h"

namespace kervale::worldgen {

namespace {

// The usual levels for text: 4.5:1 reads well, 3:1 is the least for a name
// in large letters.
constexpr double kGoodContrast = 4.5;
constexpr double kLeastContrast = 3.0;
constexpr int kLightnessSteps = 255;

Colour colourOf(const Rgb& c) { return rgbColour(c.red, c.green, c.blue); }

double contrast(const Rgb& a, const Rgb& b) { return contrastRatio(colourOf(a), colourOf(b)); }

// How different two colours look, cheaply ("redmean"): green weighs most,
// and red or blue more where the colours are red or blue.
double lookDistance(const Rgb& a, const Rgb& b) {
  const double meanRed = (a.red + b.red) / 2.0;
  const double red = a.red - b.red, green = a.green - b.green, blue = a.blue - b.blue;
  return std::sqrt((2 + meanRed / 256) * red * red + 4 * green * green + (2 + (255 - meanRed) / 256) * blue * blue);
}

// A shifted colour keeps its character while it still looks most like the
// named colour it was drawn as: light grey is still grey, but a grey dark
// enough to look black, or a sky blue dark enough to look royal, is not.
bool keepsCharacter(const Rgb& shifted, const Rgb& drawn, std::span<const Rgb> named) {
  const double own = lookDistance(shifted, drawn);
  return std::none_of(named.begin(), named.end(),
                      [&](const Rgb& other) { return other != drawn && lookDistance(shifted, other) < own; });
}

// A component 1..15 would shorten the club file's colour text; it goes to
// the end the colour is moving towards.
int component(double share, bool lighter) {
  const int value = std::clamp(static_cast<int>(std::lround(share * 255)), 0, 255);
  if (value > 0 && value < 16) return lighter ? 16 : 0;
  return value;
}

double lightnessOf(const Rgb& c) {
  return (std::max({c.red, c.green, c.blue}) + std::min({c.red, c.green, c.blue})) / 510.0;
}

// `c` at HSL lightness `lightness` (0..1) with its own hue and saturation.
Rgb withLightness(const Rgb& c, double lightness, bool lighter) {
  const double red = c.red / 255.0, green = c.green / 255.0, blue = c.blue / 255.0;
  const double high = std::max({red, green, blue}), low = std::min({red, green, blue});
  const double chroma = high - low;
  const double fullChroma = 1 - std::abs(high + low - 1);  // at this lightness and full saturation
  const double saturation = fullChroma > 0 ? chroma / fullChroma : 0;
  const double newChroma = saturation * (1 - std::abs(2 * lightness - 1));
  auto shifted = [&](double share) {
    const double place = chroma > 0 ? (share - low) / chroma : 0.5;  // 0 the lowest component, 1 the highest
    return component(lightness + newChroma * (place - 0.5), lighter);
  };
  return {shifted(red), shifted(green), shifted(blue)};
}

// `moving` made lighter or darker, away from `fixed`, by as little as makes
// the pair read at `target`; none when that costs it its character.
std::optional<Rgb> shiftedToRead(const Rgb& moving, const Rgb& fixed, double target, std::span<const Rgb> named) {
  const bool lighter = relativeLuminance(colourOf(moving)) >= relativeLuminance(colourOf(fixed));
  const double from = lightnessOf(moving), to = lighter ? 1.0 : 0.0;
  for (int step = 0; step <= kLightnessSteps; ++step) {
    const Rgb candidate = withLightness(moving, from + (to - from) * step / kLightnessSteps, lighter);
    if (contrast(candidate, fixed) < target) continue;
    if (!keepsCharacter(candidate, moving, named)) return std::nullopt;
    return candidate;
  }
  return std::nullopt;
}

}  // namespace

void makeReadable(Badge& badge, std::span<const Rgb> named) {
  // The name's colour gives way before the club's main colour, and both
  // try for 4.5:1 before settling for 3:1.
  for (double target : {kGoodContrast, kLeastContrast}) {
    if (const auto second = shiftedToRead(badge.colour2, badge.colour1, target, named)) {
      badge.colour2 = *second;
      return;
    }
    if (const auto first = shiftedToRead(badge.colour1, badge.colour2, target, named)) {
      badge.colour1 = *first;
      return;
    }
  }
  throw std::logic_error("worldgen: no shade of a club's two colours reads");
}

}  // namespace kervale::worldgen
