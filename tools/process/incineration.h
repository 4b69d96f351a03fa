#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvar::process {

inline constexpr std::string_view kIncinerator = "焚烧炉焚烧";
inline constexpr std::string_view kOpenBurning = "露天焚烧";

struct IncinerationTexts {
  std::string mode;        // kIncinerator or kOpenBurning
  std::string furnace;     // furnace type, incinerator mode
  std::string refuse;      // refuse type, open burning
  std::string pollutant;   // open burning
  std::string efficiency;  // removal efficiency, %, incinerator mode
  std::string quantity;    // refuse burnt, t
};

struct Incineration {
  float emission = 0.0f;       // kg
  bool drawsEmission = false;  // whether the window prints "q=" and the emission on itself
};

// Smoke and dust of an incinerator after its removal efficiency, or one pollutant of open
// burning. No furnace type, or no pollutant, gives 0; no mode, no refuse type or a text that
// does not convert leaves the previous emission.
Incineration incineration(const IncinerationTexts& texts, float previous);

// The items of the incineration window's lists, in the order of the factor tables.
const std::vector<std::string>& incineratorTypes();
const std::vector<std::string>& refuseTypes();
const std::vector<std::string>& openBurningPollutants();

}  // namespace tolvar::process
