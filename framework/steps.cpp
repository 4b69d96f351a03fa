#include "framework/steps.h"

#include <cmath>
#include <limits>

namespace tolvar {
namespace {

std::string quoted(std::string_view text) {
  return "“" + std::string(text) + "”";
}

// Rounds half to even, as the integer conversions of the original arithmetic do.
template <typename Integer>
Integer roundedInteger(double value) {
  double rounded = std::nearbyint(value);
  if (!(rounded >= static_cast<double>(std::numeric_limits<Integer>::min()) &&
        rounded <= static_cast<double>(std::numeric_limits<Integer>::max()))) {
    throw StepFailure("整数溢出");
  }
  return static_cast<Integer>(rounded);
}

}  // namespace

float strictSingle(std::string_view text) {
  if (auto value = parseSingle(text)) return *value;
  throw StepFailure(quoted(text) + "不是有效的数值");
}

double strictDouble(std::string_view text) {
  if (auto value = parseDouble(text)) return *value;
  throw StepFailure(quoted(text) + "不是有效的数值");
}

double naturalLog(double x) {
  if (!(x > 0)) throw StepFailure("对数的自变量必须大于0");
  return std::log(x);
}

double squareRoot(double x) {
  if (x < 0 || std::isnan(x)) throw StepFailure("不能对负数开平方");
  return std::sqrt(x);
}

double power(double base, double exponent) {
  if (base < 0 && std::isfinite(exponent) && std::trunc(exponent) != exponent) {
    throw StepFailure("负数不能作非整数次幂");
  }
  return std::pow(base, exponent);
}

std::int16_t toInteger(double value) {
  return roundedInteger<std::int16_t>(value);
}
std::int32_t toLong(double value) {
  return roundedInteger<std::int32_t>(value);
}

}  // namespace tolvar
