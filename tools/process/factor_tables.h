#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvar::process {

// One table of emission factors in kg per tonne: its row items and column items in the order of
// the window's lists, and a factor for each pair where the handbook gives one.
struct FactorTable {
  std::string name;
  std::vector<std::string> columns;
  std::vector<std::string> rows;
  std::vector<std::vector<std::optional<double>>> factors;  // [row][column]

  bool hasRow(std::string_view row) const;
  // No value for a row or column text that is no item, or a pair without a factor.
  std::optional<double> factor(std::string_view row, std::string_view column) const;
  // The factor of a row in a table of one column.
  std::optional<double> factor(std::string_view row) const;
};

// Reads the records of emission_factors.tsv; a malformed record throws std::invalid_argument
// naming its line.
std::vector<FactorTable> parseFactorTables(std::string_view text);

// The tables that the program carries, in their order in the data.
const std::vector<FactorTable>& emissionFactorTables();
// The table of that name; throws std::out_of_range when the data lacks it.
const FactorTable& emissionFactorTable(std::string_view name);

}  // namespace tolvar::process
