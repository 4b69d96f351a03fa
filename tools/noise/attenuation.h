#pragma once

#include <string>
#include <string_view>

namespace tolvar::noise {

// The window-level values of the attenuation window, all single precision: a text that does not
// convert, or a distance without a logarithm, leaves its value from the previous computation.
struct AttenuationValues {
  float distance = 0.0f;     // X, m
  float attenuation = 0.0f;  // A, dB
  float sourceLevel = 0.0f;  // L, dB
  float result = 0.0f;       // R, dB
};

struct Attenuation {
  AttenuationValues values;
  std::string resultText;
};

// The level at X metres from a point source: the source level less the spreading loss 20·lg(X).
Attenuation attenuate(std::string_view sourceText, std::string_view distanceText,
                      const AttenuationValues& previous);

}  // namespace tolvar::noise
