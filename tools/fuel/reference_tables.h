#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvar::fuel {

// One reference table window: its texts above the table, the table's printed heading, its rows
// (the first holding the column headings) and its texts under the table. A window without rows
// shows its texts only. Where the book's rows could not be sourced, the table has its column
// headings only and a text under it says so.
struct ReferenceTable {
  std::string title;
  std::vector<std::string> above;
  std::string heading;
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> below;
  bool rowsOmitted = false;
};

// Reads the tab-separated records of reference_tables.tsv; a malformed record throws
// std::invalid_argument naming its line.
std::vector<ReferenceTable> parseReferenceTables(std::string_view text);

// The fuel reference tables that the program carries, in their order in the data.
const std::vector<ReferenceTable>& fuelReferenceTables();

// The motor vehicle emission factors per litre of fuel, a table window of the catalogue.
const ReferenceTable& motorVehicleEmissionTable();

}  // namespace tolvar::fuel
