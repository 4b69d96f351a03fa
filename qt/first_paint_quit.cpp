#include "qt/first_paint_quit.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace tolvar::qt {

FirstPaintQuit::FirstPaintQuit(QObject* parent) : QObject(parent) {
  qApp->installEventFilter(this);
}

bool FirstPaintQuit::eventFilter(QObject* watched, QEvent* event) {
  if (!painted_ && event->type() == QEvent::Paint) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && widget->isWindow()) {
      painted_ = true;
      // Queued, so that the painted window is flushed to the screen before the loops end.
      QTimer::singleShot(0, qApp, [] { QApplication::exit(0); });
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tolvar::qt
