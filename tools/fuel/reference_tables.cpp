#include "tools/fuel/reference_tables.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

#include "framework/embedded_data.h"
#include "framework/tab_separated.h"

namespace tolvar::fuel {
namespace {

[[noreturn]] void reject(int lineNumber, const std::string& why) {
  throw std::invalid_argument("reference tables, line " + std::to_string(lineNumber) + ": " + why);
}

void checkComplete(const ReferenceTable& table, int lineNumber) {
  if (table.rows.empty() && table.above.empty() && table.below.empty()) {
    reject(lineNumber, "window " + table.title + " shows nothing");
  }
  if (table.rows.size() == 1 && !table.rowsOmitted) {
    reject(lineNumber, "window " + table.title + " has no data rows");
  }
  if (table.rowsOmitted && table.rows.size() != 1) {
    reject(lineNumber, "window " + table.title + " omits rows but has other than a heading row");
  }
}

}  // namespace

std::vector<ReferenceTable> parseReferenceTables(std::string_view text) {
  std::vector<ReferenceTable> tables;
  std::istringstream lines{std::string(text)};
  int lineNumber = 0;
  for (std::string line; std::getline(lines, line);) {
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    std::vector<std::string> fields = splitTabs(line);
    const std::string& key = fields.front();
    if (fields.size() < 2 || fields[1].empty()) reject(lineNumber, "no text after " + key);
    if (key == "window") {
      if (!tables.empty()) checkComplete(tables.back(), lineNumber);
      bool known = std::any_of(tables.begin(), tables.end(),
                               [&](const ReferenceTable& t) { return t.title == fields[1]; });
      if (known) reject(lineNumber, "a second window " + fields[1]);
      tables.emplace_back().title = fields[1];
      continue;
    }
    if (tables.empty()) reject(lineNumber, key + " before the first window");
    ReferenceTable& table = tables.back();
    if (key == "above" && fields.size() == 2) {
      table.above.push_back(fields[1]);
    } else if (key == "heading" && fields.size() == 2 && table.heading.empty()) {
      table.heading = fields[1];
    } else if (key == "row") {
      fields.erase(fields.begin());
      if (!table.rows.empty() && fields.size() != table.rows.front().size()) {
        reject(lineNumber, "a row of another width than the heading row");
      }
      table.rows.push_back(std::move(fields));
    } else if (key == "below" && fields.size() == 2) {
      table.below.push_back(fields[1]);
    } else if (key == "omitted" && fields.size() == 2) {
      table.below.push_back(fields[1]);
      table.rowsOmitted = true;
    } else {
      reject(lineNumber, "not a record line: " + line);
    }
  }
  if (!tables.empty()) checkComplete(tables.back(), lineNumber);
  return tables;
}

const std::vector<ReferenceTable>& fuelReferenceTables() {
  static const std::vector<ReferenceTable> tables =
      parseReferenceTables(embeddedData("fuel/reference_tables.tsv"));
  return tables;
}

const ReferenceTable& motorVehicleEmissionTable() {
  static const std::vector<ReferenceTable> tables =
      parseReferenceTables(embeddedData("fuel/motor_vehicle_emissions.tsv"));
  if (tables.size() != 1) throw std::logic_error("motor vehicle emissions: not one table");
  return tables.front();
}

}  // namespace tolvar::fuel
