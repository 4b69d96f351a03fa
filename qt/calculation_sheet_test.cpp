#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "qt/appendix_window.h"
#include "qt/qt_host.h"
#include "qt/testing/modal_answerer.h"
#include "qt/text_conversion.h"
#include "report/sheet_text.h"

namespace tolvar::qt {
namespace {

using testing::whenMessageBoxShows;

class CalculationSheetWidgets : public ::testing::Test {
 protected:
  // Sheets end with the date and time; a fixed one keeps them comparable.
  CalculationSheetWidgets() { qputenv("SOURCE_DATE_EPOCH", "1796896800"); }
  ~CalculationSheetWidgets() override { qunsetenv("SOURCE_DATE_EPOCH"); }

  ToolWindow* open(const std::string& title) {
    host_.desktop().show(title);
    return host_.view(title);
  }

  QAction* action(ToolWindow* view, const char* name) { return view->findChild<QAction*>(name); }

  QtHost host_;
};

TEST_F(CalculationSheetWidgets, ContextMenuCopiesTheSheetAsHtmlTableAndTabbedText) {
  ToolWindow* view = open("噪声源叠加计算程序");
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->contextMenuPolicy(), Qt::ActionsContextMenu);
  QStringList entries;
  for (QAction* a : view->actions()) {
    entries << a->text() + " " + a->shortcut().toString(QKeySequence::PortableText);
  }
  EXPECT_EQ(entries.join("|"),
            QString::fromUtf8("复制计算书 Ctrl+Shift+C|加入计算书汇总 Ctrl+Shift+A"));

  Window& model = *host_.desktop().find("噪声源叠加计算程序");
  model.edit("Text1", "75");
  model.edit("Text2", "70");
  model.click("Command1");
  QApplication::clipboard()->clear();
  action(view, "CopySheet")->trigger();
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  std::string expectedText = sheetPlainText(calculationSheet(model, currentTimeText()));
  EXPECT_EQ(toStdString(data->text()), expectedText);
  EXPECT_NE(expectedText.find("叠加结果\t76.19\tdB（A）\n"), std::string::npos);
  ASSERT_TRUE(data->hasHtml());
  QString html = data->html();
  EXPECT_EQ(html.count("<table"), 1);
  for (const char* section : {"输入参数", "计算结果", "计算依据"}) {
    EXPECT_TRUE(html.contains(QString::fromUtf8(">%1</th>").arg(QString::fromUtf8(section))))
        << section;
  }
  EXPECT_TRUE(html.contains(QString::fromUtf8("<td>叠加结果</td><td>76.19</td><td>dB（A）</td>")));
}

TEST_F(CalculationSheetWidgets, RightClickOnTheWindowShowsTheSheetEntries) {
  ToolWindow* view = open("噪声源叠加计算程序");
  QLabel* caption = nullptr;
  for (QLabel* label : view->findChildren<QLabel*>()) {
    if (label->text() == QString::fromUtf8("叠加结果=")) caption = label;
  }
  ASSERT_NE(caption, nullptr);
  QStringList shown;
  QTimer::singleShot(50, [&] {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      for (QAction* a : menu->actions()) shown << a->text();
      menu->close();
    }
  });
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                          caption->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(caption, &event);
  EXPECT_EQ(shown.join("|"), QString::fromUtf8("复制计算书|加入计算书汇总"));
}

TEST_F(CalculationSheetWidgets, ShortcutGathersTheSheetIntoTheAppendixWindow) {
  ToolWindow* view = open("噪声源叠加计算程序");
  view->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(view));
  QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
  action(open("锅炉烟气量产生系数"), "GatherSheet")->trigger();
  action(open("COD转换BOD"), "GatherSheet")->trigger();
  ASSERT_EQ(host_.appendix().size(), 3u);

  AppendixWindow& window = host_.showAppendix();
  auto* list = window.findChild<QListWidget*>("Sheets");
  auto titles = [&] {
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
    return shown.join("|");
  };
  EXPECT_EQ(titles(),
            QString::fromUtf8("1. 噪声源叠加计算程序|2. 锅炉烟气量产生系数|3. COD转换BOD"));
  list->setCurrentRow(2);
  QTest::mouseClick(window.findChild<QPushButton*>("MoveUp"), Qt::LeftButton);
  EXPECT_EQ(titles(),
            QString::fromUtf8("1. 噪声源叠加计算程序|2. COD转换BOD|3. 锅炉烟气量产生系数"));
  EXPECT_EQ(list->currentRow(), 1);
  QTest::mouseClick(window.findChild<QPushButton*>("Remove"), Qt::LeftButton);
  EXPECT_EQ(titles(), QString::fromUtf8("1. 噪声源叠加计算程序|2. 锅炉烟气量产生系数"));

  QApplication::clipboard()->clear();
  QTest::mouseClick(window.findChild<QPushButton*>("CopyAll"), Qt::LeftButton);
  EXPECT_EQ(toStdString(QApplication::clipboard()->text()), host_.appendix().plainText());
  EXPECT_EQ(QApplication::clipboard()->mimeData()->html().count("<table"), 2);

  // Clearing asks first; the default answer keeps everything.
  whenMessageBoxShows([](QMessageBox&) {});
  QTest::mouseClick(window.findChild<QPushButton*>("ClearAll"), Qt::LeftButton);
  EXPECT_EQ(host_.appendix().size(), 2u);
  whenMessageBoxShows([](QMessageBox& box) {
    for (QAbstractButton* b : box.buttons()) {
      if (b->text() == QString::fromUtf8("是")) b->click();
    }
  });
  QTest::mouseClick(window.findChild<QPushButton*>("ClearAll"), Qt::LeftButton);
  EXPECT_TRUE(host_.appendix().empty());
  EXPECT_EQ(list->count(), 0);
  EXPECT_FALSE(window.findChild<QPushButton*>("SavePdf")->isEnabled());
}

