#include "qt/worksheet_widget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QWidget>

#include "framework/desktop.h"
#include "framework/embedded_sheet_window.h"
#include "framework/testing/message_recording_host.h"
#include "qt/window_renderer.h"

namespace tolvar::qt {
namespace {

// A title over a quantity and its product.
Worksheet productSheet() {
  Worksheet sheet("积", 2, 3);
  sheet.setText({0, 0}, "标题");
  sheet.setNumber({1, 0}, 2);
  sheet.setNumber({1, 1}, 3);
  sheet.setFormula({1, 2}, {{1, 0}, {1, 1}});
  return sheet;
}

class SheetBox : public ::testing::Test {
 protected:
  SheetBox() {
    ToolRegistry registry;
    registry.add("表", [] {
      return std::make_unique<EmbeddedSheetWindow>(
          EmbeddedSheetTexts{"表", "积"},
          embeddedSheetLayoutFromTwips(6000, 3000, {300, 600, 5000, 1500}, 600, 2400, 3000, 2400),
          productSheet());
    });
    desktop_ = std::make_unique<Desktop>(std::move(registry), host_);
    window_ = desktop_->show("表");
    new WindowRenderer(window_, &container_);
    sheet_ = container_.findChild<WorksheetWidget*>("Sheet");
  }

  MessageRecordingHost host_;
  std::unique_ptr<Desktop> desktop_;
  std::shared_ptr<Window> window_;
  QWidget container_;
  WorksheetWidget* sheet_ = nullptr;
};

TEST_F(SheetBox, ShowsTheSheetAtItsPlaceWithLettersAndNumbers) {
  ASSERT_NE(sheet_, nullptr);
  EXPECT_EQ(sheet_->geometry(), QRect(20, 40, 333, 100));
  EXPECT_EQ(sheet_->horizontalHeaderItem(2)->text(), "C");
  EXPECT_EQ(sheet_->item(1, 2)->text(), "6");
  EXPECT_EQ(sheet_->columnSpan(0, 0), 3);  // the title runs on over the empty cells
  EXPECT_EQ(sheet_->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(SheetBox, CtrlCCopiesTheSelectedRangeInEitherState) {
  ASSERT_NE(sheet_, nullptr);
  for (const char* activation : {"before", "after"}) {
    SCOPED_TRACE(activation);
    QApplication::clipboard()->clear();
    sheet_->setRangeSelected(QTableWidgetSelectionRange(1, 1, 1, 2), true);
    QTest::keyClick(sheet_, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "3\t6\n");
    window_->click("Activate");
  }
}

TEST_F(SheetBox, AnEntryWhileActiveRecalculatesAndOnlyThen) {
  ASSERT_NE(sheet_, nullptr);
  sheet_->item(1, 0)->setText("5");  // as an editor would commit it
  EXPECT_EQ(window_->state("Sheet").sheet->shownText({1, 0}), "2");
  window_->click("Activate");
  EXPECT_NE(sheet_->editTriggers(), QAbstractItemView::NoEditTriggers);
  sheet_->item(1, 0)->setText("5");
  EXPECT_EQ(sheet_->item(1, 2)->text(), "15");
  window_->click("Close");
  EXPECT_EQ(sheet_->editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_EQ(sheet_->item(1, 2)->text(), "15");
}

TEST_F(SheetBox, TypingIntoACellOfTheActiveSheetRecalculatesOnEnter) {
  ASSERT_NE(sheet_, nullptr);
  container_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&container_));
  window_->click("Activate");
  sheet_->setFocus();
  sheet_->setCurrentCell(1, 1);
  QTest::keyClick(sheet_, Qt::Key_7);  // starts editing with the key typed
  auto* editor = sheet_->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  QTest::keyClicks(editor, "0");
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();  // the delegate commits the entry queued
  EXPECT_EQ(window_->state("Sheet").sheet->shownText({1, 1}), "70");
  EXPECT_EQ(sheet_->item(1, 2)->text(), "140");
}

TEST(SheetBoxFit, ALongSheetShrinksToShowEveryRowInItsBox) {
  Worksheet tall("长", 16, 6);
  for (int r = 0; r < tall.rows(); ++r) tall.setText({r, 0}, "悬浮物");
  WorksheetWidget box(nullptr);
  box.setGeometry(0, 0, 433, 281);  // the three-block form's box
  box.showSheet(tall, false, false);
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  EXPECT_EQ(box.verticalScrollBar()->maximum(), 0);
  EXPECT_LE(box.rowViewportPosition(15) + box.rowHeight(15), box.viewport()->height());
}

}  // namespace
}  // namespace tolvar::qt
