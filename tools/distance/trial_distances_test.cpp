#include "tools/distance/trial_distances.h"

#include <gtest/gtest.h>

#include "framework/number_format.h"

namespace tolvar::distance {
namespace {

TEST(TrialDistances, EveryStepMatchesTheSinglePrecisionAccumulation) {
  const TrialDistances trials;
  float accumulated = 0.0f;
  std::int64_t mismatches = 0;
  for (std::int64_t step = 1; step <= trials.lastStep() + 3; ++step) {
    accumulated = static_cast<float>(static_cast<double>(accumulated) + 0.01);
    if (trials.at(step) != accumulated) ++mismatches;
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(TrialDistances, AccumulationShowsInTheDigitsAndStopsAt262144) {
  const TrialDistances trials;
  EXPECT_EQ(plainText(trials.at(1)), "0.01");
  EXPECT_EQ(plainText(trials.at(2916)), "29.16057");
  EXPECT_EQ(trials.at(trials.lastStep()), 262144.0f);
  EXPECT_LT(trials.at(trials.lastStep() - 1), 262144.0f);
  EXPECT_EQ(nextTrialDistance(262144.0f), 262144.0f);
}

}  // namespace
}  // namespace tolvar::distance
