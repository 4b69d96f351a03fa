#pragma once

#include <QLockFile>
#include <QString>

namespace tolvar::qt {

// One running copy per user: a lock file in the user's own runtime folder. A lock left behind
// by a copy that crashed is taken over, since its process no longer exists.
class SingleInstance {
 public:
  SingleInstance();
  bool acquire();
  static QString lockPath();

 private:
  QLockFile lock_;
};

}  // namespace tolvar::qt
