#pragma once

#include <string>

namespace tolvar::storage {

struct SealLeakTexts {
  std::string volume;           // V, internal volume of equipment and pipes, m³
  std::string safetyFactor;     // K, between 1 and 2
  std::string coefficient;      // C, by the pressure inside
  std::string molecularWeight;  // M of the gas or vapour
  std::string temperature;      // T of the gas inside, °C
};

// Gc in kg/h as its field shows it. An input that is not a number counts as 0 for this
// computation; a formula that cannot be evaluated leaves Gc at 0.
std::string sealLeakText(const SealLeakTexts& texts);

}  // namespace tolvar::storage
