// Exact decimal scaling and formatting, the base of every frequency text.
#include "core/decimal_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace kt740 {
namespace {

TEST(DecimalText, HalfEvenWorksOnTheDecimalValue) {
  const struct {
    double value;
    int decimals;
    int64_t scaled;
  } cases[] = {
      {145.00625, 5, 14500625},
      {145.0031, 5, 14500310},    // the binary product is 14500309.999...
      {145.000015, 5, 14500002},  // a tie although the binary product is 14500001.4999...
      {145.000025, 5, 14500002},
      {145.000035, 5, 14500004},
      {173.99995, 4, 1740000},
      {173.99985, 4, 1739998},
      {-1.5, 0, -2},
      {-2.5, 0, -2},
      {0.0, 5, 0},
      {1e-300, 5, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ScaleHalfEven(c.value, c.decimals), c.scaled) << c.value;
  EXPECT_FALSE(ScaleHalfEven(1e300, 5));
  EXPECT_FALSE(ScaleHalfEven(std::numeric_limits<double>::quiet_NaN(), 5));
  EXPECT_EQ(FormatScaled(50000, 5, 0), ".50000");
  EXPECT_EQ(FormatScaled(-400000, 5, 3), "-004.00000");
  EXPECT_EQ(FormatScaled(14500000, 0, 9), "014500000");
  EXPECT_EQ(FormatFixed(-0.0, 1, 5), "0.00000");
}

TEST(DecimalText, ParsesOnlyPlainDecimalNumbers) {
  EXPECT_EQ(ParseDecimal("  -145.5 "), -145.5);
  EXPECT_EQ(ParseDecimal("+.5"), 0.5);
  EXPECT_EQ(ParseDecimal("145."), 145.0);
  for (const char* bad : {"", ".", "-", "1e5", "145,5", "1.2.3", "0x10", "inf", "nan"})
    EXPECT_FALSE(ParseDecimal(bad)) << bad;
  EXPECT_EQ(ScaleTruncated("145.123456", 5), 14512345);
  EXPECT_EQ(ScaleTruncated("-0.000019", 5), -1);
  EXPECT_FALSE(ScaleTruncated("1234567890123456789", 0));
}

}  // namespace
}  // namespace kt740
