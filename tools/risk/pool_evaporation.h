#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tolvar::risk {

// Each stage takes its panel's field texts; a text is converted only where a step uses it, and a
// step that cannot be evaluated leaves its value at 0.

struct FlashEvaporationTexts {
  std::string releasedMass;        // WT, kg
  std::string duration;            // t1, s
  std::string specificHeat;        // Cp, J/(kg·K)
  std::string liquidTemperature;   // TT, K before the leak
  std::string boilingPoint;        // Tb, K at ambient pressure
  std::string heatOfVaporisation;  // H, J/kg
};

struct FlashEvaporation {
  float flashedFraction = 0.0f;  // Fv
  float rate = 0.0f;             // Q1, kg/s
};

FlashEvaporation flashEvaporation(const FlashEvaporationTexts& texts);

struct HeatEvaporationTexts {
  std::string ambientTemperature;  // T0, K
  std::string boilingPoint;        // Tb, K
  std::string poolArea;            // S, m²
  std::string heatOfVaporisation;  // H, J/kg
  std::string groundType;          // the ground-type list's text
  std::string duration;            // t, s
};

// The ground-type list's items, in list order.
std::vector<std::string> groundTypes();

// Q2 in kg/s; nothing when the ground type is none of the list's items.
std::optional<float> heatEvaporationRate(const HeatEvaporationTexts& texts);

struct MassEvaporationTexts {
  std::string stabilityClass;      // the stability list's text
  std::string vapourPressure;      // p, Pa at the liquid surface
  std::string molecularWeight;     // M, used as typed
  std::string windSpeed;           // u, m/s
  std::string poolRadius;          // r, m
  std::string ambientTemperature;  // T0, K
};

// The stability list's items, in list order.
std::vector<std::string> stabilityClasses();

// Q3 in kg/s; nothing when the stability class is none of the list's items.
std::optional<float> massEvaporationRate(const MassEvaporationTexts& texts);

// The three rates as their result fields show them, with the duration of each stage.
struct TotalEvaporationTexts {
  std::string flashRate;
  std::string flashDuration;  // t1, s
  std::string heatRate;
  std::string heatDuration;  // t2, s
  std::string massRate;
  std::string clearingTime;  // t3, s from the leak until the liquid is cleared
};

// WP in kg as the plain text of a double; empty unless all six texts are numbers.
std::string totalEvaporationText(const TotalEvaporationTexts& texts);

}  // namespace tolvar::risk
