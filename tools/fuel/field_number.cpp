#include "tools/fuel/field_number.h"

#include <limits>

#include "framework/conversion.h"
#include "framework/window.h"

namespace tolvar::fuel {

double numberOrNaN(std::string_view text) {
  return parseDouble(text).value_or(std::numeric_limits<double>::quiet_NaN());
}

double fieldNumber(const Window& window, std::string_view field) {
  return numberOrNaN(window.text(field));
}

}  // namespace tolvar::fuel
