#include "tools/noise/superposition.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tolvar::noise {
namespace {

struct Case {
  std::array<std::string, 5> levels;
  const char* expected;
};

TEST(Superposition, CombinesLevelsOnTheEnergyScale) {
  const Case cases[] = {
      {{"60", "60", "0", "0", "0"}, "63.01"},    {{"75", "70", "65", "60", "55"}, "76.64"},
      {{"85", "80", "0", "0", "0"}, "86.19"},    {{"1", "0", "0", "0", "0"}, "1"},
      {{"50", "50", "50", "50", "50"}, "56.99"}, {{" 60 ", "6e1", "0", "0", "0"}, "63.01"},
      {{"-10", "0", "0", "0", "0"}, "-10"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(superpose(c.levels, {}).resultText, c.expected);
  }
}

TEST(Superposition, AnUnreadableLevelKeepsItsPreviousValue) {
  Superposition first = superpose({"70", "70", "0", "0", "0"}, {});
  Superposition second = superpose({"abc", "70", "0", "0", "0"}, first.values);
  EXPECT_EQ(second.values.levels[0], 70.0f);
  EXPECT_EQ(second.resultText, first.resultText);
  EXPECT_EQ(superpose({"", "70", "0", "0", "0"}, {}).resultText, "70");
}

TEST(Superposition, AllSourcesAbsentShowsThePreviousResult) {
  EXPECT_EQ(superpose({"0", "0", "0", "0", "0"}, {}).resultText, "0");
  Superposition first = superpose({"75", "70", "65", "60", "55"}, {});
  Superposition cleared = superpose({"0", "0", "0", "0", "0"}, first.values);
  EXPECT_EQ(cleared.values.energySum, 0.0f);
  EXPECT_EQ(cleared.resultText, "76.64");
}

TEST(Superposition, ASumBeyondTheSingleRangeBecomesInfinite) {
  Superposition loud = superpose({"386", "0", "0", "0", "0"}, {});
  EXPECT_TRUE(std::isinf(loud.values.energySum));
  EXPECT_EQ(loud.resultText, "Inf");
}

}  // namespace
}  // namespace tolvar::noise
