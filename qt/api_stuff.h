#pragma once

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <QWidget>

namespace tolvar::qt {

// The main window's icon in the notification area: installed at start-up with the window's
// icon and pop-up menu, removed when the main window really closes.
class APIStuff : public QObject {
  Q_OBJECT

 public:
  void installIcon(QWidget* window, QMenu* menu);
  void setTip(const QString& tip);
  void removeIcon();
  // Whether an icon is there that can bring a hidden window back: the desktop may have no
  // notification area at all.
  bool iconShown() const;
  bool installed() const { return installed_; }

 signals:
  void leftClicked();

 private:
  QSystemTrayIcon icon_;
  bool installed_ = false;
};

}  // namespace tolvar::qt
