#include "base/colour.h"

#include <gtest/gtest.h>

namespace kervale {
namespace {

TEST(Colour, ClubColourText) {
  EXPECT_EQ(clubColourText(255, 5, 0), "&HFF500");
  EXPECT_EQ(clubColourText(0, 10, 255), "&H00AFF");
  EXPECT_EQ(clubColourText(0, 0, 0), "&H000000");
  EXPECT_EQ(clubColourText(16, 1, 15), "&H101F");
  EXPECT_EQ(clubColourText(300, -4, 255), "&HFF00FF");  // clamped, never bleeding into a neighbour
}

TEST(Colour, FromAndToText) {
  EXPECT_EQ(colourFromText("&HFF500"), 0xFF500u);
  EXPECT_EQ(colourFromText("&hc0c0c0"), 0xC0C0C0u);
  EXPECT_EQ(colourFromText(" &H800000& "), 0x800000u);
  EXPECT_EQ(colourFromText("&HFFFFFFFF"), 0xFFFFFFFFu);
  for (const char* bad : {"", "&H", "FF500", "&HFG", "&H1FFFFFFFF", "red"}) EXPECT_EQ(colourFromText(bad), 0u) << bad;

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

TEST(Colour, LuminanceRunsFromBlackToWhite) {
  EXPECT_DOUBLE_EQ(relativeLuminance(0x000000), 0.0);
  EXPECT_DOUBLE_EQ(relativeLuminance(0xFFFFFF), 1.0);
  EXPECT_NEAR(relativeLuminance(rgbColour(0, 255, 0)), 0.7152, 1e-12) << "green alone";
}

TEST(Colour, ContrastRunsFromTheSameToBlackOnWhite) {
  EXPECT_DOUBLE_EQ(contrastRatio(0xFFFFFF, 0x000000), 21.0);
  EXPECT_DOUBLE_EQ(contrastRatio(0x000000, 0xFFFFFF), 21.0) << "either way round";
  EXPECT_DOUBLE_EQ(contrastRatio(0x808080, 0x808080), 1.0);
  EXPECT_NEAR(contrastRatio(rgbColour(0, 128, 128), rgbColour(192, 192, 0)), 2.45, 0.01);  // teal on dark yellow
  EXPECT_NEAR(contrastRatio(Colour{0xFFFFFF}, rgbColour(0, 192, 192)), 2.26, 0.01);
  // Green weighs most, blue least.
  EXPECT_GT(contrastRatio(rgbColour(0, 255, 0), 0), contrastRatio(rgbColour(255, 0, 0), 0));
  EXPECT_GT(contrastRatio(rgbColour(255, 0, 0), 0), contrastRatio(rgbColour(0, 0, 255), 0));
}

TEST(Colour, TextThatWouldNotReadTurnsBlackOrWhite) {
  const Colour teal = rgbColour(0, 128, 128), yellow = rgbColour(192, 192, 0), navy = rgbColour(0, 0, 128);
  EXPECT_EQ(readableOn(teal, 0xFFFFFF), teal) << "4.8:1 reads";
  EXPECT_EQ(readableOn(teal, yellow), 0x000000u) << "on a light colour black reads better";
  EXPECT_EQ(readableOn(navy, 0x000000), 0xFFFFFFu) << "on a dark colour white reads better";
  EXPECT_EQ(readableOn(yellow, yellow), 0x000000u);
  EXPECT_EQ(readableOn(0xFFFFFF, rgbColour(240, 112, 16)), 0x000000u) << "2.99:1 is just short";
  EXPECT_EQ(readableOn(0xFFFFFF, rgbColour(207, 0, 0)), 0xFFFFFFu);
}

TEST(Colour, WhatTheGameWritesAsAColour) {
  for (const char* good : {"&H0", "&HFF500", "&hc0c0c0", "&H000000", "&H101F"}) EXPECT_TRUE(isColourText(good)) << good;
  // Blanks, the long-number suffix and a fourth byte never come from the game.
  for (const char* bad : {"", "&H", "FF500", "&HFG", "&H1000000", " &HFF", "&HFF&", "red", "&H12 34"}) {
    EXPECT_FALSE(isColourText(bad)) << bad;
  }
}

}  // namespace
}  // namespace kervale
