#include "base/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

namespace kervale {
namespace {

TEST(NumText, DoublesAndSingles) {
  EXPECT_EQ(numText(-0.0), "0");
  EXPECT_EQ(numText(-13.0), "-13");
  EXPECT_EQ(numText(-0.5), "-.5");
  EXPECT_EQ(numText(0.05), ".05");
  EXPECT_EQ(numText(123456789012345.0), "123456789012345");
  EXPECT_EQ(numText(-999999999999999.0), "-999999999999999");
  EXPECT_EQ(numText(-1e7f), "-1E+07");
  EXPECT_EQ(numText(20.0 / 3.0), "6.66666666666667");  // fifteen digits for doubles
  EXPECT_EQ(numText(0.1 + 0.2), ".3");
  EXPECT_EQ(numText(1.0 - 1e-16), "1");
  EXPECT_EQ(numText(0.1f), ".1");  // seven for singles
  EXPECT_EQ(numText(20.0f / 3.0f), "6.666667");
  EXPECT_EQ(numText(9999999.0f), "9999999");
  EXPECT_EQ(numText(1e7f), "1E+07");
  EXPECT_EQ(numText(std::int16_t{-7}), "-7");
  EXPECT_EQ(numText(2147483647L), "2147483647");
}

TEST(NumText, ExponentFormForVeryLargeAndSmall) {
  EXPECT_EQ(numText(1e15), "1E+15");
  EXPECT_EQ(numText(-2.5e20), "-2.5E+20");
  EXPECT_EQ(numText(0.0001), ".0001");
  EXPECT_EQ(numText(0.00001), "1E-05");
  EXPECT_EQ(numText(1.5e-300), "1.5E-300");
  EXPECT_EQ(numText(999999999999999.9), "1E+15");  // rounding carries into a new digit
}

// As many digits as read back to the same number, in numText's form.
TEST(NumText, ExactTextReadsBackAsTheSameNumber) {
  EXPECT_EQ(exactNumText(0.1), ".1");
  EXPECT_EQ(exactNumText(0.1 + 0.2), ".30000000000000004");
  EXPECT_EQ(exactNumText(-1e15), "-1E+15");
  EXPECT_EQ(exactNumText(std::nextafter(1e20, 0.0)), "9.999999999999998E+19");
  for (const double x : {1.0 / 3.0, -4.0600000000000005, 5e-324, std::numeric_limits<double>::max()}) {
    EXPECT_EQ(Val(exactNumText(x)), x) << exactNumText(x);
  }
}

TEST(Str, LeadingBlankForZeroAndAbove) {
  EXPECT_EQ(Str(-0.0), " 0");
  EXPECT_EQ(Str(-0.5), "-.5");
  EXPECT_EQ(Str(0.5), " .5");
  EXPECT_EQ(Str(13), " 13");
  EXPECT_EQ(Str(-7), "-7");
  EXPECT_EQ(Str(0), " 0");
  EXPECT_EQ(Str(-999999999999999.0), "-999999999999999");
  EXPECT_EQ(Str(999999999999999.0), " 999999999999999");
  EXPECT_EQ(Str(1e15), " 1E+15");
  EXPECT_EQ(Str(-1e15), "-1E+15");
  EXPECT_EQ(Str(std::nan("")), "NaN");
  EXPECT_EQ(Str(20.0 / 3.0), " 6.66666666666667");
  EXPECT_EQ(Str(-0.1f), "-.1");
}

TEST(Rounding, FloorAndHalvesToEven) {
  EXPECT_EQ(Int(2.7), 2);
  EXPECT_EQ(Int(-2.2), -3);
  EXPECT_EQ(roundHalfEven(0.5), 0);
  EXPECT_EQ(roundHalfEven(1.5), 2);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(-3.5), -4);
  EXPECT_EQ(roundHalfEven(2.5000001), 3);
  EXPECT_EQ(CInt(2.5), 2);
  EXPECT_EQ(CLng(3.5), 4);
  EXPECT_EQ(CLng(-4.5), -4);
}

TEST(Rounding, OutOfRangeClampsInsteadOfOverflowing) {
  EXPECT_EQ(CInt(40000), 32767);
  EXPECT_EQ(CInt(-40000), -32768);
  EXPECT_EQ(CInt(32767.5), 32767);
  EXPECT_EQ(CInt(-32768.5), -32768);
  EXPECT_EQ(CLng(3e9), 2147483647);
  EXPECT_EQ(CLng(-3e9), -2147483647 - 1);
  EXPECT_EQ(CLng(2147483646.5), 2147483646);
  EXPECT_EQ(CLng(std::numeric_limits<double>::infinity()), 2147483647);
  EXPECT_EQ(CInt(-std::numeric_limits<double>::infinity()), -32768);
  EXPECT_EQ(CInt(std::nan("")), 0);
  EXPECT_EQ(CLng(std::nan("")), 0);
}

TEST(Rounding, IntIsFloorForEveryKindOfValue) {
  EXPECT_EQ(Int(0.999999999999), 0);
  EXPECT_EQ(Int(7.0), 7);
  EXPECT_EQ(Int(4503599627370495.5), 4503599627370495.0);
  EXPECT_EQ(Int(9007199254740993.0), 9007199254740993.0);
  EXPECT_EQ(Int(-2.5), -3);
  EXPECT_EQ(Int(-1e-300), -1);
  EXPECT_TRUE(std::signbit(Int(-0.0)));
  EXPECT_FALSE(std::signbit(Int(0.0)));
  EXPECT_TRUE(std::isnan(Int(std::nan(""))));
  EXPECT_EQ(Int(std::numeric_limits<double>::infinity()), std::numeric_limits<double>::infinity());
  for (double x = -3; x <= 3; x += 0.125) ASSERT_EQ(Int(x), std::floor(x)) << x;
}

TEST(Rounding, TheEdgesOfTheRangeRoundLikeTheMiddle) {
  // Inside the range a store rounds without the general rule; its answers must not differ from it.
  EXPECT_EQ(CInt(32767.49), 32767);
  EXPECT_EQ(CInt(32766.5), 32766);
  EXPECT_EQ(CInt(-32768.49), -32768);
  EXPECT_EQ(CInt(-32767.5), -32768);
  EXPECT_EQ(CInt(-0.5), 0);
  EXPECT_EQ(CInt(-1.5), -2);
  EXPECT_EQ(CInt(0.49999999999999994), 0);
  EXPECT_EQ(CInt(4503599627370495.5), 32767);
  EXPECT_EQ(CLng(2147483647.49), 2147483647);
  EXPECT_EQ(CLng(-2147483648.49), -2147483647 - 1);
  EXPECT_EQ(CLng(1073741824.5), 1073741824);
  EXPECT_EQ(CLng(-6.5), -6);
  for (double x = -40000; x <= 40000; x += 0.25) ASSERT_EQ(CInt(x), detail::clampedInt16(x)) << x;
}

TEST(Val, LeadingNumberOfText) {
  EXPECT_EQ(Val("  -3.25xyz"), -3.25);
  EXPECT_EQ(Val("+7"), 7);
  EXPECT_EQ(Val(".5"), 0.5);
  EXPECT_EQ(Val("1 2 3"), 123);  // blanks inside the number are skipped too
  EXPECT_EQ(Val("1E-05"), 1e-5);
  EXPECT_EQ(Val("1.5D2"), 150);
  EXPECT_EQ(Val("3e"), 3);
  EXPECT_EQ(Val("1.2.3"), 1.2);
  for (const char* none : {"", "abc", "-", ".", "   ", "e5", "&H", "&X12", "-1e-999"}) EXPECT_EQ(Val(none), 0) << none;
  EXPECT_EQ(Val("&hff500"), 0xFF500);
  EXPECT_EQ(Val("&HFFFF"), 65535);
  EXPECT_TRUE(std::isinf(Val("1e999")));
}

TEST(Format, Patterns) {
  EXPECT_EQ(Format(0.4567, "##.#%"), "45.7%");
  EXPECT_EQ(Format(1.0, "##.#%"), "100.%");
  EXPECT_EQ(Format(0.0, "##.#%"), ".%");
  EXPECT_EQ(Format(7, "#.##"), "7.");
  EXPECT_EQ(Format(0.5, "#.##"), ".5");
  EXPECT_EQ(Format(2.0 / 3.0, "#.##"), ".67");
  EXPECT_EQ(Format(0.125, "#.##"), ".13");  // halves away from zero
  EXPECT_EQ(Format(1.005, "#.##"), "1.01");
  EXPECT_EQ(Format(9.999, "#.##"), "10.");
  EXPECT_EQ(Format(-1.25, "#.##"), "-1.25");
  EXPECT_EQ(Format(-0.001, "#.##"), ".");
  EXPECT_EQ(Format(12345.678, "####.##"), "12345.68");
  EXPECT_EQ(Format(3, "0.0"), "3.0");
  EXPECT_EQ(Format(-0.04, "0.0"), "0.0");
  EXPECT_EQ(Format(2.25, "0.0"), "2.3");
  EXPECT_EQ(Format(0, "#,##0"), "0");
  EXPECT_EQ(Format(1234567, "#,##0"), "1,234,567");
  EXPECT_EQ(Format(-1234.5, "#,##0"), "-1,235");
  EXPECT_EQ(Format(5, "000"), "005");
  EXPECT_EQ(Format(5, "$#,##0 k"), "$5 k");
  EXPECT_EQ(Format(2.5, ""), "2.5");
}

// "##.#%" has a way of its own for shares of 1% and more; "#.#%" means the
// same text and takes the general one, so the two must agree everywhere.
void expectShareAsGeneral(double x) { EXPECT_EQ(Format(x, "##.#%"), Format(x, "#.#%")) << x; }

TEST(Format, ASharePercentReadsAsTheGeneralRule) {
  const std::pair<double, const char*> shares[] = {{0.01, "1.%"},      {0.123, "12.3%"},    {0.12349, "12.3%"},
                                                   {0.12351, "12.4%"}, {0.999999, "100.%"}, {0.005, ".5%"},
                                                   {0.0999, "10.%"}};
  for (const auto& [share, text] : shares) EXPECT_EQ(Format(share, "##.#%"), text) << share;
  // Every possession share of a match, and the values a step either side.
  for (int total = 1; total <= 300; ++total) {
    for (int count = 0; count <= total; ++count) {
      const double share = static_cast<double>(count) / total;
      expectShareAsGeneral(share);
      expectShareAsGeneral(std::nextafter(share, 0.0));
      expectShareAsGeneral(std::nextafter(share, 1.0));
    }
  }
}

TEST(Format, ASharePercentRoundsItsFifteenDigitsFirst) {
  // Values a few steps from a half tenth: the fifteen significant digits
  // decide, so 12.349999999999999 reads as 12.35 and rounds up.
  for (double half : {0.0105, 0.1235, 0.4565, 0.9995, 0.0995}) {
    for (int step = -40; step <= 40; ++step) {
      double x = half;
      for (int k = 0; k < std::abs(step); ++k) x = std::nextafter(x, step < 0 ? 0.0 : 1.0);
      expectShareAsGeneral(x);
    }
  }
  // Values with a long binary fraction, whose exact digits run far past the
  // fifteenth: their rounding to fifteen digits is worked in whole numbers.
  for (int whole = 1; whole <= 99; ++whole) {
    for (int n = 1; n < 64; n += 2) expectShareAsGeneral((whole + n * 0x1p-14) / 100);
  }
}

TEST(TextHelpers, CaseTrimAndSlicesNeverRunOutside) {
  EXPECT_EQ(UCase("Kervale fc 1"), "KERVALE FC 1");
  EXPECT_EQ(LCase("KerVale"), "kervale");
  EXPECT_EQ(Trim("  two words  "), "two words");
  EXPECT_EQ(Trim("    "), "");
  EXPECT_EQ(withoutControlCharacters("Al\tex\r\n Mor\x7fgan\xc3\xa9"), "Alex Morgan\xc3\xa9");
  EXPECT_EQ(Left("abcdef", 2), "ab");
  EXPECT_EQ(Left("abc", 10), "abc");
  EXPECT_EQ(Left("abc", -1), "");
  EXPECT_EQ(Right("abcdef", 2), "ef");
  EXPECT_EQ(Right("abc", -3), "");
  EXPECT_EQ(Mid("abcdef", 2, 3), "bcd");
  EXPECT_EQ(Mid("abcdef", 4), "def");
  EXPECT_EQ(Mid("abcdef", 5, 10), "ef");
  EXPECT_EQ(Mid("abcdef", 100), "");
  EXPECT_EQ(Mid("abcdef", 0, 2), "ab");
  EXPECT_EQ(Mid("abcdef", -5), "abcdef");
  EXPECT_EQ(Mid("", 1, 1), "");
}

}  // namespace
}  // namespace kervale
