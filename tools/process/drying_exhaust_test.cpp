#include "tools/process/drying_exhaust.h"

#include <gtest/gtest.h>

#include "framework/number_format.h"

namespace tolvar::process {
namespace {

TEST(DryingExhaust, VapourDrivenOff) {
  struct Case {
    DryingExhaustTexts texts;
    const char* expected;
  };
  const Case cases[] = {
      {{"1000", "60", "10"}, "555.5556"},
      {{"500", "35", "5"}, "157.8947"},
      {{"250", "80", "80"}, "0"},
      {{"100", "10", "30"}, "-28.57143"},  // the material takes up water
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(plainText(dryingExhaust(c.texts, {}).vapour), c.expected);
  }
  EXPECT_EQ(plainText(dryingExhaust({"1000", "60", "10"}, {}).dryRatio), "0.4444444");
}

TEST(DryingExhaust, AnUnreadableFieldKeepsItsStepsPreviousValue) {
  // On the first press the ratio stays 0, so the whole wet weight counts as vapour.
  EXPECT_EQ(plainText(dryingExhaust({"1000", "", "10"}, {}).vapour), "1000");
  DryingExhaustValues first = dryingExhaust({"1000", "60", "10"}, {});
  EXPECT_EQ(plainText(dryingExhaust({"2000", "60", "1O"}, first).vapour), "1111.111");
  EXPECT_EQ(plainText(dryingExhaust({"", "35", "5"}, first).vapour), "555.5556");
}

TEST(DryingExhaust, DryingToFullMoistureGivesNoFiniteVapour) {
  DryingExhaustValues first = dryingExhaust({"1000", "60", "10"}, {});
  EXPECT_EQ(plainText(dryingExhaust({"1000", "60", "100"}, first).vapour), "-Inf");
  EXPECT_EQ(plainText(dryingExhaust({"1000", "100", "100"}, first).vapour), "NaN");
}

}  // namespace
}  // namespace tolvar::process
