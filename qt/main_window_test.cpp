#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "catalogues/editions/edition_tools.h"
#include "qt/main_window.h"
#include "qt/testing/modal_answerer.h"
#include "qt/text_conversion.h"
#include "shell/catalogue.h"

namespace tolvar::qt {
namespace {

using testing::whenMessageBoxShows;

// The menu bar as paths of captions, in the order a user meets them.
std::vector<std::vector<std::string>> menuPaths(QMenuBar* bar) {
  std::vector<std::vector<std::string>> paths;
  std::function<void(QMenu*, std::vector<std::string>)> walk = [&](QMenu* menu, auto prefix) {
    for (QAction* action : menu->actions()) {
      auto path = prefix;
      path.push_back(toStdString(action->text()));
      if (action->menu()) {
        walk(action->menu(), path);
      } else {
        paths.push_back(path);
      }
    }
  };
  for (QAction* action : bar->actions()) walk(action->menu(), {toStdString(action->text())});
  return paths;
}

QAction* findAction(QMenuBar* bar, const std::vector<QString>& path) {
  QList<QAction*> actions = bar->actions();
  QAction* found = nullptr;
  for (const QString& caption : path) {
    found = nullptr;
    for (QAction* action : actions) {
      if (action->text() == caption) found = action;
    }
    if (found == nullptr) return nullptr;
    if (found->menu()) actions = found->menu()->actions();
  }
  return found;
}

class MainWindowTest : public ::testing::Test {
 protected:
  QtHost host_;
  MainWindow window_{host_};
};

TEST_F(MainWindowTest, MenuBarHoldsTheWholeCatalogueInOrder) {
  std::vector<std::vector<std::string>> expected;
  for (const CatalogueEntry& entry : toolCatalogue()) expected.push_back(entry.path());
  EXPECT_EQ(expected.size(), 86u);
  // The calculation sheets follow the catalogue as a tenth menu.
  expected.push_back({"计算书", "计算书汇总"});
  for (const CatalogueEntry& entry : catalogues::currentEditionsMenu()) {
    expected.push_back(entry.path());
  }
  EXPECT_EQ(menuPaths(window_.menuBar()), expected);

  QStringList menus;
  for (QAction* action : window_.menuBar()->actions()) menus << action->text();
  EXPECT_EQ(menus.join("|"),
            QString::fromUtf8("气工具箱|水工具箱|声工具箱|固废工具箱|燃料废气工具箱|"
                              "风险评价工具箱|其它工具箱|程序调用|帮助|计算书|现行标准"));
  // In 气工具箱 the submenu follows the three direct entries; in 水工具箱 it comes first.
  QList<QAction*> air = window_.menuBar()->actions()[0]->menu()->actions();
  ASSERT_EQ(air.size(), 4);
  EXPECT_EQ(air[3]->text(), QString::fromUtf8("经验系数"));
  QList<QAction*> water = window_.menuBar()->actions()[1]->menu()->actions();
  ASSERT_EQ(water.size(), 2);
  EXPECT_EQ(water[0]->text(), QString::fromUtf8("相关行业产排污量计算"));
  EXPECT_NE(findAction(window_.menuBar(), {"气工具箱", "经验系数", "玻璃原料制造设备颗料物排放量"}),
            nullptr);
  EXPECT_NE(
      findAction(window_.menuBar(), {"固废工具箱", "经验系数", "化铝渣 化铜渣 化锌渣产生量的计算"}),
      nullptr);
  EXPECT_EQ(window_.windowTitle(), QString::fromUtf8("Tolvar环评工具箱060808升级版（修正）"));
}

TEST_F(MainWindowTest, ExitPromptDefaultsToNoSoEnterEndsTheMainWindow) {
  window_.show();
  bool asked = false;
  whenMessageBoxShows([&](QMessageBox& box) {
    asked = true;
    EXPECT_EQ(box.windowTitle(), QString::fromUtf8("退出提示"));
    EXPECT_EQ(box.text(), QString::fromUtf8("确定将程序最化到托盘区吗？选否将退出程序！"));
    EXPECT_EQ(box.icon(), QMessageBox::Critical);
    ASSERT_NE(box.defaultButton(), nullptr);
    EXPECT_EQ(box.defaultButton()->text(), QString::fromUtf8("否"));
  });
  EXPECT_TRUE(window_.close());
  EXPECT_TRUE(asked);
  EXPECT_FALSE(window_.isVisible());
}

TEST_F(MainWindowTest, YesMinimizesAndTheTimerHidesOnlyWithATrayIcon) {
  window_.show();
  whenMessageBoxShows([](QMessageBox& box) {
    for (QAbstractButton* button : box.buttons()) {
      if (button->text() == QString::fromUtf8("是")) button->click();
    }
  });
  EXPECT_FALSE(window_.close());
  EXPECT_TRUE(window_.isMinimized());
  window_.hideIfMinimized();
  EXPECT_TRUE(window_.isVisible());  // no tray icon: the taskbar entry is the way back
  window_.setTrayIconPresent([] { return true; });
  window_.hideIfMinimized();
  EXPECT_FALSE(window_.isVisible());
}

TEST_F(MainWindowTest, ACatalogueEntryBringsAnOpenWindowForwardWithItsTexts) {
  QAction* entry = findAction(window_.menuBar(), {"声工具箱", "点声源叠加计算"});
  ASSERT_NE(entry, nullptr);
  entry->trigger();
  ToolWindow* view = host_.view("噪声源叠加计算程序");
  ASSERT_NE(view, nullptr);
  auto* first = view->findChild<QLineEdit*>("Text1");
  QTest::keyClicks(first, "5");
  entry->trigger();
  EXPECT_EQ(host_.view("噪声源叠加计算程序"), view);
  EXPECT_EQ(view->findChild<QLineEdit*>("Text1")->text(), "05");
}

TEST_F(MainWindowTest, SheetMenuShowsOneAppendixWindowForTheRun) {
  QAction* entry = findAction(window_.menuBar(), {"计算书", "计算书汇总"});
  ASSERT_NE(entry, nullptr);
  auto appendixWindows = [] {
    QList<QWidget*> found;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() == "AppendixWindow") found << w;
    }
    return found;
  };
  entry->trigger();
  ASSERT_EQ(appendixWindows().size(), 1);
  EXPECT_TRUE(appendixWindows().front()->isVisible());
  EXPECT_EQ(appendixWindows().front()->windowTitle(), QString::fromUtf8("计算书汇总"));
  appendixWindows().front()->close();
  entry->trigger();
  ASSERT_EQ(appendixWindows().size(), 1);
  EXPECT_TRUE(appendixWindows().front()->isVisible());
}

