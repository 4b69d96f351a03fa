#include "qt/launcher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

#include "qt/text_conversion.h"

namespace tolvar::qt {
namespace {

// The desktop programs that stand in for the original accessories, first found first used.
QStringList candidatesFor(const LaunchRequest& request) {
#ifdef Q_OS_WIN
  if (request.kind == LaunchRequest::Kind::systemInformation) {
    QSettings tools(R"(HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO)",
                    QSettings::NativeFormat);
    QString path = tools.value("PATH").toString();
    if (!path.isEmpty()) return {path};
    QSettings location(R"(HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools Location)",
                       QSettings::NativeFormat);
    QString folder = location.value("MSINFO").toString();
    if (!folder.isEmpty() && QFileInfo::exists(folder + R"(\MSINFO32.EXE)")) {
      return {folder + R"(\MSINFO32.EXE)"};
    }
    return {};
  }
  return {toQString(request.target)};
#else
  if (request.kind == LaunchRequest::Kind::systemInformation) {
    return {"hardinfo", "gnome-system-monitor", "kinfocenter",
            "lshw-gtk", "mate-system-monitor",  "ksysguard"};
  }
  if (request.target == "NOTEPAD.EXE") {
    return {"gnome-text-editor", "gedit", "kate", "mousepad", "xed", "pluma", "leafpad", "kwrite"};
  }
  if (request.target == "calc.exe") {
    return {"gnome-calculator", "kcalc",     "galculator", "qalculate-gtk",
            "qalculate-qt",     "mate-calc", "xcalc"};
  }
  if (request.target == "mspaint.exe")
    return {"kolourpaint", "pinta", "mtpaint", "gpaint", "drawing"};
  return {};
#endif
}

}  // namespace

bool launch(const LaunchRequest& request) {
  if (request.kind == LaunchRequest::Kind::link) {
    return QDesktopServices::openUrl(QUrl(toQString(request.target)));
  }
  for (const QString& program : candidatesFor(request)) {
    QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty() && QFileInfo(program).isAbsolute()) path = program;
    if (!path.isEmpty() && QProcess::startDetached(path, {})) return true;
  }
  return false;
}

}  // namespace tolvar::qt
