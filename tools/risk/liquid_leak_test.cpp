#include "tools/risk/liquid_leak.h"

#include <gtest/gtest.h>

#include "framework/number_format.h"

namespace tolvar::risk {
namespace {

constexpr LiquidLeakInputs kOpening{.dischargeCoefficient = 0.62f,
                                    .holeArea = 0.02f,
                                    .vesselPressure = 12000.0f,
                                    .ambientPressure = 10100.0f,
                                    .liquidHead = 5.0f,
                                    .density = 0.8f};

LiquidLeakInputs with(float LiquidLeakInputs::*member, float value,
                      LiquidLeakInputs in = kOpening) {
  in.*member = value;
  return in;
}

TEST(LiquidLeak, OrificeRateWithGravityOf982) {
  struct Case {
    const char* what;
    LiquidLeakInputs in;
    const char* expected;
  };
  LiquidLeakInputs reversed = with(&LiquidLeakInputs::vesselPressure, 10100.0f);
  reversed.ambientPressure = 12000.0f;
  const Case cases[] = {
      {"opening values", kOpening, "0.6907198"},
      {"water-like density", with(&LiquidLeakInputs::density, 1000.0f), "125.2339"},
      {"negative radicand", with(&LiquidLeakInputs::liquidHead, 0.0f, reversed), "0"},
      {"head outweighed by suction", reversed, "0"},
      {"zero density", with(&LiquidLeakInputs::density, 0.0f), "0"},
      {"no head and no over-pressure",
       with(&LiquidLeakInputs::liquidHead, 0.0f,
            with(&LiquidLeakInputs::ambientPressure, 12000.0f)),
       "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(plainText(liquidLeakRate(c.in)), c.expected);
  }
}

}  // namespace
}  // namespace tolvar::risk
