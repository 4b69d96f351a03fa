#pragma once

#include <string>

namespace tolvar::risk {

// The eight field texts; each is converted only where a step uses it.
struct TwoPhaseLeakTexts {
  std::string holeArea;            // A, m²
  std::string pressure;            // P, Pa
  std::string specificHeat;        // Cp, J/(kg·K)
  std::string mixtureTemperature;  // TLG, K
  std::string boilingPoint;        // TC, K at the critical pressure
  std::string heatOfVaporisation;  // H, J/kg
  std::string vapourDensity;       // ρ1, kg/m³
  std::string liquidDensity;       // ρ2, kg/m³
};

struct TwoPhaseLeak {
  float flashedFraction = 0.0f;  // Fv
  float meanDensity = 0.0f;      // ρm, kg/m³
  float leakRate = 0.0f;         // QLG, kg/s
};

// A step that cannot be evaluated leaves its value at 0; Fv above 1 is not questioned.
TwoPhaseLeak twoPhaseLeak(const TwoPhaseLeakTexts& texts);

}  // namespace tolvar::risk
