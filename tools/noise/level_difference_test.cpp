#include "tools/noise/level_difference.h"

#include <gtest/gtest.h>

namespace tolvar::noise {
namespace {

struct Case {
  const char* minuend;
  const char* subtrahend;
  const char* expected;
};

TEST(LevelDifference, RemovesOneLevelFromAnotherOnTheEnergyScale) {
  const Case cases[] = {
      {"68", "65", "64.98"}, {"70", "60", "69.54"},     {"80", "79.9", "63.57"},
      {"60", "-300", "60."}, {" 6.8e1", "65", "64.98"}, {"-10", "-20", "-10.46"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.minuend) + " - " + c.subtrahend);
    EXPECT_EQ(levelDifference(c.minuend, c.subtrahend), c.expected);
  }
}

TEST(LevelDifference, GivesNoValueWithoutAPositiveRemainder) {
  const std::pair<const char*, const char*> cases[] = {
      {"65", "65"}, {"60", "70"}, {"abc", "65"}, {"68", ""}, {"4000", "65"}, {"4000", "4000"},
  };
  for (const auto& [minuend, subtrahend] : cases) {
    SCOPED_TRACE(std::string(minuend) + " - " + subtrahend);
    EXPECT_EQ(levelDifference(minuend, subtrahend), std::nullopt);
  }
}

}  // namespace
}  // namespace tolvar::noise
