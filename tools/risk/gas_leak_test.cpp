#include "tools/risk/gas_leak.h"

#include <gtest/gtest.h>

#include <cmath>

#include "framework/number_format.h"

namespace tolvar::risk {
namespace {

constexpr GasLeakInputs kOpening{.holeArea = 0.02f,
                                 .vesselPressure = 12000.0f,
                                 .ambientPressure = 10100.0f,
                                 .molecularWeight = 80.0f,
                                 .gasTemperature = 500.0f,
                                 .heatCapacityRatio = 1.5f};

constexpr GasLeakInputs kAirJet{.holeArea = 0.02f,
                                .vesselPressure = 300000.0f,
                                .ambientPressure = 101325.0f,
                                .molecularWeight = 29.0f,
                                .gasTemperature = 300.0f,
                                .heatCapacityRatio = 1.4f};

TEST(GasLeak, DischargeCoefficientFollowsTheShapeText) {
  const std::pair<const char*, float> cases[] = {
      {"圆形", 1.00f}, {"三角形", 0.95f}, {"长方形", 0.90f},
      {"", 0.90f},     {"椭圆形", 0.90f}, {" 圆形", 0.90f},
  };
  for (const auto& [shape, cd] : cases) {
    SCOPED_TRACE(shape);
    EXPECT_EQ(gasDischargeCoefficient(shape), cd);
  }
}

TEST(GasLeak, SubcriticalFlowWithOpeningValues) {
  GasLeakValues v = gasLeak(kOpening, "", {});
  EXPECT_EQ(v.dischargeCoefficient, 0.90f);
  EXPECT_NEAR(v.pressureRatio, 0.8416667, 1e-7);
  EXPECT_EQ(plainText(v.criticalRatio), "0.512");
  EXPECT_EQ(plainText(v.outflowCoefficient), "0.7359728");
  EXPECT_EQ(plainText(v.leakRate), "15.46112");
}

TEST(GasLeak, CriticalFlowTakesAnOutflowCoefficientOfOne) {
  GasLeakValues v = gasLeak(kAirJet, "圆形", {});
  EXPECT_EQ(plainText(v.pressureRatio), "0.33775");
  EXPECT_EQ(plainText(v.criticalRatio), "0.5282818");
  EXPECT_EQ(v.outflowCoefficient, 1.0f);
  EXPECT_EQ(plainText(v.leakRate), "443.0012");
}

TEST(GasLeak, APressureRatioEqualToTheCriticalRatioIsCritical) {
  GasLeakInputs in = kOpening;
  in.vesselPressure = 1000.0f;
  in.ambientPressure = 512.0f;  // 0.512 = (2/2.5)^3, the critical ratio at κ = 1.5
  GasLeakValues v = gasLeak(in, "", {});
  ASSERT_EQ(v.pressureRatio, v.criticalRatio);
  EXPECT_EQ(v.outflowCoefficient, 1.0f);
  EXPECT_EQ(v.y1, 0.0f);
}

TEST(GasLeak, ATriangleLeaksNinetyFivePercentOfACircle) {
  for (const GasLeakInputs& in : {kOpening, kAirJet}) {
    float circle = gasLeak(in, "圆形", {}).leakRate;
    float triangle = gasLeak(in, "三角形", {}).leakRate;
    EXPECT_NEAR(triangle / circle, 0.95f, 1e-6f);
  }
  EXPECT_EQ(plainText(gasLeak(kAirJet, "三角形", {}).leakRate), "420.8511");
}

TEST(GasLeak, AStepThatFaultsKeepsThePreviousPressValue) {
  GasLeakInputs freezing = kOpening;
  freezing.gasTemperature = -500.0f;  // the root of a negative number
  EXPECT_EQ(gasLeak(freezing, "", {}).leakRate, 0.0f);
  GasLeakValues first = gasLeak(kOpening, "", {});
  GasLeakValues second = gasLeak(freezing, "", first);
  EXPECT_EQ(second.s, first.s);
  EXPECT_EQ(plainText(second.leakRate), "15.46112");

  GasLeakInputs monatomicLimit = kAirJet;
  monatomicLimit.heatCapacityRatio = 1.0f;  // κ/(κ−1) divides by zero before the power
  GasLeakValues third = gasLeak(monatomicLimit, "", first);
  EXPECT_EQ(third.criticalRatio, first.criticalRatio);
  EXPECT_TRUE(std::isinf(third.e));
}

TEST(GasLeak, AZeroVesselPressureStoresAnInfiniteRatio) {
  GasLeakInputs in = kOpening;
  in.vesselPressure = 0.0f;
  GasLeakValues v = gasLeak(in, "", {});
  EXPECT_TRUE(std::isinf(v.pressureRatio));
  EXPECT_EQ(plainText(v.leakRate), "NaN");
}

}  // namespace
}  // namespace tolvar::risk
