#include "catalogues/hazardous_waste_document.h"

#include <algorithm>

namespace tolvar::catalogues {
namespace {

constexpr int kTableColumns = 4;
constexpr int kFirstTableRow = 2;

std::string joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) {
    if (!out.empty()) out += "\n";
    out += line;
  }
  return out;
}

std::vector<std::string> linesOf(const std::string& cell) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t feed; (feed = cell.find('\n', start)) != std::string::npos; start = feed + 1) {
    lines.push_back(cell.substr(start, feed - start));
  }
  lines.push_back(cell.substr(start));
  return lines;
}

}  // namespace

std::vector<std::vector<std::string>> hazardousWasteTable(const HazardousWasteList& list) {
  std::vector<std::vector<std::string>> rows{
      {"编号", "废物类别", "废物来源", "常见危害组分或废物名称"}};
  for (const HazardousWasteCategory& category : list.categories) {
    rows.push_back(
        {category.code, category.name, joined(category.sources), joined(category.components)});
  }
  return rows;
}

Worksheet hazardousWasteDocument(const HazardousWasteList& list) {
  std::vector<std::vector<std::vector<std::string>>> table;  // rows of cells of lines
  int sheetRows = kFirstTableRow;
  for (const std::vector<std::string>& row : hazardousWasteTable(list)) {
    std::vector<std::vector<std::string>> cells;
    std::size_t height = 1;
    for (const std::string& cell : row) {
      cells.push_back(linesOf(cell));
      height = std::max(height, cells.back().size());
    }
    table.push_back(std::move(cells));
    sheetRows += static_cast<int>(height);
  }
  Worksheet sheet(kHazardousWasteDocumentTitle, sheetRows, kTableColumns);
  sheet.setText({0, 0}, kHazardousWasteDocumentTitle);
  sheet.setText({1, 0}, kHazardousWasteIssuingLine);
  int top = kFirstTableRow;
  for (const auto& cells : table) {
    std::size_t height = 1;
    for (int column = 0; column < kTableColumns; ++column) {
      const std::vector<std::string>& lines = cells[static_cast<std::size_t>(column)];
      for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].empty()) sheet.setText({top + static_cast<int>(i), column}, lines[i]);
      }
      height = std::max(height, lines.size());
    }
    top += static_cast<int>(height);
  }
  return sheet;
}

}  // namespace tolvar::catalogues