// With TOLVAR_SCREENSHOT_DIR set, the window is also saved there as a picture to look at.
TEST_F(CalculationSheetWidgets, AppendixWindowFitsASmallScreen) {
  Window& tank = *host_.desktop().show("固定顶罐的呼吸排放量和工作排放量");
  tank.click("Option2");
  tank.edit("Text3", "10");
  tank.edit("Text7", "0.9");
  tank.edit("Text10", "12");
  tank.edit("Text9", "1");
  tank.click("Command1");
  action(host_.view(tank.title()), "GatherSheet")->trigger();
  action(open("噪声源叠加计算程序"), "GatherSheet")->trigger();
  action(open("锅炉烟气量产生系数"), "GatherSheet")->trigger();
  AppendixWindow& window = host_.showAppendix();
  window.findChild<QListWidget*>("Sheets")->setCurrentRow(0);
  QApplication::processEvents();
  EXPECT_LE(window.width(), 1366);
  EXPECT_LE(window.height(), 768);
  QString screenshots = qEnvironmentVariable("TOLVAR_SCREENSHOT_DIR");
  if (!screenshots.isEmpty()) {
    QDir().mkpath(screenshots);
    window.grab().save(screenshots + "/" + window.windowTitle() + ".png");
  }
}

QByteArray contentsOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(CalculationSheetWidgets, SavesHtmlOdfAndPdfWithTheCjkFontEmbedded) {
  action(open("噪声源叠加计算程序"), "GatherSheet")->trigger();
  action(open("锅炉烟气量产生系数"), "GatherSheet")->trigger();
  QTemporaryDir dir;
  AppendixWindow& window = host_.showAppendix();
  QString path;
  window.setPathQuestion([&](AppendixFormat) { return path; });

  path = dir.filePath("汇总.html");
  window.save(AppendixFormat::html);
  QString html = QString::fromUtf8(contentsOf(path));
  EXPECT_EQ(html.count("<table"), 2);
  EXPECT_TRUE(html.contains(QString::fromUtf8("<td>层燃锅炉</td><td colspan=\"2\">1483</td>")));

  path = dir.filePath("汇总.odt");
  window.save(AppendixFormat::odf);
  QByteArray odf = contentsOf(path);
  EXPECT_TRUE(odf.startsWith("PK"));
  EXPECT_TRUE(odf.contains("application/vnd.oasis.opendocument.text"));

  path = dir.filePath("汇总.pdf");
  window.save(AppendixFormat::pdf);
  EXPECT_TRUE(contentsOf(path).startsWith("%PDF"));
  QProcess fonts;
  fonts.start("pdffonts", {path});
  ASSERT_TRUE(fonts.waitForFinished(20000)) << "pdffonts (poppler-utils) is needed";
  QString listing = QString::fromUtf8(fonts.readAllStandardOutput());
  bool cjkEmbedded = false;
  for (const QString& line : listing.split('\n')) {
    if (line.contains("CJK") &&
        line.contains(QRegularExpression("\\byes\\s+(yes|no)\\s+(yes|no)\\s+\\d")))
      cjkEmbedded = true;
  }
  EXPECT_TRUE(cjkEmbedded) << listing.toStdString();
  EXPECT_EQ(host_.appendix().size(), 2u);
}

TEST_F(CalculationSheetWidgets, AFailedSaveSaysWhyAndKeepsTheAppendix) {
  action(open("噪声源叠加计算程序"), "GatherSheet")->trigger();
  QTemporaryDir dir;
  AppendixWindow& window = host_.showAppendix();
  for (AppendixFormat format : {AppendixFormat::html, AppendixFormat::odf, AppendixFormat::pdf}) {
    QString missing = dir.filePath("没有的文件夹/汇总");
    window.setPathQuestion([&](AppendixFormat) { return missing; });
    QString said;
    whenMessageBoxShows([&](QMessageBox& box) { said = box.text(); });
    window.save(format);
    EXPECT_TRUE(said.startsWith(QString::fromUtf8("计算书汇总未能保存到 ") + missing))
        << said.toStdString();
    EXPECT_FALSE(QFile::exists(missing));
  }
  EXPECT_EQ(host_.appendix().size(), 1u);
}

}  // namespace
}  // namespace tolvar::qt
