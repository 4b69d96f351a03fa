#include "shell/tray_menu.h"

namespace tolvar {

const std::vector<TrayMenuEntry>& trayMenu() {
  static const std::vector<TrayMenuEntry> entries = {
      {"恢复&R", TrayCommand::restore},    {"移动&M", TrayCommand::move},
      {"尺寸&S", TrayCommand::size},       {"最小化&n", TrayCommand::minimize},
      {"最大化&x", TrayCommand::maximize}, {"", TrayCommand::separator},
      {"退出&Q", TrayCommand::exit},
  };
  return entries;
}

bool trayEntryEnabled(TrayCommand command, WindowState state) {
  switch (command) {
    case TrayCommand::restore:
      return state != WindowState::normal;
    case TrayCommand::move:
    case TrayCommand::size:
      return state == WindowState::normal;
    case TrayCommand::minimize:
      return state != WindowState::minimized;
    case TrayCommand::maximize:
      // Offered whenever the window is not maximized already, as a user expects of it.
      return state != WindowState::maximized;
    case TrayCommand::separator:
    case TrayCommand::exit:
      return true;
  }
  return true;
}

bool trayClickRestores(WindowState state, bool hidden) {
  return hidden || state == WindowState::minimized;
}

}  // namespace tolvar
