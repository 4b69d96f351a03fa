#include "tools/fuel/stove_loads.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

#include "framework/conversion.h"
#include "framework/embedded_data.h"
#include "framework/steps.h"
#include "framework/tab_separated.h"

namespace tolvar::fuel {
namespace {

constexpr std::size_t kColumns = 7;

[[noreturn]] void reject(int lineNumber, const std::string& why) {
  throw std::invalid_argument("stove factors, line " + std::to_string(lineNumber) + ": " + why);
}

double factor(const std::string& text, int lineNumber) {
  std::optional<double> value = parseDouble(text);
  if (!value) reject(lineNumber, "not a number: " + text);
  return *value;
}

}  // namespace

std::vector<StoveFactors> parseStoveFactors(std::string_view text) {
  std::vector<StoveFactors> rows;
  std::istringstream lines{std::string(text)};
  int lineNumber = 0;
  for (std::string line; std::getline(lines, line);) {
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    std::vector<std::string> f = splitTabs(line);
    if (f.size() != kColumns) reject(lineNumber, "not " + std::to_string(kColumns) + " fields");
    if (f[0].empty() || f[1].empty()) reject(lineNumber, "no stove or coal kind");
    bool known = std::any_of(rows.begin(), rows.end(), [&](const StoveFactors& r) {
      return r.stove == f[0] && r.coal == f[1];
    });
    if (known) reject(lineNumber, "a second row for " + f[0] + " " + f[1]);
    rows.push_back({f[0], f[1], factor(f[2], lineNumber), factor(f[3], lineNumber),
                    factor(f[4], lineNumber), factor(f[5], lineNumber), factor(f[6], lineNumber)});
  }
  return rows;
}

std::vector<StoveFactors> stoveFactors(std::string_view stove) {
  static const std::vector<StoveFactors> all =
      parseStoveFactors(embeddedData("fuel/stove_factors.tsv"));
  std::vector<StoveFactors> rows;
  std::copy_if(all.begin(), all.end(), std::back_inserter(rows),
               [&](const StoveFactors& r) { return r.stove == stove; });
  return rows;
}

StoveLoads stoveLoads(std::span<const StoveFactors> rows, std::string_view coalKind,
                      std::string_view coalBurnt, const StoveLoads& previous) {
  StoveLoads v = previous;
  Steps steps;
  auto row = std::find_if(rows.begin(), rows.end(),
                          [&](const StoveFactors& r) { return r.coal == coalKind; });
  if (row == rows.end()) return StoveLoads{};
  // Each product reads the coal burnt afresh, so a text that is no number fails every one.
  steps.let(v.carbonMonoxide, [&] { return strictDouble(coalBurnt) * row->carbonMonoxide; });
  steps.let(v.hydrocarbons, [&] { return strictDouble(coalBurnt) * row->hydrocarbons; });
  steps.let(v.sulphurDioxide, [&] { return strictDouble(coalBurnt) * row->sulphurDioxide; });
  steps.let(v.nitrogenOxides, [&] { return strictDouble(coalBurnt) * row->nitrogenOxides; });
  steps.let(v.smoke, [&] { return strictDouble(coalBurnt) * row->smoke; });
  return v;
}

}  // namespace tolvar::fuel
