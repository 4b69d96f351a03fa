#include "qt/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>
#include <map>

#include "qt/text_conversion.h"
#include "shell/catalogue.h"

namespace tolvar::qt {

MainWindow::MainWindow(QtHost& host) : host_(host) {
  setObjectName("MainWindow");
  setWindowTitle(toQString(kMainWindowTitle));
  model_ = std::make_shared<Window>(clientArea_, host_.desktop());
  auto* central = new QWidget(this);
  new WindowRenderer(model_, central);
  setCentralWidget(central);
  buildMenus();

  adjustSize();
  // Wide enough for all nine menus in one line.
  resize(std::max(width(), menuBar()->sizeHint().width() + 8), height());
  QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  move(screen.center() - rect().center());

  stateTimer_.setInterval(1000);
  connect(&stateTimer_, &QTimer::timeout, this, &MainWindow::hideIfMinimized);
  stateTimer_.start();
}

void MainWindow::buildMenus() {
  std::map<std::string, QMenu*> menus;
  std::map<std::pair<std::string, std::string>, QMenu*> submenus;
  for (const CatalogueEntry& entry : toolCatalogue()) {
    QMenu*& menu = menus[entry.menu];
    if (menu == nullptr) {
      menu = menuBar()->addMenu(toQString(entry.menu));
      menu->setObjectName(toQString(entry.menu));
    }
    QMenu* target = menu;
    if (!entry.submenu.empty()) {
      QMenu*& submenu = submenus[{entry.menu, entry.submenu}];
      if (submenu == nullptr) {
        submenu = menu->addMenu(toQString(entry.submenu));
        submenu->setObjectName(toQString(entry.submenu));
      }
      target = submenu;
    }
    QAction* action = target->addAction(toQString(entry.caption));
    connect(action, &QAction::triggered, this, [this, entry] {
      if (entry.action == CatalogueEntry::Action::window) {
        host_.desktop().show(entry.target);
      } else {
        host_.launch(entry.launchRequest());
      }
    });
  }
}

WindowState MainWindow::state() const {
  if (isMinimized()) return WindowState::minimized;
  if (isMaximized()) return WindowState::maximized;
  return WindowState::normal;
}

void MainWindow::hideIfMinimized() {
  if (isVisible() && timerHidesMainWindow(state(), trayIconPresent_())) hide();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (host_.ask(exitQuestion()) == Answer::yes) {
    event->ignore();
    showMinimized();
    return;
  }
  event->accept();
  stateTimer_.stop();
  emit ended();
  host_.mainWindowEnded();
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) lastState_ = lastNonMinimizedState(state());
  if (event->type() == QEvent::WindowStateChange && state() == WindowState::minimized) {
    lastState_ = static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMaximized
                     ? WindowState::maximized
                     : WindowState::normal;
  }
  QMainWindow::changeEvent(event);
}

}  // namespace tolvar::qt
