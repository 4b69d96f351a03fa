#include "tools/process/lime_kiln.h"

#include <gtest/gtest.h>

#include "framework/number_format.h"

namespace tolvar::process {
namespace {

using Texts = LimeKilnExhaustTexts;

Texts with(Texts texts, std::string Texts::*member, std::string text) {
  texts.*member = std::move(text);
  return texts;
}

const Texts kKiln{.output = "10000",
                  .fuelPerTonne = "150",
                  .carbon = "70",
                  .recovery = "0",
                  .carbonDioxide = "28"};

TEST(LimeKilnExhaust, YearlyVolumeFromCarbonAndRecovery) {
  LimeKilnExhaustValues plain = limeKilnExhaust(kKiln, {});
  EXPECT_EQ(plain.carbonPerTonne, 105.0f);
  EXPECT_EQ(plain.retention, 1.0f);
  EXPECT_EQ(plainText(plain.carbonDioxidePerTonne), "595.93");
  EXPECT_EQ(plainText(plain.gasPerTonne), "2128.321");
  EXPECT_EQ(plainText(plain.exhaust), "2.128321E+07");

  // Half of the CO2 recovered at 30 % CO2 leaves 85 % of it.
  Texts recovered{.output = "50000",
                  .fuelPerTonne = "200",
                  .carbon = "80",
                  .recovery = "50",
                  .carbonDioxide = "30"};
  LimeKilnExhaustValues withRecovery = limeKilnExhaust(recovered, {});
  EXPECT_EQ(withRecovery.retention, 0.85f);
  EXPECT_EQ(plainText(withRecovery.carbonDioxidePerTonne), "593.776");
  EXPECT_EQ(plainText(withRecovery.gasPerTonne), "1979.253");
  EXPECT_EQ(plainText(withRecovery.exhaust), "9.896266E+07");

  EXPECT_EQ(limeKilnExhaust(with(kKiln, &Texts::carbonDioxide, "25"), {}).retention, 1.0f);
}

TEST(LimeKilnExhaust, AnUnreadableFieldKeepsItsStepsPreviousValue) {
  LimeKilnExhaustValues first = limeKilnExhaust(kKiln, {});
  const std::pair<const char*, std::string Texts::*> fields[] = {
      {"output", &Texts::output},     {"fuel", &Texts::fuelPerTonne}, {"carbon", &Texts::carbon},
      {"recovery", &Texts::recovery}, {"CO2", &Texts::carbonDioxide},
  };
  for (const auto& [what, field] : fields) {
    SCOPED_TRACE(what);
    // Doubling the output would change the result if the step that fails were evaluated.
    Texts changed = with(with(kKiln, &Texts::output, "20000"), field, "");
    EXPECT_EQ(plainText(limeKilnExhaust(changed, first).exhaust),
              field == &Texts::output ? "2.128321E+07" : "4.256642E+07");
  }
  // On the first press an empty output leaves the yearly volume at 0.
  EXPECT_EQ(limeKilnExhaust(with(kKiln, &Texts::output, ""), {}).exhaust, 0.0f);
  // An empty carbon content keeps W = 0: only the limestone's CO2 counts.
  EXPECT_EQ(plainText(limeKilnExhaust(with(kKiln, &Texts::carbon, "x"), {}).exhaust),
            "1.428571E+07");
}

TEST(LimeKilnExhaust, NoCarbonDioxideGivesNoFiniteVolume) {
  LimeKilnExhaustValues first = limeKilnExhaust(kKiln, {});
  EXPECT_EQ(plainText(limeKilnExhaust(with(kKiln, &Texts::carbonDioxide, "0"), first).exhaust),
            "Inf");
  Texts nothing = with(with(kKiln, &Texts::carbonDioxide, "0"), &Texts::output, "0");
  EXPECT_EQ(plainText(limeKilnExhaust(nothing, first).exhaust), "NaN");
}

TEST(LimeKilnDust, ByKilnType) {
  struct Case {
    std::string_view kiln;
    const char* coefficient;
    const char* output;
    float previous;
    const char* expected;
  };
  const Case cases[] = {
      {kRotaryKiln, "10", "100", 0.0f, "10"},
      {kRotaryKiln, "15", "2500", 0.0f, "375"},
      {kShaftKiln, "10", "100", 0.0f, "1"},
      {kShaftKiln, "abc", "100", 0.0f, "1"},  // the coefficient is not read
      {"", "10", "100", 7.0f, "0"},
      {"回转", "10", "100", 7.0f, "0"},
      {kRotaryKiln, "", "100", 7.0f, "7"},
      {kShaftKiln, "10", "1吨", 7.0f, "7"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.kiln) + " " + c.coefficient + " " + c.output);
    EXPECT_EQ(plainText(limeKilnDust(c.kiln, c.coefficient, c.output, c.previous)), c.expected);
  }
}

}  // namespace
}  // namespace tolvar::process
