#pragma once

#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <memory>

#include "qt/qt_host.h"
#include "qt/window_renderer.h"
#include "shell/main_window.h"

namespace tolvar::qt {

// The main window: the tool catalogue as its menu bar, the reference books and links in its
// client area, the exit question when it is closed.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QtHost& host);

  WindowState state() const;
  WindowState lastState() const { return lastState_; }
  // Whether a notification-area icon is there to bring a hidden main window back.
  void setTrayIconPresent(std::function<bool()> present) { trayIconPresent_ = std::move(present); }
  void hideIfMinimized();

 signals:
  void ended();  // the user chose to exit

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void buildMenus();

  QtHost& host_;
  MainWindowTool clientArea_;
  std::shared_ptr<Window> model_;
  WindowState lastState_ = WindowState::normal;
  std::function<bool()> trayIconPresent_ = [] {
    return false;
  };
  QTimer stateTimer_;
};

}  // namespace tolvar::qt
