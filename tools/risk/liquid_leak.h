#pragma once

namespace tolvar::risk {

struct LiquidLeakInputs {
  float dischargeCoefficient = 0.0f;  // Cd
  float holeArea = 0.0f;              // A, m²
  float vesselPressure = 0.0f;        // P, Pa
  float ambientPressure = 0.0f;       // P0, Pa
  float liquidHead = 0.0f;            // h, m above the hole
  float density = 0.0f;               // ρ, kg/m³
};

// QL in kg/s from the orifice equation; a negative radicand or a zero density gives 0, as the
// original program's skipped square root left its root at 0.
float liquidLeakRate(const LiquidLeakInputs& in);

}  // namespace tolvar::risk
