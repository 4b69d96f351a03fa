#include "tools/risk/two_phase_leak.h"

#include <gtest/gtest.h>

#include "framework/number_format.h"

namespace tolvar::risk {
namespace {

const TwoPhaseLeakTexts kOpening{.holeArea = "0.02",
                                 .pressure = "12000",
                                 .specificHeat = "10100",
                                 .mixtureTemperature = "300",
                                 .boilingPoint = "260",
                                 .heatOfVaporisation = "500",
                                 .vapourDensity = "1000",
                                 .liquidDensity = "1200"};

TwoPhaseLeakTexts with(std::string TwoPhaseLeakTexts::*member, std::string text) {
  TwoPhaseLeakTexts texts = kOpening;
  texts.*member = std::move(text);
  return texts;
}

TEST(TwoPhaseLeak, FlashedFractionMeanDensityAndRate) {
  struct Case {
    const char* what;
    TwoPhaseLeakTexts texts;
    const char* fraction;
    const char* density;
    const char* rate;
  };
  const Case cases[] = {
      {"opening values, Fv far above 1", kOpening, "808", "7.380074", "4.517126"},
      {"a flashing liquid",
       {"0.01", "1000000", "2000", "300", "240", "400000", "20", "600"},
       "0.3",
       "61.85567",
       "59.68992"},
      {"heat of vaporisation emptied", with(&TwoPhaseLeakTexts::heatOfVaporisation, ""), "0",
       "1200", "57.6"},
      {"heat of vaporisation zero", with(&TwoPhaseLeakTexts::heatOfVaporisation, "0"), "0", "1200",
       "57.6"},
      {"area emptied", with(&TwoPhaseLeakTexts::holeArea, ""), "808", "7.380074", "0"},
      {"vapour density unreadable", with(&TwoPhaseLeakTexts::vapourDensity, "abc"), "808", "0",
       "0"},
      {"liquid density zero", with(&TwoPhaseLeakTexts::liquidDensity, "0"), "808", "0", "0"},
      {"pressure a lone minus sign", with(&TwoPhaseLeakTexts::pressure, "-"), "808", "7.380074",
       "0"},
      {"negative pressure", with(&TwoPhaseLeakTexts::pressure, "-12000"), "808", "7.380074", "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TwoPhaseLeak leak = twoPhaseLeak(c.texts);
    EXPECT_EQ(plainText(leak.flashedFraction), c.fraction);
    EXPECT_EQ(plainText(leak.meanDensity), c.density);
    EXPECT_EQ(plainText(leak.leakRate), c.rate);
  }
}

}  // namespace
}  // namespace tolvar::risk
