#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "framework/steps.h"

namespace tolvar::industry {

inline constexpr std::size_t kLeatherPollutants = 6;  // wastewater, CODcr, BOD5, SS, S, Cr

// One hide type's coefficients per tonne of raw hide, as they are written in the table.
struct HideCoefficients {
  std::string hideType;
  std::array<std::string, kLeatherPollutants> generation;
  std::array<std::string, kLeatherPollutants> discharge;
};

const std::vector<HideCoefficients>& leatherCoefficients();
std::vector<HideCoefficients> parseLeatherCoefficients(std::string_view text);

// The twelve yearly amounts (six generated, then six discharged) of a tonnage of hide type,
// written into results; false, with nothing written, for a text that is no hide type. A
// whole-number coefficient gives a single-precision product in the single plain text form; a
// fractional one a double product of the single tonnage, so its rounding shows in the digits.
// A product that cannot be written leaves its result as it was.
bool leatherLoads(std::string_view hideType, float tonnage,
                  std::array<TextSlot, 2 * kLeatherPollutants>& results);

}  // namespace tolvar::industry
