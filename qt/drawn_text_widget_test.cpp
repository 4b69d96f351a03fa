#include "qt/drawn_text_widget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include "qt/qt_host.h"

namespace tolvar::qt {
namespace {

// Whether any pixel of that band of the image differs from white.
bool inked(const QImage& image, int top, int height) {
  for (int y = std::max(top, 0); y < std::min(top + height, image.height()); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) != Qt::white) return true;
    }
  }
  return false;
}

// The incineration window prints "q=…" on its surface at each press for a domestic
// incinerator: one more line, one line lower, under the controls.
TEST(DrawnTextWidget, EachPressDrawsOneLineLowerOnTheWindowsSurface) {
  QtHost host;
  std::shared_ptr<Window> window = host.desktop().show("焚烧垃圾烟尘排放量");
  ASSERT_NE(window, nullptr);
  ToolWindow* view = host.view("焚烧垃圾烟尘排放量");
  ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
  auto* drawn = view->findChild<DrawnTextWidget*>("DrawnText");
  ASSERT_NE(drawn, nullptr);
  QWidget* surface = drawn->parentWidget();
  EXPECT_EQ(surface->children().first(), drawn);  // every control lies above the drawing

  window->choose("Combo1", 0);
  window->choose("Combo2", 4);
  auto* compute = view->findChild<QPushButton*>("Command1");
  for (int press = 0; press < 3; ++press) QTest::mouseClick(compute, Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(window->text("DrawnText"), "q=1360\nq=1360\nq=1360");
  EXPECT_EQ(drawn->geometry(), surface->rect());

  QImage lines(drawn->size(), QImage::Format_RGB32);
  lines.fill(Qt::white);
  drawn->render(&lines, QPoint(), QRegion(), QWidget::RenderFlags());  // the lines alone
  int spacing = drawn->fontMetrics().lineSpacing();
  for (int line = 0; line < 3; ++line) {
    EXPECT_TRUE(inked(lines, line * spacing, spacing)) << "line " << line;
  }
  EXPECT_FALSE(inked(lines, 3 * spacing, lines.height()));

  QString screenshots = qEnvironmentVariable("TOLVAR_SCREENSHOT_DIR");
  if (!screenshots.isEmpty()) {
    QDir().mkpath(screenshots);
    view->resize(view->preferredSize());
    QApplication::processEvents();
    view->grab().save(screenshots + "/焚烧垃圾烟尘排放量-三次计算.png");
  }
  view->close();
}

}  // namespace
}  // namespace tolvar::qt
