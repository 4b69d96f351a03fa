#include "qt/launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

#include "qt/text_conversion.h"

namespace tolvar::qt {
namespace {

struct Accessory {
  const char* windowsProgram;
  const char* name;
  QStringList linuxPrograms;
};

const Accessory* accessoryFor(const std::string& program) {
  static const Accessory accessories[] = {
      {"NOTEPAD.EXE",
       "记事本",
       {"gnome-text-editor", "gedit", "kate", "mousepad", "xed", "pluma", "leafpad", "kwrite"}},
      {"calc.exe",
       "计算器",
       {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "qalculate-qt", "mate-calc",
        "xcalc"}},
      {"mspaint.exe", "画图", {"kolourpaint", "pinta", "mtpaint", "gpaint", "drawing"}},
  };
  for (const Accessory& accessory : accessories) {
    if (program == accessory.windowsProgram) return &accessory;
  }
  return nullptr;
}

}  // namespace

QString launch(const LaunchRequest& request) {
  if (request.kind == LaunchRequest::Kind::link) {
    if (QDesktopServices::openUrl(QUrl(toQString(request.target)))) return {};
    return QString::fromUtf8("没有找到可以打开此地址的程序：") + toQString(request.target);
  }
  const Accessory* accessory = accessoryFor(request.target);
#ifdef Q_OS_WIN
  if (QProcess::startDetached(toQString(request.target), {})) return {};
#else
  if (accessory != nullptr) {
    for (const QString& program : accessory->linuxPrograms) {
      QString path = QStandardPaths::findExecutable(program);
      if (!path.isEmpty() && QProcess::startDetached(path, {})) return {};
    }
  }
#endif
  QString name =
      accessory != nullptr ? QString::fromUtf8(accessory->name) : toQString(request.target);
  return QString::fromUtf8("没有找到可以启动的%1程序，请先在系统中安装。").arg(name);
}

}  // namespace tolvar::qt