TEST_F(MainWindowTest, CurrentEditionsMenuOpensItsSearches) {
  for (const CatalogueEntry& entry : catalogues::currentEditionsMenu()) {
    QAction* action =
        findAction(window_.menuBar(), {QString::fromUtf8("现行标准"), toQString(entry.caption)});
    ASSERT_NE(action, nullptr) << entry.caption;
    action->trigger();
    EXPECT_NE(host_.view(entry.target), nullptr) << entry.target;
  }
}

TEST_F(MainWindowTest, SuperpositionEndToEndThroughWidgets) {
  findAction(window_.menuBar(), {"声工具箱", "点声源叠加计算"})->trigger();
  ToolWindow* view = host_.view("噪声源叠加计算程序");
  ASSERT_NE(view, nullptr);
  const char* levels[] = {"75", "70", "65", "60", "55"};
  for (int i = 0; i < 5; ++i) {
    auto* field = view->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i + 1));
    field->selectAll();
    QTest::keyClicks(field, levels[i]);
  }
  auto* compute = view->findChild<QPushButton*>("Command1");
  QTest::mouseClick(compute, Qt::LeftButton);
  auto* result = view->findChild<QLineEdit*>("Text6");
  EXPECT_EQ(result->text(), "76.64");
  EXPECT_EQ(result->palette().color(QPalette::Text), QColor(0, 128, 0));
  QTest::mouseClick(view->findChild<QPushButton*>("Command2"), Qt::LeftButton);
  EXPECT_EQ(result->text(), "0");
  QTest::mouseClick(compute, Qt::LeftButton);
  EXPECT_EQ(result->text(), "76.64");
  view->close();
  QApplication::processEvents();
  EXPECT_EQ(host_.view("噪声源叠加计算程序"), nullptr);
}

}  // namespace
}  // namespace tolvar::qt
