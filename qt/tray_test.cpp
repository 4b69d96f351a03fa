#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include "qt/main_window.h"
#include "qt/testing/modal_answerer.h"
#include "qt/text_conversion.h"

namespace tolvar::qt {
namespace {

using testing::whenMessageBoxShows;

class TrayTest : public ::testing::Test {
 protected:
  TrayTest() {
    window_.show();
    window_.installTrayIcon();
    QApplication::processEvents();
  }
  QAction* entry(const char* caption) {
    for (QAction* action : window_.trayMenu().actions()) {
      if (action->text() == QString::fromUtf8(caption)) return action;
    }
    return nullptr;
  }
  std::string enabledEntries() {
    std::string enabled;
    for (QAction* action : window_.trayMenu().actions()) {
      if (!action->isSeparator() && action->isEnabled())
        enabled += toStdString(action->text()) + " ";
    }
    return enabled;
  }

  QtHost host_;
  MainWindow window_{host_};
};

TEST_F(TrayTest, MenuEnablingAndLastStateFollowTheWindowState) {
  EXPECT_EQ(enabledEntries(), "移动&M 尺寸&S 最小化&n 最大化&x 退出&Q ");
  window_.showMaximized();
  QApplication::processEvents();
  EXPECT_EQ(enabledEntries(), "恢复&R 最小化&n 退出&Q ");
  EXPECT_EQ(window_.lastState(), WindowState::maximized);
  window_.showMinimized();
  QApplication::processEvents();
  EXPECT_EQ(enabledEntries(), "恢复&R 最大化&x 退出&Q ");
  EXPECT_EQ(window_.lastState(), WindowState::maximized);
  window_.trayIconClicked();
  QApplication::processEvents();
  EXPECT_EQ(window_.state(), WindowState::maximized);
  window_.trayIconClicked();  // visible and not minimized: nothing happens
  EXPECT_EQ(window_.state(), WindowState::maximized);
}

TEST_F(TrayTest, ExitEntryAsksTheExitQuestionAndYesKeepsTheIcon) {
  bool asked = false;
  whenMessageBoxShows([&](QMessageBox& box) {
    asked = true;
    EXPECT_EQ(box.windowTitle(), QString::fromUtf8("退出提示"));
    for (QAbstractButton* button : box.buttons()) {
      if (button->text() == QString::fromUtf8("是")) button->click();
    }
  });
  entry("退出&Q")->trigger();
  EXPECT_TRUE(asked);
  EXPECT_TRUE(window_.tray().installed());
  EXPECT_EQ(window_.state(), WindowState::minimized);
}

TEST_F(TrayTest, NoRemovesTheIcon) {
  whenMessageBoxShows([](QMessageBox&) {});
  entry("退出&Q")->trigger();
  EXPECT_FALSE(window_.tray().installed());
  EXPECT_FALSE(window_.isVisible());
}

// The offscreen desktop has no notification area, like plain Xvfb: hiding the minimized
// window there would leave no way back, so it stays minimized.
TEST_F(TrayTest, WithoutANotificationAreaTheMinimizedWindowIsNotHidden) {
  ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable());
  window_.showMinimized();
  window_.hideIfMinimized();
  EXPECT_TRUE(window_.isVisible());
  EXPECT_EQ(window_.state(), WindowState::minimized);
}

}  // namespace
}  // namespace tolvar::qt
