#pragma once

#include "framework/message_box.h"
#include "framework/tool.h"

namespace tolvar {

inline constexpr const char* kMainWindowTitle = "Tolvar环评工具箱060808升级版（修正）";

// The client area of the main window (its menu bar is the tool catalogue): the reference
// books, the two link labels and the badge, which open the maker's addresses.
class MainWindowTool : public Tool {
 public:
  MainWindowTool();
};

enum class WindowState { normal, minimized, maximized };

// The state the tray icon restores: a minimized window is remembered as normal.
WindowState lastNonMinimizedState(WindowState current);

// The one-second timer hides a minimized main window, but only while a tray icon can bring it
// back; without one the window stays minimized with its taskbar entry.
bool timerHidesMainWindow(WindowState current, bool trayIconPresent);

MessageBox welcomeMessage();
MessageBox secondCopyMessage();  // shown by a copy that finds the toolbox already running
MessageBox exitQuestion();       // Yes: go to the notification area; No: exit

}  // namespace tolvar
