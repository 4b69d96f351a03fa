#pragma once

#include <string>

namespace tolvar::process {

struct DolomiteKilnTexts {
  std::string output;          // yearly output of calcined dolomite, t
  std::string fuelPerTonne;    // fuel burnt per tonne of dolomite, kg
  std::string carbon;          // carbon content of the fuel, %
  std::string magnesiumOxide;  // MgO content of the dolomite, %
  std::string carbonDioxide;   // CO2 share of the kiln gas, % by volume
  std::string calciumOxide;    // CaO content of the dolomite, %
};

// The window-level values of the dolomite kiln window, single precision as the original program
// kept them: a step whose text does not convert keeps its value from the previous press.
struct DolomiteKilnValues {
  float output = 0.0f;          // t per year
  float carbonPerTonne = 0.0f;  // kg of carbon burnt per tonne
  float calciumTerm = 0.0f;     // normal m3 of CO2 per tonne from the calcium carbonate
  float magnesiumTerm = 0.0f;   // normal m3 of CO2 per tonne from the magnesium carbonate
  float exhaust = 0.0f;         // normal m3 of exhaust gas per year
};

// Yearly exhaust gas volume of a dolomite kiln from the CO2 of its carbonates and its fuel.
DolomiteKilnValues dolomiteKilnExhaust(const DolomiteKilnTexts& texts,
                                       const DolomiteKilnValues& previous);

}  // namespace tolvar::process
