#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvar::units {

// What a convertible reference line does: the unit labels it shows and the factor by which
// the input is multiplied.
struct UnitConversion {
  std::string fromUnit;
  std::string toUnit;
  double factor = 0;
};

// One reference line, a one-line equivalence; only some of them convert.
struct ReferenceLine {
  std::string text;
  std::optional<UnitConversion> conversion;
};

struct UnitCategory {
  std::string name;
  std::vector<ReferenceLine> lines;
};

// Reads the tab-separated records of unit_table.tsv; a malformed record, a factor that is no
// number or a reference line that occurs twice throws std::invalid_argument naming its line.
std::vector<UnitCategory> parseUnitTable(std::string_view text);

// The categories that the program carries, in list order.
const std::vector<UnitCategory>& unitCategories();

// The category with exactly this item text, or none.
const UnitCategory* findCategory(std::string_view name);

// The conversion of the reference line with exactly this text, or none for a text that is no
// convertible line.
const UnitConversion* findConversion(std::string_view lineText);

// The output text for the input under the chosen line: the plain text form of input × factor
// in double precision, or none (the output keeps its text) when the line does not convert or
// the input is no number.
std::optional<std::string> convertedText(std::string_view lineText, std::string_view input);

}  // namespace tolvar::units
