#include "tools/risk/two_phase_leak.h"

#include "framework/steps.h"
#include "tools/risk/checked_arithmetic.h"

namespace tolvar::risk {
namespace {

constexpr double kDischargeCoefficient = 0.8;
// The critical pressure is taken as this share of the vessel pressure.
constexpr double kCriticalPressureShare = 0.55;

}  // namespace

TwoPhaseLeak twoPhaseLeak(const TwoPhaseLeakTexts& t) {
  TwoPhaseLeak out;
  double criticalPressure = 0.0;
  float liquidFraction = 0.0f;
  float doubleMeanDensity = 0.0f;

  Steps steps;
  steps.let(criticalPressure,
            [&] { return unfaulted(strictDouble(t.pressure) * kCriticalPressureShare); });
  steps.let(out.flashedFraction, [&] {
    return unfaultedSingle((strictDouble(t.mixtureTemperature) - strictDouble(t.boilingPoint)) *
                           strictDouble(t.specificHeat) / strictDouble(t.heatOfVaporisation));
  });
  steps.let(liquidFraction,
            [&] { return unfaultedSingle(1.0 - static_cast<double>(out.flashedFraction)); });
  steps.let(out.meanDensity, [&] {
    return unfaultedSingle(
        1.0 / (static_cast<double>(out.flashedFraction) / strictDouble(t.vapourDensity) +
               static_cast<double>(liquidFraction) / strictDouble(t.liquidDensity)));
  });
  steps.let(doubleMeanDensity,
            [&] { return unfaultedSingle(2.0 * static_cast<double>(out.meanDensity)); });
  steps.let(out.leakRate, [&] {
    return unfaultedSingle(kDischargeCoefficient * strictDouble(t.holeArea) *
                           squareRoot((strictDouble(t.pressure) - criticalPressure) *
                                      static_cast<double>(doubleMeanDensity)));
  });
  return out;
}

}  // namespace tolvar::risk
