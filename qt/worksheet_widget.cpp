#include "qt/worksheet_widget.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QResizeEvent>

#include <algorithm>

#include "framework/conversion.h"
#include "qt/text_conversion.h"

namespace tolvar::qt {
namespace {

constexpr int kCellPadding = 10;
constexpr int kRowPadding = 1;
constexpr int kSmallestFontPixels = 9;  // below this the figures are no longer read reliably

bool isNumber(const std::string& text) {
  return parseDouble(text).has_value();
}

}  // namespace

WorksheetWidget::WorksheetWidget(QWidget* parent) : QTableWidget(parent) {
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setWordWrap(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (filling_ || !entered_) return;
    entered_(CellRef{item->row(), item->column()}, toStdString(item->text()));
  });
}

void WorksheetWidget::showSheet(const Worksheet& sheet, bool active, bool editable) {
  bool sameShape = sheet.rows() == sheet_.rows() && sheet.columns() == sheet_.columns() &&
                   rowCount() == sheet.rows();
  sheet_ = sheet;
  filling_ = true;
  if (sameShape) {
    // The entry being committed belongs to one of these items: they are updated, not replaced.
    for (int r = 0; r < sheet_.rows(); ++r) {
      for (int c = 0; c < sheet_.columns(); ++c) {
        std::string text = sheet_.shownText({r, c});
        QTableWidgetItem* cell = item(r, c);
        if (cell->text() != toQString(text)) cell->setText(toQString(text));
        cell->setTextAlignment(Qt::AlignVCenter |
                               (isNumber(text) ? Qt::AlignRight : Qt::AlignLeft));
      }
    }
    fitColumns();  // a larger quantity widens its amounts
  } else {
    rebuild();
  }
  filling_ = false;
  setEditTriggers(editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::AnyKeyPressed
                           : QAbstractItemView::NoEditTriggers);
  // An active sheet is framed the way an object open for editing in place is.
  setStyleSheet(active ? QStringLiteral("tolvar--qt--WorksheetWidget { border: 3px solid "
                                        "palette(highlight); }")
                       : QString());
}

void WorksheetWidget::rebuild() {
  clear();
  clearSpans();
  setRowCount(sheet_.rows());
  setColumnCount(sheet_.columns());
  QStringList letters;
  for (int c = 0; c < sheet_.columns(); ++c) letters << toQString(columnLetters(c));
  setHorizontalHeaderLabels(letters);
  for (int r = 0; r < sheet_.rows(); ++r) {
    for (int c = 0; c < sheet_.columns(); ++c) {
      std::string text = sheet_.shownText({r, c});
      auto* cell = new QTableWidgetItem(toQString(text));
      cell->setTextAlignment(Qt::AlignVCenter | (isNumber(text) ? Qt::AlignRight : Qt::AlignLeft));
      setItem(r, c, cell);
    }
    // A text runs on over the empty cells to its right, as on a printed sheet.
    for (int c = 0; c < sheet_.columns();) {
      int next = c + 1;
      if (!sheet_.shownText({r, c}).empty() && !isNumber(sheet_.shownText({r, c}))) {
        while (next < sheet_.columns() && sheet_.shownText({r, next}).empty()) ++next;
        if (next - c > 1) setSpan(r, c, 1, next - c);
      }
      c = next;
    }
  }
  fitToBox();
}

// Each column as wide as its widest cell that does not run on into its neighbours.
void WorksheetWidget::fitColumns() {
  QFontMetrics metrics(font());
  for (int c = 0; c < sheet_.columns(); ++c) {
    int width = metrics.horizontalAdvance(QStringLiteral("0000"));
    for (int r = 0; r < sheet_.rows(); ++r) {
      if (columnSpan(r, c) > 1) continue;
      width = std::max(width, metrics.horizontalAdvance(item(r, c)->text()));
    }
    setColumnWidth(c, width + kCellPadding);
  }
}

// The whole sheet in its box where a legible font allows, as a sheet's picture is scaled into
// the box; a longer sheet scrolls.
void WorksheetWidget::fitToBox() {
  QFont font = QApplication::font(this);
  int rowsWithHeader = sheet_.rows() + 1;
  int available = height() - 2 * frameWidth();
  auto rowHeightOf = [](const QFont& f) {
    return QFontMetrics(f).height() + kRowPadding;
  };
  if (font.pixelSize() <= 0) font.setPixelSize(QFontInfo(font).pixelSize());
  while (rowsWithHeader * rowHeightOf(font) > available && font.pixelSize() > kSmallestFontPixels) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  setFont(font);
  horizontalHeader()->setFont(font);
  verticalHeader()->setFont(font);
  int rowHeight = rowHeightOf(font);
  verticalHeader()->setMinimumSectionSize(rowHeight);
  verticalHeader()->setDefaultSectionSize(rowHeight);
  for (int r = 0; r < rowCount(); ++r) setRowHeight(r, rowHeight);
  horizontalHeader()->setFixedHeight(rowHeight);
  fitColumns();
}

void WorksheetWidget::resizeEvent(QResizeEvent* event) {
  QTableWidget::resizeEvent(event);
  fitToBox();
}

QString WorksheetWidget::selectedText() const {
  QList<QTableWidgetSelectionRange> ranges = selectedRanges();
  if (ranges.isEmpty()) return {};
  int top = rowCount(), left = columnCount(), bottom = -1, right = -1;
  for (const QTableWidgetSelectionRange& range : ranges) {
    top = std::min(top, range.topRow());
    left = std::min(left, range.leftColumn());
    bottom = std::max(bottom, range.bottomRow());
    right = std::max(right, range.rightColumn());
  }
  return toQString(sheet_.tabSeparated({top, left}, {bottom, right}));
}

void WorksheetWidget::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    QString text = selectedText();
    if (!text.isEmpty()) QApplication::clipboard()->setText(text);
    event->accept();
    return;
  }
  QTableWidget::keyPressEvent(event);
}

}  // namespace tolvar::qt
