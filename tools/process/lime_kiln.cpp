#include "tools/process/lime_kiln.h"

#include "framework/steps.h"

namespace tolvar::process {

LimeKilnExhaustValues limeKilnExhaust(const LimeKilnExhaustTexts& texts,
                                      const LimeKilnExhaustValues& previous) {
  LimeKilnExhaustValues v = previous;
  Steps steps;
  steps.let(v.carbonPerTonne,
            [&] { return strictDouble(texts.carbon) * strictDouble(texts.fuelPerTonne) * 0.01; });
  // The recovered volume is a share of the CO2 volume, not of the gas volume.
  steps.let(v.retention, [&] {
    return 1.0 - strictDouble(texts.recovery) * strictDouble(texts.carbonDioxide) * 0.0001;
  });
  // 1.866 m3 of CO2 per kg of carbon burnt; 400 m3 of CO2 from the limestone per tonne of lime.
  steps.let(v.carbonDioxidePerTonne,
            [&] { return (double{v.carbonPerTonne} * 1.866 + 400.0) * v.retention; });
  steps.let(v.gasPerTonne, [&] {
    return double{v.carbonDioxidePerTonne} * 100.0 / strictDouble(texts.carbonDioxide);
  });
  steps.let(v.exhaust, [&] { return strictDouble(texts.output) * v.gasPerTonne; });
  return v;
}

float limeKilnDust(std::string_view kilnType, std::string_view coefficient, std::string_view output,
                   float previous) {
  float dust = previous;
  Steps steps;
  if (kilnType == kRotaryKiln) {
    steps.let(dust, [&] { return strictDouble(output) * strictDouble(coefficient) / 100.0; });
  } else if (kilnType == kShaftKiln) {
    // A shaft kiln emits about 1 % of its output whatever coefficient was typed.
    steps.let(dust, [&] { return strictDouble(output) * 1.0 / 100.0; });
  } else {
    steps.let(dust, [] { return 0.0; });
  }
  return dust;
}

}  // namespace tolvar::process
