#include "tools/units/unit_table.h"

#include <algorithm>
#include <set>
#include <sstream>
#include <stdexcept>

#include "framework/conversion.h"
#include "framework/embedded_data.h"
#include "framework/number_format.h"
#include "framework/tab_separated.h"

namespace tolvar::units {
namespace {

[[noreturn]] void reject(int lineNumber, const std::string& why) {
  throw std::invalid_argument("unit table, line " + std::to_string(lineNumber) + ": " + why);
}

}  // namespace

std::vector<UnitCategory> parseUnitTable(std::string_view text) {
  std::vector<UnitCategory> categories;
  std::set<std::string, std::less<>> seen;
  std::istringstream lines{std::string(text)};
  int lineNumber = 0;
  for (std::string line; std::getline(lines, line);) {
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    std::vector<std::string> fields = splitTabs(line);
    const std::string& key = fields.front();
    if (fields.size() < 2 || fields[1].empty()) reject(lineNumber, "no text after " + key);
    if (key == "category" && fields.size() == 2) {
      if (std::any_of(categories.begin(), categories.end(),
                      [&](const UnitCategory& c) { return c.name == fields[1]; })) {
        reject(lineNumber, "a second category " + fields[1]);
      }
      categories.push_back(UnitCategory{fields[1], {}});
      continue;
    }
    if (key != "line" || (fields.size() != 2 && fields.size() != 5)) {
      reject(lineNumber, "not a record line: " + line);
    }
    if (categories.empty()) reject(lineNumber, "a line before the first category");
    if (!seen.insert(fields[1]).second) reject(lineNumber, "a second line " + fields[1]);
    ReferenceLine reference{fields[1], std::nullopt};
    if (fields.size() == 5) {
      std::optional<double> factor = parseDouble(fields[4]);
      if (!factor || fields[2].empty() || fields[3].empty()) {
        reject(lineNumber, "an incomplete conversion: " + line);
      }
      reference.conversion = UnitConversion{fields[2], fields[3], *factor};
    }
    categories.back().lines.push_back(std::move(reference));
  }
  return categories;
}

const std::vector<UnitCategory>& unitCategories() {
  static const std::vector<UnitCategory> categories =
      parseUnitTable(embeddedData("units/unit_table.tsv"));
  return categories;
}

const UnitCategory* findCategory(std::string_view name) {
  for (const UnitCategory& category : unitCategories()) {
    if (category.name == name) return &category;
  }
  return nullptr;
}

const UnitConversion* findConversion(std::string_view lineText) {
  for (const UnitCategory& category : unitCategories()) {
    for (const ReferenceLine& line : category.lines) {
      if (line.text == lineText) return line.conversion ? &*line.conversion : nullptr;
    }
  }
  return nullptr;
}

std::optional<std::string> convertedText(std::string_view lineText, std::string_view input) {
  const UnitConversion* conversion = findConversion(lineText);
  if (conversion == nullptr) return std::nullopt;
  std::optional<double> value = parseDouble(input);
  if (!value) return std::nullopt;
  // A product beyond double shows as "Inf" rather than leaving the previous output standing.
  return plainText(*value * conversion->factor);
}

}  // namespace tolvar::units
