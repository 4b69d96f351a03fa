#include "tools/process/factor_tables.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

#include "framework/conversion.h"
#include "framework/embedded_data.h"
#include "framework/tab_separated.h"

namespace tolvar::process {
namespace {

constexpr std::string_view kNoFactor = "—";

[[noreturn]] void reject(int lineNumber, const std::string& why) {
  throw std::invalid_argument("emission factors, line " + std::to_string(lineNumber) + ": " + why);
}

template <typename Items>
std::optional<std::size_t> indexOf(const Items& items, std::string_view text) {
  auto found = std::find(items.begin(), items.end(), text);
  if (found == items.end()) return std::nullopt;
  return static_cast<std::size_t>(found - items.begin());
}

std::optional<double> factorText(const std::string& text, int lineNumber) {
  if (text == kNoFactor) return std::nullopt;
  std::optional<double> factor = parseDouble(text);
  if (!factor || text.find_first_not_of("0123456789.") != std::string::npos) {
    reject(lineNumber, "not a factor: " + text);
  }
  return factor;
}

}  // namespace

bool FactorTable::hasRow(std::string_view row) const {
  return indexOf(rows, row).has_value();
}

std::optional<double> FactorTable::factor(std::string_view row, std::string_view column) const {
  std::optional<std::size_t> r = indexOf(rows, row);
  std::optional<std::size_t> c = indexOf(columns, column);
  if (!r || !c) return std::nullopt;
  return factors[*r][*c];
}

std::optional<double> FactorTable::factor(std::string_view row) const {
  if (columns.size() != 1) throw std::logic_error("table " + name + " has several columns");
  return factor(row, columns.front());
}

std::vector<FactorTable> parseFactorTables(std::string_view text) {
  std::vector<FactorTable> tables;
  std::istringstream lines{std::string(text)};
  int lineNumber = 0;
  for (std::string line; std::getline(lines, line);) {
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    std::vector<std::string> fields = splitTabs(line);
    const std::string key = fields.front();
    fields.erase(fields.begin());
    if (fields.empty() ||
        std::any_of(fields.begin(), fields.end(), [](const std::string& f) { return f.empty(); })) {
      reject(lineNumber, "an empty field after " + key);
    }
    if (key == "table") {
      if (fields.size() != 1) reject(lineNumber, "a table has one name");
      if (!tables.empty() && tables.back().rows.empty()) reject(lineNumber, "a table without rows");
      if (std::any_of(tables.begin(), tables.end(),
                      [&](const FactorTable& t) { return t.name == fields.front(); })) {
        reject(lineNumber, "a second table " + fields.front());
      }
      tables.push_back(FactorTable{fields.front(), {}, {}, {}});
      continue;
    }
    if (tables.empty()) reject(lineNumber, key + " before the first table");
    FactorTable& table = tables.back();
    if (key == "columns" && table.columns.empty()) {
      table.columns = std::move(fields);
    } else if (key == "row" && !table.columns.empty()) {
      if (fields.size() != table.columns.size() + 1) {
        reject(lineNumber, "a row needs one factor per column");
      }
      if (table.hasRow(fields.front())) reject(lineNumber, "a second row " + fields.front());
      table.rows.push_back(fields.front());
      std::vector<std::optional<double>> factors;
      for (std::size_t i = 1; i < fields.size(); ++i) {
        factors.push_back(factorText(fields[i], lineNumber));
      }
      table.factors.push_back(std::move(factors));
    } else {
      reject(lineNumber, "not a record line: " + line);
    }
  }
  if (!tables.empty() && tables.back().rows.empty()) reject(lineNumber, "a table without rows");
  return tables;
}

const std::vector<FactorTable>& emissionFactorTables() {
  static const std::vector<FactorTable> tables =
      parseFactorTables(embeddedData("process/emission_factors.tsv"));
  return tables;
}

const FactorTable& emissionFactorTable(std::string_view name) {
  for (const FactorTable& table : emissionFactorTables()) {
    if (table.name == name) return table;
  }
  throw std::out_of_range("no emission factor table " + std::string(name));
}

}  // namespace tolvar::process
