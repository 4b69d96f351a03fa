#include "tools/storage/open_storage.h"

#include "framework/number_format.h"
#include "framework/steps.h"
#include "tools/risk/checked_arithmetic.h"

namespace tolvar::storage {
namespace {

constexpr double kCelsiusToKelvin = 273.0;

double d(float value) {
  return static_cast<double>(value);
}

}  // namespace

OpenStorage openStorage(const OpenStorageTexts& t, const OpenStorageValues& previous) {
  using risk::unfaultedSingle;
  OpenStorageValues v = previous;
  Steps steps;
  steps.let(v.exponent, [&] {
    return unfaultedSingle(strictDouble(t.constantA) * -0.05223 /
                           (strictDouble(t.temperature) + kCelsiusToKelvin));
  });
  steps.let(v.exponent, [&] { return unfaultedSingle(strictDouble(t.constantB) + d(v.exponent)); });
  steps.let(v.vapourPressure, [&] { return unfaultedSingle(power(10.0, d(v.exponent))); });
  steps.let(v.airSpeedFactor,
            [&] { return unfaultedSingle(strictDouble(t.windSpeed) * 4.1 + 5.38); });
  steps.let(v.emission, [&] {
    return unfaultedSingle(strictDouble(t.area) * (d(v.airSpeedFactor) * d(v.vapourPressure)) *
                           squareRoot(strictDouble(t.molecularWeight)));
  });
  return {v, plainText(v.emission)};
}

}  // namespace tolvar::storage
