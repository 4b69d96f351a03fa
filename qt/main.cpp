#include <QApplication>

#include "qt/application_style.h"
#include "qt/main_window.h"
#include "qt/message_boxes.h"
#include "qt/qt_host.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Quitting is decided by the host: a main window hidden in the notification area still counts.
  QApplication::setQuitOnLastWindowClosed(false);
  tolvar::qt::applyApplicationStyle(app);

  tolvar::qt::QtHost host;
  tolvar::qt::showMessageBox(tolvar::welcomeMessage());
  tolvar::qt::MainWindow mainWindow(host);
  mainWindow.show();
  return app.exec();
}
