#include "tools/distance/distance_search.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "framework/number_format.h"

namespace tolvar::distance {
namespace {

float single(double value) {
  return static_cast<float>(value);
}

Relation relationFor(float qc, float cm, float area, Coefficients k) {
  return {single(static_cast<double>(qc) / static_cast<double>(cm)),
          single(1.0 / static_cast<double>(k.a)),
          single(std::pow(static_cast<double>(area) / 3.14, 0.5)), k};
}

// The stepped search written out step by step, ended only where L stops growing, which is the
// one place where it provably never ends.
std::optional<float> literalSearch(const Relation& relation) {
  const Coefficients& k = relation.coefficients;
  float l = 0.0f;
  for (;;) {
    float next = single(static_cast<double>(l) + 0.01);
    if (next == l) return std::nullopt;
    l = next;
    float x1 = single(std::pow(static_cast<double>(l), static_cast<double>(k.c)) * k.b);
    float x2 = single(std::pow(static_cast<double>(relation.radius), 2.0) * 0.25);
    float x3 = single(static_cast<double>(x1) + x2);
    float x4 = single(relation.inverseA * std::sqrt(static_cast<double>(x3)));
    float y = single(std::pow(static_cast<double>(l), static_cast<double>(k.d)) * x4);
    float diff = single(static_cast<double>(y) - relation.ratio);
    if (std::fabs(diff) < 0.001f) return l;
  }
}

constexpr Coefficients kWindyBand1{530, 0.021f, 1.85f, 0.84f};
constexpr Coefficients kWindyBand2{530, 0.036f, 1.77f, 0.84f};
constexpr Coefficients kWindyBand3{290, 0.036f, 1.77f, 0.76f};
constexpr Coefficients kModerateChronic{350, 0.021f, 1.85f, 0.84f};
constexpr Coefficients kCalmBand1{400, 0.01f, 1.85f, 0.78f};
constexpr Coefficients kCalmBand3{80, 0.015f, 1.79f, 0.57f};

struct Input {
  float qc;
  float cm;
  float area;
  Coefficients k;
};

std::string describe(const Input& in) {
  return plainText(in.qc) + " " + plainText(in.cm) + " " + plainText(in.area) +
         " A=" + plainText(in.k.a) + " D=" + plainText(in.k.d);
}

void expectSameAsLiteral(const Input& in) {
  SCOPED_TRACE(describe(in));
  Relation relation = relationFor(in.qc, in.cm, in.area, in.k);
  std::optional<float> fast = searchDistance(relation);
  std::optional<float> literal = literalSearch(relation);
  ASSERT_EQ(fast.has_value(), literal.has_value());
  if (fast) {
    EXPECT_EQ(std::bit_cast<std::uint32_t>(*fast), std::bit_cast<std::uint32_t>(*literal));
  }
}

TEST(DistanceSearch, GivesBitForBitTheResultOfTheLiteralSteps) {
  const Input table[] = {
      {0.005f, 0.03f, 200, kWindyBand1},
      {0.005f, 0.03f, 200, kCalmBand1},
      {2, 0.03f, 200, kWindyBand1},
      {2, 0.03f, 200, kWindyBand2},
      {6, 0.03f, 200, kWindyBand3},
      {0.0001f, 1, 200, kWindyBand1},
      {0.05f, 0.5f, 0, kCalmBand3},
      {0.3f, 0.1f, 1000, kModerateChronic},
      {1, 0.03f, 5000, kCalmBand1},
      {10, 0.2f, 300, kCalmBand3},
      {0.02f, 0.01f, 50, kWindyBand2},
      {100, 0.03f, 200, kWindyBand1},
      {0.00003f, 0.03f, 200, kWindyBand1},
      {0.00006f, 0.03f, 200, kWindyBand1},
      // Never ending: stepping over the band, and a ratio beyond reach by 262144 m.
      {450, 0.5f, 2000, kWindyBand1},
      {1000000, 0.001f, 200, kWindyBand1},
  };
  for (const Input& in : table) expectSameAsLiteral(in);
}

TEST(DistanceSearch, AgreesWithTheLiteralStepsAcrossASweepOfEmissionRates) {
  for (Coefficients k : {kWindyBand1, kWindyBand2, kWindyBand3, kCalmBand3}) {
    for (double qc = 0.002; qc < 5.0; qc *= 1.1) expectSameAsLiteral({single(qc), 0.03f, 200, k});
  }
}

TEST(DistanceSearch, AgreesWithTheLiteralStepsAcrossASweepOfAreas) {
  for (Coefficients k : {kModerateChronic, kCalmBand1}) {
    for (double area = 1; area < 20000; area *= 1.4)
      expectSameAsLiteral({1, 0.03f, single(area), k});
  }
}

TEST(DistanceSearch, FindsTheDistancesOfTheWorkedExamples) {
  EXPECT_EQ(plainText(*searchDistance(relationFor(0.005f, 0.03f, 200, kWindyBand1))), "29.16057");
  EXPECT_EQ(plainText(*searchDistance(relationFor(0.005f, 0.03f, 200, kCalmBand1))), "30.3206");
  EXPECT_EQ(plainText(*searchDistance(relationFor(2, 0.03f, 200, kWindyBand1))), "1127.078");
  EXPECT_EQ(plainText(*searchDistance(relationFor(2, 0.03f, 200, kWindyBand2))), "1134.676");
}

TEST(DistanceSearch, EndsWithoutADistanceWhereTheStepsWouldNeverEnd) {
  constexpr float inf = std::numeric_limits<float>::infinity();
  constexpr float nan = std::numeric_limits<float>::quiet_NaN();
  // Cm = 0 makes the ratio infinite, or not a number when Qc is 0 as well.
  EXPECT_FALSE(searchDistance({inf, 1.0f / 530, 7.981f, kWindyBand1}));
  EXPECT_FALSE(searchDistance({nan, 1.0f / 530, 7.981f, kWindyBand1}));
  EXPECT_FALSE(searchDistance({-inf, 1.0f / 530, 7.981f, kWindyBand1}));
  // Steps over the band: Y grows by more than twice the tolerance per step near the ratio.
  EXPECT_FALSE(searchDistance(relationFor(450, 0.5f, 2000, kWindyBand1)));
  // Y already exceeds the ratio by more than the tolerance at L = 0.01.
  EXPECT_FALSE(searchDistance(relationFor(0.005f, 0.03f, 2000000, kWindyBand1)));
  EXPECT_FALSE(searchDistance(relationFor(-0.5f, 0.03f, 200, kWindyBand1)));
  // The ratio lies beyond what Y reaches by 262144 m, where L stops growing.
  EXPECT_FALSE(searchDistance(relationFor(1000000, 0.001f, 200, kWindyBand1)));
}

}  // namespace
}  // namespace tolvar::distance
