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

TEST(Colour, WhatTheGameWritesAsAColour) {
  for (const char* good : {"&H0", "&HFF500", "&hc0c0c0", "&H000000", "&H101F"}) EXPECT_TRUE(isColourText(good)) << good;
  // Blanks, the long-number suffix and a fourth byte never come from the game.
  for (const char* bad : {"", "&H", "FF500", "&HFG", "&H1000000", " &HFF", "&HFF&", "red", "&H12 34"}) {
    EXPECT_FALSE(isColourText(bad)) << bad;
  }
}

}  // namespace
}  // namespace kervale
