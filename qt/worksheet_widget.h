#pragma once

#include <QTableWidget>

#include <functional>
#include <string>

#include "framework/worksheet.h"

namespace tolvar::qt {

// An embedded sheet in its box: a table with column letters and row numbers. Inactive it is a
// picture of the sheet; active and editable, a typed entry is handed to onEntered. A range of
// cells can be selected and copied with Ctrl+C as tab-separated text in either state.
class WorksheetWidget : public QTableWidget {
  Q_OBJECT

 public:
  explicit WorksheetWidget(QWidget* parent);

  void showSheet(const Worksheet& sheet, bool active, bool editable);
  void onEntered(std::function<void(CellRef, std::string)> handler) {
    entered_ = std::move(handler);
  }
  // The selected range's cells as tab-separated rows; empty without a selection.
  QString selectedText() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void rebuild();
  void fitToBox();
  void fitColumns();

  Worksheet sheet_;
  std::function<void(CellRef, std::string)> entered_;
  bool filling_ = false;
};

}  // namespace tolvar::qt
