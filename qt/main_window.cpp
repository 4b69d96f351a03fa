#include "qt/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <map>

#include "catalogues/editions/edition_tools.h"
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
  buildSheetMenu();
  buildTrayMenu();
  buildCurrentEditionsMenu();

  adjustSize();
  // Wide enough for all the menus in one line.
  resize(std::max(width(), menuBar()->sizeHint().width() + 8), height());
  QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  move(screen.center() - rect().center());

  lastState_ = lastNonMinimizedState(state());
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
        LaunchRequest request = entry.launchRequest();
        if (!host_.launch(request)) host_.ask(launchFailedMessage(request));
      }
    });
  }
}

// After the catalogue: the calculation sheets gathered from the tool windows.
void MainWindow::buildSheetMenu() {
  QMenu* menu = menuBar()->addMenu(QString::fromUtf8("计算书"));
  menu->setObjectName("SheetMenu");
  QAction* appendix = menu->addAction(toQString(std::string(kAppendixTitle)));
  connect(appendix, &QAction::triggered, this, [this] { host_.showAppendix(); });
}

void MainWindow::buildTrayMenu() {
  trayMenu_.setObjectName("TrayMenu");
  for (const TrayMenuEntry& entry : tolvar::trayMenu()) {
    if (entry.command == TrayCommand::separator) {
      trayMenu_.addSeparator();
      continue;
    }
    QAction* action = trayMenu_.addAction(toQString(entry.caption));
    TrayCommand command = entry.command;
    connect(action, &QAction::triggered, this, [this, command] { runTrayCommand(command); });
    trayActions_[command] = action;
  }
  applyResizeRule();
}

// The searches over the editions in force today: the last menu of the bar.
void MainWindow::buildCurrentEditionsMenu() {
  const auto& entries = catalogues::currentEditionsMenu();
  QMenu* menu = menuBar()->addMenu(toQString(entries.front().menu));
  menu->setObjectName(toQString(entries.front().menu));
  for (const CatalogueEntry& entry : entries) {
    QAction* action = menu->addAction(toQString(entry.caption));
    connect(action, &QAction::triggered, this,
            [this, entry] { host_.desktop().show(entry.target); });
  }
}

void MainWindow::installTrayIcon() {
  tray_.installIcon(this, &trayMenu_);
  tray_.setTip(toQString(kTrayTip));
  connect(&tray_, &APIStuff::leftClicked, this, &MainWindow::trayIconClicked);
}

void MainWindow::applyResizeRule() {
  for (auto& [command, action] : trayActions_)
    action->setEnabled(trayEntryEnabled(command, state()));
  if (state() != WindowState::minimized) lastState_ = state();
}

void MainWindow::trayIconClicked() {
  if (!trayClickRestores(state(), !isVisible())) return;
  if (lastState_ == WindowState::maximized) {
    showMaximized();
  } else {
    showNormal();
  }
  raise();
  activateWindow();
}

void MainWindow::runTrayCommand(TrayCommand command) {
  switch (command) {
    case TrayCommand::restore:
      trayIconClicked();
      break;
    case TrayCommand::move:
      if (windowHandle() != nullptr) windowHandle()->startSystemMove();
      break;
    case TrayCommand::size:
      if (windowHandle() != nullptr)
        windowHandle()->startSystemResize(Qt::BottomEdge | Qt::RightEdge);
      break;
    case TrayCommand::minimize:
      showMinimized();
      break;
    case TrayCommand::maximize:
      showMaximized();
      break;
    case TrayCommand::exit:
      close();
      break;
    case TrayCommand::separator:
      break;
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
  tray_.removeIcon();
  host_.mainWindowEnded();
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) applyResizeRule();
  QMainWindow::changeEvent(event);
}

}  // namespace tolvar::qt
