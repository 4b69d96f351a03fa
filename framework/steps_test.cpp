#include "framework/steps.h"

#include "framework/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace tolvar {
namespace {

struct TextField {
  std::string text;
  void setText(std::string value) { text = std::move(value); }
};

constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(ResumeNext, AFailedConversionLeavesTheTargetAsItWas) {
  float level = 70.0f;
  Steps steps;
  steps.let(level, [] { return strictSingle("abc"); });
  EXPECT_EQ(level, 70.0f);
  steps.let(level, [] { return strictSingle("65"); });
  EXPECT_EQ(level, 65.0f);
  EXPECT_EQ(steps.failedSteps(), 1);
}

TEST(ResumeNext, AFailureAnywhereInTheFormulaLeavesTheWholeTarget) {
  double result = 5.0;
  Steps steps;
  steps.let(result, [] { return 2.0 + naturalLog(0.0) * 0.0; });
  steps.let(result, [&] { return result + squareRoot(-1.0); });
  steps.let(result, [] { return power(-8.0, 1.0 / 3.0); });
  steps.let(result, [] { return static_cast<double>(toInteger(40000.0)); });
  EXPECT_EQ(result, 5.0);
  EXPECT_EQ(steps.failedSteps(), 4);
}

TEST(ResumeNext, PlainArithmeticStoresTheIeeeResultAndCountsAsFailed) {
  float quotient = 1.0f;
  float zero = 0.0f;
  float nan = 1.0f;
  float overflow = 0.0f;
  float sum = 0.0f;
  Steps steps;
  steps.let(quotient, [&] { return strictSingle("-5") / strictSingle("0"); });
  steps.let(nan, [&] { return zero / zero; });
  steps.let(overflow, [] { return std::pow(10.0, 38.6) + 1.0; });  // beyond the single range
  steps.let(sum, [&] { return overflow + 1.0f; });                 // infinity plus one is exact
  EXPECT_EQ(quotient, -kInf);
  EXPECT_TRUE(std::isnan(nan));
  EXPECT_EQ(overflow, kInf);
  EXPECT_EQ(sum, kInf);
  EXPECT_EQ(steps.failedSteps(), 3);
}

TEST(ResumeNext, AFieldWrittenFromFailingArithmeticKeepsItsText) {
  TextField field{"12"};
  float zero = 0.0f;
  float infinite = kInf;
  Steps steps;
  steps.write(field, [&] { return std::to_string(1.0f / zero); });
  EXPECT_EQ(field.text, "12");
  steps.write(field, [] { return std::to_string(strictDouble("x")); });
  EXPECT_EQ(field.text, "12");
  // A stored infinity is shown: formatting it is no failed arithmetic.
  steps.write(field, [&] { return plainText(infinite); });
  EXPECT_EQ(field.text, "Inf");
  steps.write(field, [&] { return maskedText(-infinite, "######.##"); });
  EXPECT_EQ(field.text, "-Inf");
  EXPECT_EQ(steps.failedSteps(), 2);
}

TEST(StopOnFailure, EndsTheHandlerAndReportsTheFirstFailure) {
  double a = 1.0;
  double b = 2.0;
  Steps steps(OnFailure::stop);
  steps.let(a, [] { return strictDouble("12a"); });
  steps.let(b, [] { return 3.0; });
  EXPECT_TRUE(steps.stopped());
  EXPECT_EQ(a, 1.0);
  EXPECT_EQ(b, 2.0);
  ASSERT_TRUE(steps.firstFailure().has_value());
  EXPECT_NE(steps.firstFailure()->find("12a"), std::string::npos);
}

TEST(LibraryFunctions, IntegerConversionsRoundHalfToEvenWithinRange) {
  EXPECT_EQ(toInteger(2.5), 2);
  EXPECT_EQ(toInteger(3.5), 4);
  EXPECT_EQ(toInteger(-32768.4), -32768);
  EXPECT_THROW(toInteger(32767.5), StepFailure);
  EXPECT_EQ(toLong(2147483647.0), 2147483647);
  EXPECT_THROW(toLong(2147483648.0), StepFailure);
  EXPECT_THROW(toLong(std::nan("")), StepFailure);
  EXPECT_EQ(power(-8.0, 3.0), -512.0);
  EXPECT_EQ(power(4.0, 0.5), 2.0);
}

}  // namespace
}  // namespace tolvar
