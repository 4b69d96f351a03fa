#include "tools/fuel/reference_table_window.h"

#include <string>

namespace tolvar::fuel {
namespace {

WindowDescriptor describe(const ReferenceTable& table) {
  WindowDescriptor d{table.title, {}};
  int labels = 0;
  auto addLabel = [&](const std::string& text) {
    d.add(label("Label" + std::to_string(++labels), text));
  };
  for (const std::string& text : table.above) addLabel(text);
  if (!table.heading.empty()) d.add(heading("Heading", table.heading));
  if (!table.rows.empty()) d.add(tableGrid("Table", table.rows));
  for (const std::string& text : table.below) addLabel(text);
  return d;
}

}  // namespace

ReferenceTableWindow::ReferenceTableWindow(const ReferenceTable& table) : Tool(describe(table)) {}

}  // namespace tolvar::fuel
