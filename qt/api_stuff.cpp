#include "qt/api_stuff.h"

namespace tolvar::qt {

void APIStuff::installIcon(QWidget* window, QMenu* menu) {
  icon_.setIcon(window->windowIcon());
  icon_.setContextMenu(menu);
  connect(&icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
    if (why == QSystemTrayIcon::Trigger) emit leftClicked();
  });
  icon_.show();
  installed_ = true;
}

void APIStuff::setTip(const QString& tip) {
  icon_.setToolTip(tip);
}

void APIStuff::removeIcon() {
  icon_.hide();
  icon_.disconnect(this);
  installed_ = false;
}

bool APIStuff::iconShown() const {
  return installed_ && icon_.isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

}  // namespace tolvar::qt
