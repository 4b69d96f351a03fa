#include "tools/storage/seal_leak.h"

#include "framework/number_format.h"
#include "framework/steps.h"
#include "tools/risk/checked_arithmetic.h"

namespace tolvar::storage {
namespace {

// The method adds 273, not 273.15, to the Celsius temperature; the shown digits depend on it.
constexpr double kCelsiusToKelvin = 273.0;

double d(float value) {
  return static_cast<double>(value);
}

}  // namespace

std::string sealLeakText(const SealLeakTexts& t) {
  float volume = 0.0f;
  float safetyFactor = 0.0f;
  float coefficient = 0.0f;
  float molecularWeight = 0.0f;
  float temperature = 0.0f;
  float leak = 0.0f;
  Steps steps;
  steps.let(volume, [&] { return strictSingle(t.volume); });
  steps.let(safetyFactor, [&] { return strictSingle(t.safetyFactor); });
  steps.let(coefficient, [&] { return strictSingle(t.coefficient); });
  steps.let(molecularWeight, [&] { return strictSingle(t.molecularWeight); });
  steps.let(temperature, [&] { return strictSingle(t.temperature); });
  steps.let(leak, [&] {
    using risk::unfaulted;
    return risk::unfaultedSingle(
        d(safetyFactor) * d(coefficient) * d(volume) *
        squareRoot(unfaulted(d(molecularWeight) / (d(temperature) + kCelsiusToKelvin))));
  });
  return plainText(leak);
}

}  // namespace tolvar::storage
