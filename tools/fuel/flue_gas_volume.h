#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvar::fuel {

enum class FuelType { solid, liquid, gas, naturalGas };

// The fuel type whose item text equals the choice list's text exactly, if any.
std::optional<FuelType> fuelTypeNamed(std::string_view text);

inline constexpr std::string_view kNoFuelTypeMessage = "请选择燃料类型!";

// The window-level values, all single precision: a text that does not convert keeps its value
// from the previous computation.
struct FlueGasValues {
  float heatingValue = 0.0f;    // Q, kJ per kg (per standard m3 of a gas)
  float excessAir = 0.0f;       // α0 in the furnace
  float airLeakage = 0.0f;      // Δα
  float theoreticalAir = 0.0f;  // V0, standard m3 per kg
  float flueGas = 0.0f;         // Vy, standard m3 per kg
};

struct FlueGasTexts {
  std::string fuelType;
  std::string heatingValue;
  std::string excessAir;
  std::string airLeakage;
};

struct FlueGasVolume {
  FlueGasValues values;
  std::optional<std::string> message;  // shown before the results are written
  bool airLeakageCleared = false;      // natural gas: the Δα field is set to "0"
  std::string perKilogramText;
  // None when Vy × 1000 is beyond the single range: the field then keeps its text.
  std::optional<std::string> perTonneText;
};

// Theoretical air from the heating value, then the flue gas volume from the excess-air and
// air-leakage coefficients, by the empirical formulas of each fuel type.
FlueGasVolume flueGasVolume(const FlueGasTexts& texts, const FlueGasValues& previous);

}  // namespace tolvar::fuel
