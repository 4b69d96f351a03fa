// A text that converts strictly, written in the plain text form and converted again, lies
// within half a unit of the last digit shown; a normal double shows the same text again.
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

#include "framework/conversion.h"
#include "framework/number_format.h"

namespace {

template <typename Number>
void checkRoundTrip(std::optional<Number> value, std::optional<Number> (*parse)(std::string_view),
                    int digits) {
  if (!value) return;
  if (!std::isfinite(*value)) std::abort();  // strict conversion gives numbers only
  std::string shown = tolvar::plainText(*value);
  std::optional<Number> again = parse(shown);
  if (!again) {
    // Only a value next to the end of the range may be shown rounded beyond it.
    Number limit = std::numeric_limits<Number>::max();
    if (std::fabs(*value) < limit * (1 - 5 * std::pow(10.0, -digits))) std::abort();
    return;
  }
  // The plain text form of a double converts back to a double that shows the same text. Not so
  // for singles, whose spacing near a power of ten (the single nearest 1E+28 is written
  // 9.999999E+27) and below the normal range is coarser than the seventh digit.
  bool normal = std::fabs(*value) >= std::numeric_limits<Number>::min();
  if (std::is_same_v<Number, double> && normal && tolvar::plainText(*again) != shown) {
    std::abort();
  }
  // Half a unit of the last digit shown, and the rounding of the conversion itself.
  double tolerance = std::fabs(static_cast<double>(*value)) * 6 * std::pow(10.0, -digits);
  double smallest = static_cast<double>(std::numeric_limits<Number>::denorm_min());
  if (std::fabs(static_cast<double>(*again) - static_cast<double>(*value)) >
      std::max(tolerance, smallest)) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  checkRoundTrip(tolvar::parseSingle(text), &tolvar::parseSingle, 7);
  checkRoundTrip(tolvar::parseDouble(text), &tolvar::parseDouble, 15);
  return 0;
}
