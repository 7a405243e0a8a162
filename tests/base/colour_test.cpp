#include "base/colour.h"

#include <gtest/gtest.h>

namespace kervale {
namespace {

TEST(Colour, ClubColourText) {
  EXPECT_EQ(clubColourText(255, 5, 0), "&HFF500");
  EXPECT_EQ(clubColourText(0, 10, 255), "&H00AFF");
  EXPECT_EQ(clubColourText(0, 10, 200), "&H00AC8");
  EXPECT_EQ(clubColourText(0, 0, 0), "&H000000");
  EXPECT_EQ(clubColourText(255, 255, 255), "&HFFFFFF");
  EXPECT_EQ(clubColourText(16, 1, 15), "&H101F");
  EXPECT_EQ(clubColourText(300, -4, 255), "&HFF00FF");  // clamped, never bleeding into a neighbour
}

TEST(Colour, FromText) {
  EXPECT_EQ(colourFromText("&HFF500"), 0xFF500u);
  EXPECT_EQ(colourFromText("&HFFFF"), 0xFFFFu);
  EXPECT_EQ(colourFromText("&hc0c0c0"), 0xC0C0C0u);
  EXPECT_EQ(colourFromText(" &H800000& "), 0x800000u);
  EXPECT_EQ(colourFromText("&H000000"), 0u);
  EXPECT_EQ(colourFromText("&HFFFFFFFF"), 0xFFFFFFFFu);
}

TEST(Colour, TextThatIsNotAColourGivesZero) {
  EXPECT_EQ(colourFromText(""), 0u);
  EXPECT_EQ(colourFromText("&H"), 0u);
  EXPECT_EQ(colourFromText("FF500"), 0u);
  EXPECT_EQ(colourFromText("&HFG"), 0u);
  EXPECT_EQ(colourFromText("&H1FFFFFFFF"), 0u);
  EXPECT_EQ(colourFromText("red"), 0u);
}

TEST(Colour, ToTextAndComponents) {
  EXPECT_EQ(colourToText(0xFFFF), "&HFFFF");
  EXPECT_EQ(colourToText(0), "&H0");
  EXPECT_EQ(colourToText(0x800000), "&H800000");
  EXPECT_EQ(colourFromText(colourToText(0x0A0B0C)), 0x0A0B0Cu);

  const Colour yellow = colourFromText("&HFFFF");
  EXPECT_EQ(redOf(yellow), 255);
  EXPECT_EQ(greenOf(yellow), 255);
  EXPECT_EQ(blueOf(yellow), 0);
  EXPECT_EQ(rgbColour(255, 255, 0), yellow);
  EXPECT_EQ(blueOf(colourFromText("&H800000")), 128);
}

}  // namespace
}  // namespace kervale
