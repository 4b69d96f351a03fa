#pragma once

#include <string>
#include <vector>

#include "report/calculation_sheet.h"

namespace tolvar {

// One row a line, cells separated by tabs; a multi-line text gives a line for each of its
// lines, and formatted text is written without its markup.
std::string sheetPlainText(const CalculationSheet& sheet);
// One table with a heading row for each section, which word processors paste as a table.
std::string sheetHtml(const CalculationSheet& sheet);

// Many sheets: the plain texts separated by an empty line; the HTML tables one after another
// in a whole document.
std::string sheetsPlainText(const std::vector<CalculationSheet>& sheets);
std::string sheetsHtmlDocument(const std::vector<CalculationSheet>& sheets,
                               const std::string& title);

// Formatted text without its markup: paragraphs and line breaks become line ends.
std::string textOfHtml(const std::string& html);

}  // namespace tolvar
