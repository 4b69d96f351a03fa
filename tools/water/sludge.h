#pragma once

#include <string>

namespace tolvar::water {

struct SewageSludgeTexts {
  std::string population;          // M, persons served
  std::string gritCoefficient;     // K沉, kg of grit per person and day
  std::string primaryCoefficient;  // K初, kg of primary-settling dry sludge per person and day
  std::string humusCoefficient;    // K, kg of dry humus and surplus sludge per person and day
  std::string moisture;            // p, moisture content of the sludge, %
};

// The window-level values of the sewage-works window, single precision as the original program
// kept them: a step whose text is not a number leaves its value from the previous press.
struct SewageSludgeValues {
  float gritCoefficient = 0.0f;
  float primaryCoefficient = 0.0f;
  float humusCoefficient = 0.0f;
  float coefficientSum = 0.0f;
  float drySludge = 0.0f;  // kg/d
  float wetSludge = 0.0f;  // kg/d
};

struct SewageSludge {
  SewageSludgeValues values;
  std::string dryText;
  std::string wetText;
};

// Dry sludge M/1000·(K沉 + K初 + K) and wet sludge dry·100/(100 − p), both in kg/d. The
// divisions are plain arithmetic: p = 100 gives an infinite wet sludge, shown as such.
SewageSludge sewageSludge(const SewageSludgeTexts& texts, const SewageSludgeValues& previous);

struct SettlingTankTexts {
  std::string flow;           // Q, m³/d
  std::string solidsIn;       // C1, suspended solids of the inflow, kg/m³
  std::string solidsOut;      // C2, suspended solids of the outflow, kg/m³
  std::string moisture;       // X, moisture content of the sludge, %
  std::string sludgeDensity;  // ρ, t/m³
};

// V1 = 100·Q·(C1 − C2) / (ρ·(100 − X)·10³) in m³/d as its field shows it. An input that is not
// a number counts as 0; X = 100 or ρ = 0 shows an infinite volume (NaN when C1 = C2 as well).
std::string settlingTankSludgeText(const SettlingTankTexts& texts);

}  // namespace tolvar::water
