// A masked text is the value rounded to the mask's decimals: it holds only digits, sign, point
// and group separators, and converted back it lies within half a unit of the last decimal.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "framework/conversion.h"
#include "framework/number_format.h"

namespace {

std::string maskFrom(FuzzedDataProvider& input) {
  static constexpr char kMaskCharacters[] = {'#', '0', '.', ','};
  std::string mask;
  std::size_t length = input.ConsumeIntegralInRange<std::size_t>(0, 24);
  bool point = false;
  for (std::size_t i = 0; i < length; ++i) {
    char c = input.PickValueInArray(kMaskCharacters);
    if (c == '.' && point) continue;
    if (c == ',' && point) continue;  // "," only groups the integer part
    point = point || c == '.';
    mask.push_back(c);
  }
  return mask;
}

std::size_t decimalsOf(const std::string& mask) {
  std::size_t point = mask.find('.');
  return point == std::string::npos ? 0 : mask.size() - point - 1;
}

template <typename Number>
void check(Number value, const std::string& mask, std::optional<Number> (*parse)(std::string_view),
           int digits) {
  std::string text = tolvar::maskedText(value, mask);
  if (!std::isfinite(value)) {
    if (text != tolvar::plainText(value)) std::abort();  // "Inf", "-Inf" or "NaN"
    return;
  }
  if (text.find_first_not_of("-0123456789.,") != std::string::npos) std::abort();
  std::optional<Number> shown = parse(text);
  if (!shown) return;  // no digits at all: a mask of "#" for a value that rounds to zero
  double half = 0.5 * std::pow(10.0, -static_cast<double>(decimalsOf(mask)));
  // The digits the plain text form carries, and the rounding of the conversion back.
  double carried = std::fabs(static_cast<double>(value)) * 6 * std::pow(10.0, -digits);
  double difference = std::fabs(static_cast<double>(*shown) - static_cast<double>(value));
  if (difference > (half + carried) * (1 + 1e-9)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  std::string mask = maskFrom(input);
  double value = input.ConsumeFloatingPoint<double>();
  // A mask writes every integer digit; keep the texts short enough to fuzz quickly.
  if (std::isfinite(value) && std::fabs(value) > 1e30) value = std::fmod(value, 1e30);
  check(value, mask, &tolvar::parseDouble, 15);
  check(tolvar::toSingle(value), mask, &tolvar::parseSingle, 7);
  return 0;
}
