#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvar::fuel {

// Masks of the four load fields, in kilograms.
inline constexpr std::string_view kSmokeAndDustMask = "#######.##";
inline constexpr std::string_view kSulphurDioxideMask = "#######.##";
inline constexpr std::string_view kNitrogenOxidesMask = "######.##";
inline constexpr std::string_view kCarbonMonoxideMask = "######.##";

// Material-balance loads in kg from burning `coal` tonnes; every share is in percent. Each gives
// no value when its formula cannot be evaluated (a zero denominator, a result beyond double).
std::optional<double> smokeAndDustLoad(double coal, double ash, double flueDustShare,
                                       double combustibles, double dustRemoval);
std::optional<double> sulphurDioxideLoad(double coal, double sulphur, double sulphurRemoval);
std::optional<double> carbonMonoxideLoad(double coal, double carbon, double incompleteCombustion);
std::optional<double> nitrogenOxidesLoad(double coal, double nitrogenConversion);

// A load as its field shows it: masked text, or empty text for a load that has no value.
std::string loadText(std::optional<double> load, std::string_view mask);

}  // namespace tolvar::fuel
