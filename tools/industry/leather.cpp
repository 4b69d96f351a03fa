#include "tools/industry/leather.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>

#include "framework/conversion.h"
#include "framework/embedded_data.h"
#include "framework/number_format.h"
#include "framework/tab_separated.h"

namespace tolvar::industry {
namespace {

std::string load(float tonnage, const std::string& coefficientText) {
  double coefficient = *parseDouble(coefficientText);
  if (coefficient == std::floor(coefficient)) {
    return plainText(toSingle(static_cast<double>(tonnage) * coefficient));
  }
  return plainText(static_cast<double>(tonnage) * coefficient);
}

}  // namespace

std::vector<HideCoefficients> parseLeatherCoefficients(std::string_view text) {
  std::vector<HideCoefficients> table;
  std::istringstream lines{std::string(text)};
  int number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++number;
    if (line.empty() || line.front() == '#') continue;
    std::vector<std::string> fields = splitTabs(line);
    bool numbers = std::all_of(fields.begin() + 1, fields.end(),
                               [](const std::string& f) { return parseDouble(f).has_value(); });
    if (fields.size() != 1 + 2 * kLeatherPollutants || !numbers) {
      throw std::invalid_argument("leather coefficients, line " + std::to_string(number) +
                                  ": a hide type and twelve numbers are needed");
    }
    HideCoefficients hide{fields[0], {}, {}};
    std::copy_n(fields.begin() + 1, kLeatherPollutants, hide.generation.begin());
    std::copy_n(fields.begin() + 1 + kLeatherPollutants, kLeatherPollutants,
                hide.discharge.begin());
    table.push_back(std::move(hide));
  }
  return table;
}

const std::vector<HideCoefficients>& leatherCoefficients() {
  static const std::vector<HideCoefficients> table =
      parseLeatherCoefficients(embeddedData("industry/leather_hide_coefficients.tsv"));
  return table;
}

bool leatherLoads(std::string_view hideType, float tonnage,
                  std::array<TextSlot, 2 * kLeatherPollutants>& results) {
  const auto& table = leatherCoefficients();
  auto hide = std::find_if(table.begin(), table.end(),
                           [&](const HideCoefficients& h) { return h.hideType == hideType; });
  if (hide == table.end()) return false;
  Steps steps;
  for (std::size_t i = 0; i < kLeatherPollutants; ++i) {
    steps.write(results[i], [&] { return load(tonnage, hide->generation[i]); });
  }
  for (std::size_t i = 0; i < kLeatherPollutants; ++i) {
    steps.write(results[kLeatherPollutants + i], [&] { return load(tonnage, hide->discharge[i]); });
  }
  return true;
}

}  // namespace tolvar::industry
