#include <QApplication>

#include "qt/application_style.h"
#include "qt/main_window.h"
#include "qt/message_boxes.h"
#include "qt/qt_host.h"
#include "qt/single_instance.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Quitting is decided by the host: a main window hidden in the notification area still counts.
  QApplication::setQuitOnLastWindowClosed(false);
  tolvar::qt::applyApplicationStyle(app);

  tolvar::qt::SingleInstance instance;
  if (!instance.acquire()) {
    tolvar::qt::showMessageBox(tolvar::secondCopyMessage());
    return 0;
  }

  tolvar::qt::QtHost host;
  tolvar::qt::showMessageBox(tolvar::welcomeMessage());
  tolvar::qt::MainWindow mainWindow(host);
  mainWindow.show();
  mainWindow.installTrayIcon();
  return app.exec();
}
