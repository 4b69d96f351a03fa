#pragma once

#include <string_view>

namespace tolvar::risk {

struct GasLeakInputs {
  float holeArea = 0.0f;           // A, m²
  float vesselPressure = 0.0f;     // P, Pa
  float ambientPressure = 0.0f;    // P0, Pa
  float molecularWeight = 0.0f;    // M, used as typed
  float gasTemperature = 0.0f;     // TG, K
  float heatCapacityRatio = 0.0f;  // κ = Cp/Cv
};

// The gas window's window-level values, all single precision: a step that faults keeps the
// value of the previous press, so they are carried from one press to the next.
struct GasLeakValues {
  float heatCapacityRatio = 0.0f;
  float vesselPressure = 0.0f;
  float ambientPressure = 0.0f;
  float dischargeCoefficient = 0.0f;
  float molecularWeight = 0.0f;
  float gasConstant = 0.0f;
  float gasTemperature = 0.0f;
  float holeArea = 0.0f;
  float outflowCoefficient = 0.0f;  // Y
  float leakRate = 0.0f;            // QG, kg/s
  float criticalRatio = 0.0f;
  float pressureRatio = 0.0f;  // P0/P
  float y1 = 0.0f;
  float y2 = 0.0f;
  float e = 0.0f;
  float b = 0.0f;
  float s = 0.0f;
};

// Cd of the hole's shape; an empty or unknown text takes that of a rectangle.
float gasDischargeCoefficient(std::string_view shape);

// One press of "计算": the ideal-gas orifice equation, critical when P0/P does not exceed the
// critical pressure ratio.
GasLeakValues gasLeak(const GasLeakInputs& in, std::string_view shape,
                      const GasLeakValues& previous);

}  // namespace tolvar::risk
