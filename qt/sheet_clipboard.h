#pragma once

#include <QMimeData>

#include <memory>

#include "report/calculation_sheet.h"

namespace tolvar::qt {

// A sheet as clipboard data: HTML (one table, pasted by word processors as a table) and plain
// text (one row a line, cells separated by tabs).
std::unique_ptr<QMimeData> sheetMimeData(const std::vector<CalculationSheet>& sheets);
void copySheets(const std::vector<CalculationSheet>& sheets);

}  // namespace tolvar::qt
