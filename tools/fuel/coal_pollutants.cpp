#include "tools/fuel/coal_pollutants.h"

#include <cmath>

#include "framework/number_format.h"

namespace tolvar::fuel {
namespace {

std::optional<double> finite(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

// The steps keep the original order of operations, which fixes the last digits of the double.
std::optional<double> smokeAndDustLoad(double coal, double ash, double flueDustShare,
                                       double combustibles, double dustRemoval) {
  double t = coal * 1000.0;
  t = t * ash;
  t = t / 100.0;
  t = t * flueDustShare;
  t = t / 100.0;
  t = (1.0 - dustRemoval / 100.0) * t;
  return finite(t / (1.0 - combustibles / 100.0));
}

std::optional<double> sulphurDioxideLoad(double coal, double sulphur, double sulphurRemoval) {
  double t = coal * 1600.0;
  t = t * sulphur;
  t = t / 100.0;
  return finite((1.0 - sulphurRemoval / 100.0) * t);
}

std::optional<double> carbonMonoxideLoad(double coal, double carbon, double incompleteCombustion) {
  double t = coal * 2330.0;
  t = t * incompleteCombustion;
  t = t / 100.0;
  t = t * carbon;
  return finite(t / 100.0);
}

std::optional<double> nitrogenOxidesLoad(double coal, double nitrogenConversion) {
  // 0.015 and 0.000938 are the fixed constants of the method's NOx formula.
  return finite((nitrogenConversion * 0.015 / 100.0 + 0.000938) * (coal * 1630.0));
}

std::string loadText(std::optional<double> load, std::string_view mask) {
  return load ? maskedText(*load, mask) : std::string();
}

}  // namespace tolvar::fuel
