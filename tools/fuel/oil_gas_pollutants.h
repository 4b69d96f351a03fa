#pragma once

#include <string_view>

namespace tolvar::fuel {

// Masks of the load fields, in kilograms.
inline constexpr std::string_view kOilLoadMask = "######.##";
inline constexpr std::string_view kGasLoadMask = "#####.##";

// Material-balance loads in kg; every share is in percent. A load that cannot be computed (an
// input that is NaN, a result beyond double) comes back as NaN or an infinity.
double oilSulphurDioxideLoad(double oil, double sulphur, double sulphurRemoval);
double oilCarbonMonoxideLoad(double oil, double carbon, double incompleteCombustion);
double oilNitrogenOxidesLoad(double oil, double nitrogen, double nitrogenConversion);

// Gas in m3; contents are shares by volume.
double gasSulphurDioxideLoad(double gas, double hydrogenSulphide);
double gasCarbonMonoxideLoad(double gas, double incompleteCombustion, double carbonMonoxide,
                             double methane, double otherAlkanes);

}  // namespace tolvar::fuel
