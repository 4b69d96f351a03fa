#include "qt/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace tolvar::qt {

SingleInstance::SingleInstance() : lock_(lockPath()) {
  lock_.setStaleLockTime(0);
}

QString SingleInstance::lockPath() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QDir().mkpath(folder);
  return folder + "/tolvar-toolbox.lock";
}

bool SingleInstance::acquire() {
  return lock_.tryLock(0);
}

}  // namespace tolvar::qt
