#include "tools/risk/liquid_leak.h"

#include "framework/steps.h"
#include "tools/risk/checked_arithmetic.h"

namespace tolvar::risk {
namespace {

// The original program's gravitational acceleration, a single-precision 9.82 rather than 9.81.
constexpr float kGravity = 9.82f;

}  // namespace

float liquidLeakRate(const LiquidLeakInputs& in) {
  const double cd = in.dischargeCoefficient;
  const double area = in.holeArea;
  const double pressure = in.vesselPressure;
  const double ambient = in.ambientPressure;
  const double head = in.liquidHead;
  const double density = in.density;
  const double gravity = kGravity;

  float root = 0.0f;
  float rate = 0.0f;
  Steps steps;
  steps.let(root, [&] {
    return squareRoot(unfaulted((pressure - ambient) * 2.0 / density + 2.0 * gravity * head));
  });
  steps.let(rate, [&] { return cd * area * density * static_cast<double>(root); });
  return rate;
}

}  // namespace tolvar::risk
