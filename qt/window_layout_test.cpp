#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "qt/qt_host.h"
#include "qt/text_conversion.h"

namespace tolvar::qt {
namespace {

// Every window of the program opens within a 1366 × 768 screen with no caption cut short.
// With TOLVAR_SCREENSHOT_DIR set, each window is also saved there as a picture to look at.
TEST(WindowLayout, EveryWindowFitsTheScreenWithoutClippedText) {
  QtHost host;
  QString screenshots = qEnvironmentVariable("TOLVAR_SCREENSHOT_DIR");
  for (const std::string& identity : host.desktop().registry().identities()) {
    SCOPED_TRACE(identity);
    ASSERT_NE(host.desktop().show(identity), nullptr);
    ToolWindow* view = host.view(identity);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    // Room for the title bar and the taskbar of a 1366 × 768 screen.
    EXPECT_LE(view->preferredSize().width(), 1366);
    EXPECT_LE(view->preferredSize().height(), 700);
    view->resize(view->preferredSize());
    QApplication::processEvents();
    for (QLabel* label : view->findChildren<QLabel*>()) {
      if (!label->isVisible() || label->wordWrap() || label->text().isEmpty()) continue;
      EXPECT_GE(label->width(), label->minimumSizeHint().width())
          << "clipped label: " << toStdString(label->text());
    }
    for (QAbstractButton* button : view->findChildren<QAbstractButton*>()) {
      if (!button->isVisible()) continue;
      EXPECT_GE(button->width(), button->minimumSizeHint().width())
          << "clipped button: " << toStdString(button->text());
    }
    if (!screenshots.isEmpty()) {
      QDir().mkpath(screenshots);
      view->grab().save(screenshots + "/" + toQString(identity).replace('/', '_') + ".png");
    }
    view->close();
    QApplication::processEvents();
  }
}

}  // namespace
}  // namespace tolvar::qt
