#include "tools/distance/hygiene_coefficients.h"

#include <gtest/gtest.h>

namespace tolvar::distance {
namespace {

struct Case {
  SiteChoices choices;
  int band;
  Coefficients expected;
  bool matched;
};

TEST(HygieneCoefficients, TheChoicesPickTheirRowAndBand) {
  const Case cases[] = {
      {{"大于4", "有", "大于允许1/3", ""}, 1, {530, 0.021f, 1.85f, 0.84f}, true},
      {{"大于4", "有", "大于允许1/3", ""}, 2, {530, 0.036f, 1.77f, 0.84f}, true},
      {{"大于4", "有", "大于允许1/3", ""}, 3, {290, 0.036f, 1.77f, 0.76f}, true},
      {{"大于4", "有", "小于允许1/3", ""}, 3, {190, 0.036f, 1.77f, 0.76f}, true},
      {{"大于4", "无", "", "急性指标"}, 1, {350, 0.021f, 1.85f, 0.84f}, true},
      {{"大于4", "无", "", "慢性指标"}, 3, {140, 0.036f, 1.77f, 0.76f}, true},
      {{"大于2小于4", "有", "大于允许1/3", ""}, 3, {380, 0.036f, 1.77f, 0.76f}, true},
      {{"大于2小于4", "有", "小于允许1/3", ""}, 2, {470, 0.036f, 1.77f, 0.84f}, true},
      {{"大于2小于4", "无", "", "急性指标"}, 3, {250, 0.036f, 1.77f, 0.76f}, true},
      {{"大于2小于4", "无", "", "慢性指标"}, 1, {350, 0.021f, 1.85f, 0.84f}, true},
      {{"小于2", "", "", ""}, 1, {400, 0.01f, 1.85f, 0.78f}, true},
      {{"小于2", "有", "大于允许1/3", "慢性指标"}, 2, {400, 0.015f, 1.79f, 0.78f}, true},
      {{"小于2", "无", "", ""}, 3, {80, 0.015f, 1.79f, 0.57f}, true},
      // The list that the stacks choice hides plays no part.
      {{"大于4", "无", "大于允许1/3", "急性指标"}, 1, {350, 0.021f, 1.85f, 0.84f}, true},
      {{"大于4", "有", "小于允许1/3", "慢性指标"}, 1, {350, 0.021f, 1.85f, 0.84f}, true},
      // Incomplete or unknown choices fall back on the calm-wind row of the band.
      {{"", "", "", ""}, 1, {400, 0.01f, 1.85f, 0.78f}, false},
      {{"大于4", "", "大于允许1/3", "急性指标"}, 2, {400, 0.015f, 1.79f, 0.78f}, false},
      {{"大于4", "有", "", "急性指标"}, 3, {80, 0.015f, 1.79f, 0.57f}, false},
      {{"大于4", "无", "急性指标", ""}, 1, {400, 0.01f, 1.85f, 0.78f}, false},
      {{"大于4 ", "有", "大于允许1/3", ""}, 1, {400, 0.01f, 1.85f, 0.78f}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.choices.windSpeed + "/" + c.choices.stacks + "/" + c.choices.stackEmission +
                 "/" + c.choices.concentrationIndex + " band " + std::to_string(c.band));
    CoefficientChoice choice = selectCoefficients(c.choices, c.band);
    EXPECT_EQ(choice.matched, c.matched);
    EXPECT_EQ(choice.coefficients.a, c.expected.a);
    EXPECT_EQ(choice.coefficients.b, c.expected.b);
    EXPECT_EQ(choice.coefficients.c, c.expected.c);
    EXPECT_EQ(choice.coefficients.d, c.expected.d);
  }
}

TEST(HygieneCoefficients, TheFirstDistanceChoosesTheBand) {
  EXPECT_EQ(distanceBand(29.16057f), 1);
  EXPECT_EQ(distanceBand(1000.0f), 1);
  EXPECT_EQ(distanceBand(1000.0001f), 2);
  EXPECT_EQ(distanceBand(2000.0f), 2);
  EXPECT_EQ(distanceBand(2000.0002f), 3);
}

}  // namespace
}  // namespace tolvar::distance
