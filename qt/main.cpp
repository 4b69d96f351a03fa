#include <QApplication>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "qt/application_style.h"
#include "qt/first_paint_quit.h"
#include "qt/main_window.h"
#include "qt/message_boxes.h"
#include "qt/qt_host.h"
#include "qt/single_instance.h"
#include "shell/command_line.h"

int main(int argc, char** argv) {
  const tolvar::StartRequest request =
      tolvar::readCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  // Answered before the toolkit starts, so that they work without a display.
  if (request.action == tolvar::StartRequest::Action::printVersion) {
    std::cout << tolvar::versionText() << '\n';
    return 0;
  }
  if (request.action == tolvar::StartRequest::Action::printHelp) {
    std::cout << tolvar::helpText();
    return 0;
  }

  QApplication app(argc, argv);
  // Quitting is decided by the host: a main window hidden in the notification area still counts.
  QApplication::setQuitOnLastWindowClosed(false);
  tolvar::qt::applyApplicationStyle(app);
  std::unique_ptr<tolvar::qt::FirstPaintQuit> firstPaintQuit;
  if (request.quitAfterFirstPaint) firstPaintQuit = std::make_unique<tolvar::qt::FirstPaintQuit>();

  tolvar::qt::SingleInstance instance;
  if (!instance.acquire()) {
    tolvar::qt::showMessageBox(tolvar::secondCopyMessage());
    return 0;
  }

  tolvar::qt::QtHost host;
  tolvar::qt::showMessageBox(tolvar::welcomeMessage());
  if (firstPaintQuit && firstPaintQuit->painted()) return 0;
  tolvar::qt::MainWindow mainWindow(host);
  mainWindow.show();
  mainWindow.installTrayIcon();
  return app.exec();
}
