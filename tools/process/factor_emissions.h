#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvar::process {

// Emissions in kg that are a quantity of material in t times a factor in kg per tonne. A
// quantity that does not convert leaves the previous emission.

// No processing type chosen gives 0.
float feedMillingParticulates(std::string_view processing, std::string_view quantity,
                              float previous);
const std::vector<std::string>& feedMillingTypes();

// 2.34 % of the cotton processed, in the quantity's own unit.
float cottonGinDust(std::string_view quantity, float previous);

float glassRawMaterialParticulates(std::string_view charge, float previous);
float glassMakingParticulates(std::string_view glass, float previous);

}  // namespace tolvar::process
