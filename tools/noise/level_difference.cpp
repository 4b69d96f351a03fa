#include "tools/noise/level_difference.h"

#include <cmath>

#include "framework/number_format.h"
#include "framework/steps.h"

namespace tolvar::noise {

std::optional<std::string> levelDifference(std::string_view minuendText,
                                           std::string_view subtrahendText) {
  double difference = 0.0;
  Steps steps;
  steps.let(difference, [&] {
    double energy = std::pow(10.0, strictDouble(minuendText) / 10.0) -
                    std::pow(10.0, strictDouble(subtrahendText) / 10.0);
    return 10.0 * naturalLog(energy) / naturalLog(10.0);
  });
  if (steps.failedSteps() > 0) return std::nullopt;
  return maskedText(difference, "#####.##");
}

}  // namespace tolvar::noise
