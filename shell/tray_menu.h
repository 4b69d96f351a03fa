#pragma once

#include <string_view>
#include <vector>

#include "shell/main_window.h"

namespace tolvar {

inline constexpr std::string_view kTrayTip = "Tolvar环评工具箱，点击右键弹出菜单";

enum class TrayCommand { restore, move, size, minimize, maximize, separator, exit };

struct TrayMenuEntry {
  std::string_view caption;
  TrayCommand command;
};

// The tray icon's pop-up menu, top to bottom; the separator has no caption.
const std::vector<TrayMenuEntry>& trayMenu();

// Whether an entry can be chosen while the main window is in that state.
bool trayEntryEnabled(TrayCommand command, WindowState state);

// A left click on the icon brings back a minimized (or hidden) main window; otherwise nothing.
bool trayClickRestores(WindowState state, bool hidden);

}  // namespace tolvar
