#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTest>

#include "qt/qt_host.h"
#include "tools/noise/jtg_highway_noise_window.h"
#include "tools/noise/jtj_highway_noise_window.h"

namespace tolvar::qt {
namespace {

// The highway noise reports pad their rows with blanks into columns; they line up only in a
// fixed-width font in which a Chinese character takes exactly two Latin widths.
TEST(ReportFont, HighwayNoiseReportsUseAFixedWidthCjkFont) {
  QtHost host;
  for (const char* identity : {noise::kJtgHighwayNoiseTitle, noise::kJtjHighwayNoiseTitle}) {
    SCOPED_TRACE(identity);
    ASSERT_NE(host.desktop().show(identity), nullptr);
    ToolWindow* view = host.view(identity);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    auto* report = view->findChild<QPlainTextEdit*>("RichTextBox1");
    ASSERT_NE(report, nullptr);
    // The font asks for a fixed pitch; the CJK monospace face found is of "dual" width, which
    // font matching does not report as fixed pitch, so its widths are measured instead.
    EXPECT_TRUE(report->font().fixedPitch());
    EXPECT_TRUE(QFontInfo(report->font()).family().contains(QStringLiteral("Mono")));
    QFontMetrics metrics(report->font());
    int latin = metrics.horizontalAdvance(QStringLiteral("0"));
    for (char16_t c = 0x20; c < 0x7f; ++c) {
      EXPECT_EQ(metrics.horizontalAdvance(QChar(c)), latin) << static_cast<char>(c);
    }
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("预")), 2 * latin);
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("预测点距公路的距离(米)：")),
              metrics.horizontalAdvance(QStringLiteral("预测点的预测结果值(dB)：")));
    view->close();
  }
}

}  // namespace
}  // namespace tolvar::qt
