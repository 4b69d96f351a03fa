#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>

#include "qt/first_paint_quit.h"

// The yardstick for the toolbox's start-up: a bare Qt Widgets program that shows a message box
// and then a main window the way the toolbox does, and quits at the first paint when asked.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  tolvar::qt::FirstPaintQuit firstPaintQuit;
  QMessageBox::information(nullptr, QStringLiteral("提示"), QStringLiteral("欢迎"));
  if (firstPaintQuit.painted()) return 0;
  QMainWindow window;
  window.menuBar()->addMenu(QStringLiteral("文件"));
  window.show();
  return app.exec();
}
