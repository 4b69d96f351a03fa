#include "tools/storage/open_storage.h"

#include <gtest/gtest.h>

#include "framework/number_format.h"

namespace tolvar::storage {
namespace {

const OpenStorageTexts kBenzene{.windSpeed = "0.5",
                                .area = "1",
                                .molecularWeight = "78",
                                .temperature = "20",
                                .constantA = "34172",
                                .constantB = "7.962"};

OpenStorageTexts with(std::string OpenStorageTexts::*member, std::string text) {
  OpenStorageTexts texts = kBenzene;
  texts.*member = std::move(text);
  return texts;
}

std::string shown(const OpenStorageValues& v) {
  return plainText(v.exponent) + " " + plainText(v.vapourPressure) + " " +
         plainText(v.airSpeedFactor) + " " + plainText(v.emission);
}

TEST(OpenStorage, EmissionFromAFreshWindow) {
  OpenStorage benzene = openStorage(kBenzene, {});
  EXPECT_EQ(shown(benzene.values), "1.87052 74.21988 7.43 4870.307");
  EXPECT_EQ(benzene.emissionText, "4870.307");

  OpenStorage toluene = openStorage({.windSpeed = "1",
                                     .area = "2",
                                     .molecularWeight = "92",
                                     .temperature = "25",
                                     .constantA = "39198",
                                     .constantB = "8.330"},
                                    {});
  EXPECT_EQ(toluene.emissionText, "5242.751");

  OpenStorage empty = openStorage({}, {});
  EXPECT_EQ(shown(empty.values), "0 1 0 0");
  EXPECT_EQ(empty.emissionText, "0");
}

// Each case presses "计算" once more after the benzene computation.
TEST(OpenStorage, SkippedStepsKeepThePreviousPressValues) {
  const OpenStorageValues previous = openStorage(kBenzene, {}).values;
  using T = OpenStorageTexts;
  OpenStorageTexts twiceTheAreaNoWind = with(&T::area, "2");
  twiceTheAreaNoWind.windSpeed = "";
  const std::pair<const char*, OpenStorageTexts> cases[] = {
      {"empty wind reuses the air-speed factor", twiceTheAreaNoWind},
      {"empty A adds B to the previous exponent", with(&T::constantA, "")},
      {"temperature at -273 likewise", with(&T::temperature, "-273")},
      {"empty B keeps the first exponent", with(&T::constantB, "")},
      {"vapour pressure beyond single precision", with(&T::constantB, "50")},
      {"negative molecular weight", with(&T::molecularWeight, "-78")},
      {"empty area", with(&T::area, "")},
  };
  const char* expected[] = {
      "1.87052 74.21988 7.43 9740.614",         "9.83252 6.800181E+09 7.43 4.462278E+11",
      "9.83252 6.800181E+09 7.43 4.462278E+11", "-6.09148 8.100657E-07 7.43 5.315649E-05",
      "43.90852 74.21988 7.43 4870.307",        "1.87052 74.21988 7.43 4870.307",
      "1.87052 74.21988 7.43 4870.307",
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].first);
    OpenStorage again = openStorage(cases[i].second, previous);
    EXPECT_EQ(shown(again.values), expected[i]);
    EXPECT_EQ(again.emissionText, plainText(again.values.emission));
  }
}

}  // namespace
}  // namespace tolvar::storage
