#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QString::fromUtf8("Tolvar环评工具箱060808升级版（修正）"));
  window.show();
  return app.exec();
}
