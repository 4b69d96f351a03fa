#include "tools/noise/attenuation.h"

#include "framework/number_format.h"
#include "framework/steps.h"

namespace tolvar::noise {

Attenuation attenuate(std::string_view sourceText, std::string_view distanceText,
                      const AttenuationValues& previous) {
  AttenuationValues v = previous;
  Steps steps;
  steps.let(v.distance, [&] { return strictSingle(distanceText); });
  steps.let(v.attenuation,
            [&] { return -20.0 * naturalLog(static_cast<double>(v.distance)) / naturalLog(10.0); });
  steps.let(v.sourceLevel, [&] { return strictSingle(sourceText); });
  steps.let(v.result, [&] { return v.sourceLevel + v.attenuation; });
  return {v, plainText(v.result)};
}

}  // namespace tolvar::noise
