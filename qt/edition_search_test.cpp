#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QScrollArea>
#include <QTableWidget>
#include <QTest>

#include "catalogues/editions/hazardous_waste_2021_window.h"
#include "catalogues/editions/industry_classification_2017_window.h"
#include "framework/window.h"
#include "qt/qt_host.h"
#include "qt/text_conversion.h"

namespace tolvar::qt {
namespace {

// A search that fills the result table with many long rows leaves its window as it opened, on a
// 1366 × 768 screen: the table scrolls instead of growing past the window.
TEST(EditionSearch, AFullResultTableKeepsTheWindowOnTheScreen) {
  struct Case {
    const char* title;
    const char* mode;
    const char* query;
  };
  QtHost host;
  QString screenshots = qEnvironmentVariable("TOLVAR_SCREENSHOT_DIR");
  for (const Case& c : {Case{catalogues::kHazardousWaste2021Title, "Option2", "900-"},
                        Case{catalogues::kIndustryClassification2017Title, "Option2", "26"}}) {
    SCOPED_TRACE(c.title);
    std::shared_ptr<Window> window = host.desktop().show(c.title);
    ASSERT_NE(window, nullptr);
    ToolWindow* view = host.view(c.title);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    view->resize(view->preferredSize());  // the offscreen screen is smaller than the real one
    window->click(c.mode);
    window->edit("Text1", c.query);
    window->click("Command1");
    QApplication::processEvents();
    auto* table = view->findChild<QTableWidget*>("Grid1");
    ASSERT_NE(table, nullptr);
    EXPECT_GT(table->rowCount(), 40);
    // The window opens at a size that holds its content, so nothing but the table scrolls.
    EXPECT_LE(view->preferredSize().width(), 1366);
    EXPECT_LE(view->preferredSize().height(), 700);
    QWidget* content = view->findChild<QScrollArea*>()->widget();
    EXPECT_LE(content->minimumSizeHint().width(), view->width());
    EXPECT_LE(content->minimumSizeHint().height(), view->height());
    if (!screenshots.isEmpty()) {
      QDir().mkpath(screenshots);
      view->grab().save(screenshots + "/" + toQString(c.title).replace('/', '_') + " 检索后.png");
    }
    view->close();
    QApplication::processEvents();
  }
}

}  // namespace
}  // namespace tolvar::qt
