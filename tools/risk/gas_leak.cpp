#include "tools/risk/gas_leak.h"

#include <array>
#include <utility>

#include "framework/steps.h"
#include "tools/risk/checked_arithmetic.h"

namespace tolvar::risk {
namespace {

constexpr std::array<std::pair<std::string_view, float>, 3> kShapeCoefficients = {{
    {"圆形", 1.00f},
    {"三角形", 0.95f},
    {"长方形", 0.90f},
}};
constexpr float kOtherShapeCoefficient = 0.90f;

// J/(mol·K), stored as a single at every press.
constexpr float kGasConstant = 8.314f;

double d(float value) {
  return static_cast<double>(value);
}

}  // namespace

float gasDischargeCoefficient(std::string_view shape) {
  for (const auto& [item, coefficient] : kShapeCoefficients) {
    if (item == shape) return coefficient;
  }
  return kOtherShapeCoefficient;
}

GasLeakValues gasLeak(const GasLeakInputs& in, std::string_view shape,
                      const GasLeakValues& previous) {
  GasLeakValues v = previous;
  v.gasConstant = kGasConstant;
  v.holeArea = in.holeArea;
  v.vesselPressure = in.vesselPressure;
  v.ambientPressure = in.ambientPressure;
  v.molecularWeight = in.molecularWeight;
  v.gasTemperature = in.gasTemperature;
  v.heatCapacityRatio = in.heatCapacityRatio;
  const double k = d(v.heatCapacityRatio);

  Steps steps;
  steps.let(v.criticalRatio,
            [&] { return power(unfaulted(2.0 / (k + 1.0)), unfaulted(k / (k - 1.0))); });
  steps.let(v.pressureRatio, [&] { return d(v.ambientPressure) / d(v.vesselPressure); });
  steps.let(v.dischargeCoefficient, [&] { return gasDischargeCoefficient(shape); });
  if (v.pressureRatio > v.criticalRatio) {
    const double r = d(v.pressureRatio);
    steps.let(v.y1, [&] { return power(r, unfaulted(1.0 / k)); });
    steps.let(v.y1, [&] {
      return d(v.y1) * squareRoot(unfaulted(1.0 - power(r, unfaulted((k - 1.0) / k))));
    });
    steps.let(v.y2, [&] { return (k + 1.0) / 2.0; });
    steps.let(v.y2, [&] { return power(d(v.y2), unfaulted((k + 1.0) / (k - 1.0))); });
    steps.let(v.y2, [&] { return d(v.y2) * 2.0 / (k - 1.0); });
    steps.let(v.y2, [&] { return squareRoot(d(v.y2)); });
    steps.let(v.outflowCoefficient, [&] { return d(v.y1) * d(v.y2); });
  } else {
    steps.let(v.outflowCoefficient, [] { return 1.0; });
  }
  steps.let(v.e, [&] { return (k + 1.0) / (k - 1.0); });
  steps.let(v.b, [&] { return power(unfaulted(2.0 / (k + 1.0)), d(v.e)); });
  steps.let(v.s, [&] {
    return squareRoot(
        unfaulted(d(v.b) * d(v.molecularWeight) * k / (d(v.gasConstant) * d(v.gasTemperature))));
  });
  steps.let(v.leakRate, [&] {
    return d(v.outflowCoefficient) * d(v.dischargeCoefficient) * d(v.holeArea) *
           d(v.vesselPressure) * d(v.s);
  });
  return v;
}

}  // namespace tolvar::risk
