#include "tools/noise/attenuation.h"

#include <gtest/gtest.h>

namespace tolvar::noise {
namespace {

struct Case {
  const char* source;
  const char* distance;
  const char* expected;
};

TEST(Attenuation, SubtractsTheSpreadingLossFromTheSourceLevel) {
  const Case cases[] = {
      {"75", "50", "41.0206"},  {"75", "1", "75"},          {"75", "10", "55"},
      {"75", "100", "35"},      {"75", "5", "61.0206"},     {"75", "500", "21.0206"},
      {"90", "0.5", "96.0206"}, {" 75 ", "5e1", "41.0206"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.source) + " at " + c.distance);
    EXPECT_EQ(attenuate(c.source, c.distance, {}).resultText, c.expected);
  }
}

TEST(Attenuation, ADistanceWithoutALogarithmKeepsThePreviousAttenuation) {
  Attenuation first = attenuate("75", "50", {});
  for (const char* distance : {"0", "-5", "", "abc"}) {
    SCOPED_TRACE(distance);
    EXPECT_EQ(attenuate("75", distance, first.values).resultText, "41.0206");
    EXPECT_EQ(attenuate("80", distance, first.values).resultText, "46.0206");
  }
  // Before any attenuation was computed it is 0, so the result is the source level.
  EXPECT_EQ(attenuate("75", "0", {}).resultText, "75");
}

TEST(Attenuation, AnUnreadableSourceKeepsThePreviousLevel) {
  Attenuation first = attenuate("75", "50", {});
  EXPECT_EQ(attenuate("7x", "10", first.values).resultText, "55");
  EXPECT_EQ(attenuate("", "10", {}).resultText, "-20");
}

}  // namespace
}  // namespace tolvar::noise
