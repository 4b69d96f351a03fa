#include "framework/number_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace tolvar {
namespace {

TEST(PlainText, SingleValuesShowSevenDigits) {
  const std::pair<float, const char*> cases[] = {
      {41.0206f, "41.0206"},
      {1234567.8f, "1234568"},
      {12345678.0f, "1.234568E+07"},
      {21283212.0f, "2.128321E+07"},
      {0.00001f, "1E-05"},
      {0.0001f, "0.0001"},
      {0.5f, "0.5"},
      {-0.5f, "-0.5"},
      {0.0f, "0"},
      {-0.0f, "0"},
      {80.0f, "80"},
      {1.0f / 3.0f, "0.3333333"},
      {29.16057f, "29.16057"},
      {9999999.0f, "9999999"},
      {9999999.7f, "1E+07"},
      {1e-10f, "1E-10"},
      {99999.9921875f, "99999.99"},
      {99999992.0f, "9.999999E+07"},
      {3.4e38f, "3.4E+38"},
      {0.1f, "0.1"},
  };
  for (const auto& [value, expected] : cases) {
    SCOPED_TRACE(expected);
    EXPECT_EQ(plainText(value), expected);
  }
}

TEST(PlainText, DoubleValuesShowFifteenDigits) {
  const std::pair<double, const char*> cases[] = {
      {1.0 / 3.0, "0.333333333333333"},
      {0.1, "0.1"},
      {41.0206f, "41.0205993652344"},  // the digits a single value really holds
      {123456789012345.0, "123456789012345"},
      {1234567890123456.0, "1.23456789012346E+15"},
      {-2.5e-7, "-2.5E-07"},
      {1e100, "1E+100"},
      {0.1 + 0.2, "0.3"},
      {5e-324, "4.94065645841247E-324"},
  };
  for (const auto& [value, expected] : cases) {
    SCOPED_TRACE(expected);
    EXPECT_EQ(plainText(value), expected);
  }
}

TEST(PlainText, NonFiniteValues) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(plainText(inf), "Inf");
  EXPECT_EQ(plainText(-std::numeric_limits<float>::infinity()), "-Inf");
  EXPECT_EQ(plainText(std::numeric_limits<double>::quiet_NaN()), "NaN");
  EXPECT_EQ(maskedText(inf, "######.##"), "Inf");
}

struct MaskCase {
  double value;
  const char* mask;
  const char* expected;
};

TEST(MaskedText, FormatsAsTheMaskSays) {
  const MaskCase cases[] = {
      {85.2349, "######.##", "85.23"},
      {1234567.891, "######.##", "1234567.89"},
      {1234.5, "###,##0.00", "1,234.50"},
      {0, "###,##0.00", "0.00"},
      {0.5, "######.##", ".5"},
      {0, "######.##", "."},
      {80, "######.##", "80."},
      {0.004, "######.##", "."},
      {99.999, "######.##", "100."},
      {-3.14159, "######.##", "-3.14"},
      {-0.001, "######.##", "-."},
      {0.005, "######.##", ".01"},  // half away from zero at the last place
      {-0.005, "######.##", "-.01"},
      {2.675, "######.##", "2.68"},  // a tie in the decimal digits, not in binary
      {0.125, "#.##", ".13"},
      {9.995, "#.##", "10."},
      {999999.995, "###,###.##", "1,000,000."},
      {1234567, "#,##0", "1,234,567"},
      {12, "0000", "0012"},
      {0.5, "0.0#", "0.5"},
      {0.5, "#.0#", ".5"},
      {1.456, "0.0#", "1.46"},
      {123.4, "#", "123"},
      {0.4, "#", ""},
      {0.5, "#", "1"},
      {1e20, "######.##", "100000000000000000000."},
      {11.467 * 0.0256, "####.#####", ".29356"},
      {0.000001, "#########.######", ".000001"},
      {12345.678901, "#########.######", "12345.678901"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.mask) + " " + c.expected);
    EXPECT_EQ(maskedText(c.value, c.mask), c.expected);
  }
}

TEST(MaskedText, SingleValuesRoundOnTheirSevenDigits) {
  // 2.675f holds 2.67499995..., which the user sees as 2.675.
  EXPECT_EQ(maskedText(2.675f, "######.##"), "2.68");
  EXPECT_EQ(maskedText(2.675, "######.##"), "2.68");
  EXPECT_EQ(maskedText(static_cast<double>(2.675f), "######.##"), "2.67");
  EXPECT_EQ(maskedText(1234567.8f, "######.##"), "1234568.");
  EXPECT_EQ(maskedText(41.0206f, "####.#####"), "41.0206");
}

TEST(MaskRounded, ConvertsTheMaskedTextBack) {
  EXPECT_EQ(plainText(maskRounded(99.999f, "######.##")), "100");
  EXPECT_EQ(plainText(maskRounded(0.5f, "######.##")), "0.5");
  EXPECT_EQ(plainText(maskRounded(63.0103f, "######.##")), "63.01");
  EXPECT_EQ(plainText(maskRounded(1.0f, "######.##")), "1");
  EXPECT_EQ(maskRounded(85.2349, "######.##"), 85.23);
  // The single nearest to 63.01 is shown with its seven digits.
  EXPECT_EQ(maskRounded(63.0103f, "######.##"), 63.01f);
}

TEST(MaskRounded, KeepsTheValueWhenTheMaskedTextIsNoNumber) {
  EXPECT_EQ(maskRounded(0.004f, "######.##"), 0.004f);
  EXPECT_EQ(maskRounded(-0.001, "######.##"), -0.001);
  EXPECT_EQ(plainText(maskRounded(0.004f, "######.##")), "0.004");
}

}  // namespace
}  // namespace tolvar
