#pragma once

#include <QMainWindow>
#include <QMenu>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>

#include "qt/api_stuff.h"
#include "qt/qt_host.h"
#include "shell/main_window.h"
#include "shell/tray_menu.h"

namespace tolvar::qt {

// The main window: the tool catalogue as its menu bar, the reference books and links in its
// client area, the tray icon, and the exit question when it is closed.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QtHost& host);

  WindowState state() const;
  WindowState lastState() const { return lastState_; }
  // Puts the icon into the notification area; the start-up does it after the welcome message.
  void installTrayIcon();
  QMenu& trayMenu() { return trayMenu_; }
  const APIStuff& tray() const { return tray_; }
  // Whether a notification-area icon is there to bring a hidden main window back.
  void setTrayIconPresent(std::function<bool()> present) { trayIconPresent_ = std::move(present); }
  void hideIfMinimized();
  void trayIconClicked();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void buildMenus();
  void buildSheetMenu();
  void buildTrayMenu();
  void buildCurrentEditionsMenu();
  void applyResizeRule();
  void runTrayCommand(TrayCommand command);

  QtHost& host_;
  MainWindowTool clientArea_;
  std::shared_ptr<Window> model_;
  WindowState lastState_ = WindowState::normal;
  APIStuff tray_;
  QMenu trayMenu_;
  std::map<TrayCommand, QAction*> trayActions_;
  std::function<bool()> trayIconPresent_ = [this] {
    return tray_.iconShown();
  };
  QTimer stateTimer_;
};

}  // namespace tolvar::qt
