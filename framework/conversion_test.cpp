#include "framework/conversion.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <optional>

namespace tolvar {
namespace {

struct StrictCase {
  const char* text;
  std::optional<double> expected;  // nothing: the conversion fails
};

TEST(StrictConversion, AcceptsTheNumberSyntaxAndNothingElse) {
  const StrictCase cases[] = {
      {" 12.5 ", 12.5},
      {"1e3", 1000},
      {"1,000", 1000},
      {"-1,234,567.5", -1234567.5},
      {"+7", 7},
      {".5", 0.5},
      {"5.", 5},
      {"2.5E-3", 0.0025},
      {"1e+2", 100},
      {"\t3\t", 3},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"12a", std::nullopt},
      {"1 2", std::nullopt},
      {".", std::nullopt},
      {"-", std::nullopt},
      {"1e", std::nullopt},
      {"e3", std::nullopt},
      {",1", std::nullopt},
      {"1,", std::nullopt},
      {"1,,0", std::nullopt},
      {"1.2.3", std::nullopt},
      {"1.5,0", std::nullopt},
      {"inf", std::nullopt},
      {"nan", std::nullopt},
      {"0x10", std::nullopt},
      {"--1", std::nullopt},
      {"１２", std::nullopt},  // full-width digits
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    auto asDouble = parseDouble(c.text);
    ASSERT_EQ(asDouble.has_value(), c.expected.has_value());
    if (c.expected) {
      EXPECT_EQ(*asDouble, *c.expected);
    }
    EXPECT_EQ(parseSingle(c.text).has_value(), c.expected.has_value());
  }
}

TEST(StrictConversion, RoundsToTheTargetPrecision) {
  EXPECT_EQ(*parseSingle("0.1"), 0.1f);
  EXPECT_EQ(*parseDouble("0.1"), 0.1);
  EXPECT_NE(static_cast<double>(*parseSingle("0.1")), 0.1);
  EXPECT_EQ(*parseSingle("16777217"), 16777216.0f);
}

TEST(StrictConversion, FailsOutsideTheTargetRange) {
  EXPECT_FALSE(parseSingle("1e39").has_value());
  EXPECT_FALSE(parseSingle("-3.5e38").has_value());
  EXPECT_EQ(*parseDouble("1e39"), 1e39);
  EXPECT_FALSE(parseDouble("1e309").has_value());
  EXPECT_EQ(*parseSingle("3.4e38"), 3.4e38f);
  // Values too small for the target become zero rather than failing.
  EXPECT_EQ(*parseSingle("1e-50"), 0.0f);
  EXPECT_EQ(*parseDouble("1e-400"), 0.0);
}

TEST(LeadingNumber, ReadsWhatTheTextStartsWith) {
  const std::pair<const char*, double> cases[] = {
      {"12a", 12}, {"", 0},        {"1 2", 12},    {"1,5", 1},   {"abc", 0},     {" -3.5kg", -3.5},
      {"- 4", -4}, {"2.5.6", 2.5}, {"1e3x", 1000}, {"1D2", 100}, {"1d-2", 0.01}, {"7e", 7},
      {"7e+", 7},  {".5", 0.5},    {"+.25", 0.25}, {"-", 0},     {".", 0},       {"1 e 2", 100},
  };
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(leadingNumber(text), expected);
  }
}

TEST(LeadingNumber, NeverFailsOnHugeExponents) {
  EXPECT_EQ(leadingNumber("1e999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(leadingNumber("-1e999"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(leadingNumber("1e-999"), 0.0);
}

TEST(ToSingle, RoundsAndOverflowsToInfinityWithTheFlag) {
  EXPECT_EQ(toSingle(41.0206), 41.0206f);
  std::feclearexcept(FE_ALL_EXCEPT);
  EXPECT_EQ(toSingle(1e39), std::numeric_limits<float>::infinity());
  EXPECT_TRUE(std::fetestexcept(FE_OVERFLOW));
  EXPECT_EQ(toSingle(-1e39), -std::numeric_limits<float>::infinity());
  EXPECT_EQ(toSingle(3.4028234e38), std::numeric_limits<float>::max());
  EXPECT_TRUE(std::isnan(toSingle(std::nan(""))));
}

}  // namespace
}  // namespace tolvar
