#include "qt/sheet_clipboard.h"

#include <QApplication>
#include <QClipboard>

#include "qt/text_conversion.h"
#include "report/sheet_text.h"

namespace tolvar::qt {

std::unique_ptr<QMimeData> sheetMimeData(const std::vector<CalculationSheet>& sheets) {
  auto data = std::make_unique<QMimeData>();
  std::string html;
  for (const CalculationSheet& sheet : sheets) html += sheetHtml(sheet) + "<p></p>\n";
  data->setHtml(toQString("<meta charset=\"utf-8\">\n" + html));
  data->setText(toQString(sheetsPlainText(sheets)));
  return data;
}

void copySheets(const std::vector<CalculationSheet>& sheets) {
  QApplication::clipboard()->setMimeData(sheetMimeData(sheets).release());
}

}  // namespace tolvar::qt
