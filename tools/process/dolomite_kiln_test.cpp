#include "tools/process/dolomite_kiln.h"

#include <gtest/gtest.h>

#include "framework/number_format.h"

namespace tolvar::process {
namespace {

using Texts = DolomiteKilnTexts;

Texts with(Texts texts, std::string Texts::*member, std::string text) {
  texts.*member = std::move(text);
  return texts;
}

const Texts kKiln{.output = "10000",
                  .fuelPerTonne = "100",
                  .carbon = "80",
                  .magnesiumOxide = "20",
                  .carbonDioxide = "30",
                  .calciumOxide = "30"};

TEST(DolomiteKiln, YearlyVolumeFromCarbonatesAndFuel) {
  DolomiteKilnValues v = dolomiteKilnExhaust(kKiln, {});
  EXPECT_EQ(v.carbonPerTonne, 80.0f);
  EXPECT_EQ(v.calciumTerm, 120.0f);
  EXPECT_EQ(v.magnesiumTerm, 112.0f);
  EXPECT_EQ(plainText(v.exhaust), "1.270933E+07");

  Texts second{.output = "5000",
               .fuelPerTonne = "120",
               .carbon = "70",
               .magnesiumOxide = "21",
               .carbonDioxide = "28",
               .calciumOxide = "33"};
  DolomiteKilnValues w = dolomiteKilnExhaust(second, {});
  EXPECT_EQ(plainText(w.magnesiumTerm), "117.6");
  EXPECT_EQ(plainText(w.exhaust), "7256143");

  // Without CaO and MgO only the fuel's carbon gives CO2.
  Texts fuelOnly = with(with(second, &Texts::calciumOxide, "0"), &Texts::magnesiumOxide, "0");
  EXPECT_EQ(plainText(dolomiteKilnExhaust(fuelOnly, {}).exhaust), "2799000");
}

TEST(DolomiteKiln, AnUnreadableFieldKeepsItsStepsPreviousValue) {
  DolomiteKilnValues first = dolomiteKilnExhaust(kKiln, {});
  // Each field emptied on a press whose CO2 share halves: the volume doubles unless its own
  // step is the one skipped.
  const std::pair<std::string Texts::*, const char*> cases[] = {
      {&Texts::output, "2.541867E+07"},       {&Texts::fuelPerTonne, "2.541867E+07"},
      {&Texts::carbon, "2.541867E+07"},       {&Texts::magnesiumOxide, "2.541867E+07"},
      {&Texts::calciumOxide, "2.541867E+07"}, {&Texts::carbonDioxide, "1.270933E+07"},
  };
  for (const auto& [field, expected] : cases) {
    Texts texts = with(with(kKiln, &Texts::carbonDioxide, "15"), field, "");
    EXPECT_EQ(plainText(dolomiteKilnExhaust(texts, first).exhaust), expected);
  }
  // On the first press an empty output leaves Q = 0.
  EXPECT_EQ(dolomiteKilnExhaust(with(kKiln, &Texts::output, ""), {}).exhaust, 0.0f);
}

TEST(DolomiteKiln, NoCarbonDioxideGivesNoFiniteVolume) {
  DolomiteKilnValues first = dolomiteKilnExhaust(kKiln, {});
  EXPECT_EQ(plainText(dolomiteKilnExhaust(with(kKiln, &Texts::carbonDioxide, "0"), first).exhaust),
            "Inf");
}

}  // namespace
}  // namespace tolvar::process
