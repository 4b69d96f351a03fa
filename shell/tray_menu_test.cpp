#include "shell/tray_menu.h"

#include <gtest/gtest.h>

namespace tolvar {
namespace {

TEST(TrayMenu, EntriesAreEnabledByTheMainWindowsState) {
  struct Row {
    WindowState state;
    bool restore, move, size, minimize, maximize;
  };
  const Row rows[] = {
      {WindowState::normal, false, true, true, true, true},
      {WindowState::minimized, true, false, false, false, true},
      {WindowState::maximized, true, false, false, true, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(static_cast<int>(row.state));
    EXPECT_EQ(trayEntryEnabled(TrayCommand::restore, row.state), row.restore);
    EXPECT_EQ(trayEntryEnabled(TrayCommand::move, row.state), row.move);
    EXPECT_EQ(trayEntryEnabled(TrayCommand::size, row.state), row.size);
    EXPECT_EQ(trayEntryEnabled(TrayCommand::minimize, row.state), row.minimize);
    EXPECT_EQ(trayEntryEnabled(TrayCommand::maximize, row.state), row.maximize);
    EXPECT_TRUE(trayEntryEnabled(TrayCommand::exit, row.state));
  }
}

TEST(TrayMenu, CaptionsInOrder) {
  std::vector<std::string_view> captions;
  for (const TrayMenuEntry& entry : trayMenu()) captions.push_back(entry.caption);
  EXPECT_EQ(captions, (std::vector<std::string_view>{"恢复&R", "移动&M", "尺寸&S", "最小化&n",
                                                     "最大化&x", "", "退出&Q"}));
}

TEST(TrayMenu, ALeftClickRestoresOnlyAMinimizedOrHiddenWindow) {
  EXPECT_TRUE(trayClickRestores(WindowState::minimized, false));
  EXPECT_TRUE(trayClickRestores(WindowState::minimized, true));
  EXPECT_FALSE(trayClickRestores(WindowState::normal, false));
  EXPECT_FALSE(trayClickRestores(WindowState::maximized, false));
}

TEST(MainWindowState, TheLastStateNeverRemembersMinimized) {
  EXPECT_EQ(lastNonMinimizedState(WindowState::minimized), WindowState::normal);
  EXPECT_EQ(lastNonMinimizedState(WindowState::maximized), WindowState::maximized);
  EXPECT_FALSE(timerHidesMainWindow(WindowState::minimized, false));
  EXPECT_TRUE(timerHidesMainWindow(WindowState::minimized, true));
  EXPECT_FALSE(timerHidesMainWindow(WindowState::normal, true));
}

}  // namespace
}  // namespace tolvar
