#pragma once

#include <string>
#include <string_view>

namespace tolvar::process {

struct LimeKilnExhaustTexts {
  std::string output;         // yearly lime output, t
  std::string fuelPerTonne;   // fuel burnt per tonne of lime, kg
  std::string carbon;         // carbon content of the fuel, %
  std::string recovery;       // share of the gas taken back for reuse, %
  std::string carbonDioxide;  // CO2 share of the kiln gas, % by volume
};

// The window-level values of the exhaust window, single precision as the original program kept
// them: a step whose text does not convert keeps its value from the previous press.
struct LimeKilnExhaustValues {
  float carbonPerTonne = 0.0f;         // kg of carbon burnt per tonne of lime
  float retention = 0.0f;              // share of the CO2 not taken off for recovery
  float carbonDioxidePerTonne = 0.0f;  // normal m3 of CO2 per tonne of lime
  float gasPerTonne = 0.0f;            // normal m3 of kiln gas per tonne of lime
  float exhaust = 0.0f;                // normal m3 of exhaust gas per year
};

// Yearly exhaust gas volume of a lime kiln from the CO2 of the limestone and the fuel.
LimeKilnExhaustValues limeKilnExhaust(const LimeKilnExhaustTexts& texts,
                                      const LimeKilnExhaustValues& previous);

inline constexpr std::string_view kRotaryKiln = "回转窑";
inline constexpr std::string_view kShaftKiln = "竖型窑";

// Dust in t that a kiln of that type emits; the coefficient is a percentage of the output. A
// text that does not convert leaves the previous dust.
float limeKilnDust(std::string_view kilnType, std::string_view coefficient, std::string_view output,
                   float previous);

}  // namespace tolvar::process
