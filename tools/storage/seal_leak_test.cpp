#include "tools/storage/seal_leak.h"

#include <gtest/gtest.h>

namespace tolvar::storage {
namespace {

const SealLeakTexts kOpening{.volume = "20",
                             .safetyFactor = "1.5",
                             .coefficient = "0.169",
                             .molecularWeight = "34",
                             .temperature = "100"};

SealLeakTexts with(std::string SealLeakTexts::*member, std::string text) {
  SealLeakTexts texts = kOpening;
  texts.*member = std::move(text);
  return texts;
}

TEST(SealLeak, LeakFromTheFiveInputs) {
  using T = SealLeakTexts;
  SealLeakTexts beyondSingle = with(&T::volume, "3e38");
  beyondSingle.temperature = "-272";
  const std::pair<const char*, SealLeakTexts> cases[] = {
      {"opening values", kOpening},
      {"empty volume", with(&T::volume, "")},
      {"unreadable safety factor", with(&T::safetyFactor, "1.5x")},
      {"empty coefficient", with(&T::coefficient, "")},
      {"empty molecular weight", with(&T::molecularWeight, "")},
      {"empty temperature counts as 0 °C", with(&T::temperature, "")},
      {"273 rather than 273.15", with(&T::temperature, "-272.5")},
      {"temperature at -273", with(&T::temperature, "-273")},
      {"temperature below -273", with(&T::temperature, "-300")},
      {"negative molecular weight", with(&T::molecularWeight, "-34")},
      {"beyond single precision", beyondSingle},
  };
  const char* expected[] = {"1.53071",  "0", "0", "0", "0", "1.78923",
                            "41.80829", "0", "0", "0", "0"};
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].first);
    EXPECT_EQ(sealLeakText(cases[i].second), expected[i]);
  }
}

}  // namespace
}  // namespace tolvar::storage
