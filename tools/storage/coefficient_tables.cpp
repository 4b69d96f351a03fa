#include "tools/storage/coefficient_tables.h"

#include <stdexcept>
#include <vector>

#include "framework/embedded_data.h"

namespace tolvar::storage {

const fuel::ReferenceTable& coefficientTable(std::string_view windowTitle) {
  static const std::vector<fuel::ReferenceTable> tables =
      fuel::parseReferenceTables(embeddedData("storage/coefficient_tables.tsv"));
  for (const fuel::ReferenceTable& table : tables) {
    if (table.title == windowTitle) return table;
  }
  throw std::out_of_range("no coefficient table for " + std::string(windowTitle));
}

void addCoefficientTable(WindowDescriptor& d, const std::string& frame) {
  const fuel::ReferenceTable& table = coefficientTable(d.title);
  int notes = 0;
  auto addNote = [&](const std::string& text) {
    d.add(label("TableNote" + std::to_string(++notes), text).in(frame));
  };
  for (const std::string& text : table.above) addNote(text);
  d.add(tableGrid("Table", table.rows).in(frame));
  for (const std::string& text : table.below) addNote(text);
}

}  // namespace tolvar::storage
